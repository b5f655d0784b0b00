#pragma once

#include <optional>
#include <string>

#include "platform/Outcome.h"

namespace quillon {

constexpr const char* kSettingsFileName = "qm.cfg";

// The game folder that the settings file's text names: its first line, blanks before it skipped;
// a line in double quotes runs to its last quote. Nothing when the line holds no path.
std::optional<std::string> GameFolderFromSettings(const std::string& content);

// The game folder remembered in the settings file of the current folder; nothing when the file
// is absent, unreadable, empty or holds no path.
std::optional<std::string> ReadSettingsFile();

// Remembers the game folder as the settings file's one line.
Outcome WriteSettingsFile(const std::string& gamePath);

}  // namespace quillon
