#pragma once

#include <optional>
#include <string>

namespace quillon {

constexpr const char* kSettingsFileName = "qm.cfg";

// The game folder remembered in the settings file of the current folder; nothing when the file
// is absent, unreadable, empty or holds no path.
std::optional<std::string> ReadSettingsFile();

// Remembers the game folder as the settings file's one line. Returns the empty text on success,
// else what went wrong.
std::string WriteSettingsFile(const std::string& gamePath);

}  // namespace quillon
