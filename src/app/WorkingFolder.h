#pragma once

#include <string>

#include "platform/Environment.h"
#include "platform/FileSystem.h"

namespace quillon {

// Where Quillon keeps its settings file and its template.
struct WorkingFolder {
    std::string folder;  // ending in the separator
    // A failure when something went wrong that the player should know about, saying what.
    Status status;
};

// The folders the working folder is chosen from, each ending in the separator; empty when the
// machine has none.
struct WorkingFolderPlaces {
    std::string current;
    std::string program;  // Windows: the program's own folder, as the unpacked zip has it
    // The user's folder for Quillon: %APPDATA%\Quillon on Windows; $XDG_CONFIG_HOME/quillon (by
    // default ~/.config/quillon) elsewhere.
    std::string own;
    std::string defaultTemplate;  // the path of the default template that comes with the program
};
WorkingFolderPlaces WorkingFolderPlacesOf(const Environment& environment);

// The current folder when it holds either file (a player's folder, the repository's run/), but
// the program's own folder only when it can be written. Elsewhere, as for a program started from
// a desktop menu, from Win+R or from a shortcut that names no folder to start in: on Windows the
// program's own folder when it can be written there;
// else the user's folder for Quillon, made when missing and given a copy of the default template
// when it lacks one. When that folder cannot be made, the current folder, and the status says
// why.
WorkingFolder ChooseWorkingFolder(FileSystem& files, const WorkingFolderPlaces& places);
inline WorkingFolder ChooseWorkingFolder(FileSystem& files, const Environment& environment) {
    return ChooseWorkingFolder(files, WorkingFolderPlacesOf(environment));
}

}  // namespace quillon
