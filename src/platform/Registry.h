#pragma once

#ifdef _WIN32

#include <optional>
#include <string>
#include <vector>

#include "platform/Environment.h"

namespace quillon {

// The text value `value` of the key `key` ("Software\\Valve\\Steam"), the environment's
// variables in it expanded where its type says so (REG_EXPAND_SZ); nothing when the key or the
// value is missing or holds no text.
std::optional<std::string> RegistryText(RegistryRoot root, const std::string& key,
                                        const std::string& value,
                                        RegistryView view = RegistryView::Native);

// Sets the text value `value` of the key `key`, made when missing; false when it cannot be set.
[[nodiscard]] bool SetRegistryText(RegistryRoot root, const std::string& key,
                                   const std::string& value, const std::string& text);

// The names of the subkeys of a key; none when it is missing.
std::vector<std::string> RegistrySubkeys(RegistryRoot root, const std::string& key,
                                         RegistryView view = RegistryView::Native);

}  // namespace quillon

#endif
