#pragma once

#include <string>

namespace quillon {

// Whether two texts are equal with the letters A-Z taken as a-z, as the game's console and
// Steam's files compare names.
bool SameIgnoringCase(const std::string& a, const std::string& b);

// Whether `text` holds `part`, the letters A-Z taken as a-z.
bool ContainsIgnoringCase(const std::string& text, const std::string& part);

}  // namespace quillon
