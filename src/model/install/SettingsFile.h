#pragma once

#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace quillon {

constexpr const char* kSettingsFileName = "qm.cfg";

// The folder the script goes to that the settings file's text names: its first line that is not
// blank, past a byte-order mark, blanks before and after it skipped; a line that begins with a
// double quote runs to its last quote. Nothing when the line holds no path, or one longer than any
// path the system can use.
std::optional<std::string> ScriptFolderFromSettings(const std::string& content);

// What the settings file of the working folder (a folder text ending in the separator) gave.
struct RememberedFolder {
    std::optional<std::string> scriptFolder;  // nothing when the file is absent or holds no path
    // A failure when the file is there but cannot be used (a pipe, say, or one holding a NUL).
    Status status;
};
// Its text is read as the player's editor wrote it: see TextFromEditor().
RememberedFolder ReadSettingsFile(FileSystem& files, const std::string& workingFolder);

// Whether the settings file can hold the path: its one line cannot hold a line break.
bool SettingsCanHold(const std::string& scriptFolder);

// Remembers the folder the script goes to as the settings file's first line, in quotes when blanks
// or a quote at its ends would otherwise be lost, so that it reads back exactly as written; the
// settings below it ("Name=value" lines) stay as the file holds them, or are `settings` when given.
// A path that the line cannot hold fails as Unsuitable.
Status WriteSettingsFile(FileSystem& files, const std::string& workingFolder,
                         const std::string& scriptFolder,
                         const std::optional<std::string>& settings = std::nullopt);

// The settings file's lines below the folder's, as it holds them; empty when it has none.
std::string SettingsBelowFolder(const std::string& content);

// The value of the setting `name` ("TeamVoice" in "TeamVoice=Axis") below the folder's line;
// empty when the file does not give it.
std::string SettingValue(const std::string& content, const std::string& name);
// The lines below the folder's with the setting put in, in place of what it said before.
std::string WithSetting(const std::string& below, const std::string& name,
                        const std::string& value);

}  // namespace quillon
