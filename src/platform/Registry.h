#pragma once

#ifdef _WIN32

#include <optional>
#include <string>
#include <vector>

namespace quillon {

enum class RegistryRoot { CurrentUser, LocalMachine };

// Which view of the registry a 64-bit Windows gives: its own, or the one 32-bit programs see.
enum class RegistryView { Native, Bits32, Bits64 };

// The text value `value` of the key `key` ("Software\\Valve\\Steam"); nothing when the key or
// the value is missing or holds no text.
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
