#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace quillon {

// Where Quillon keeps its settings file and its template.
struct WorkingFolder {
    std::string folder;   // ending in the separator
    std::string problem;  // what the player should know about it; empty when all is well
};

// The current folder when it holds either file (a portable folder, the repository's run/).
// Elsewhere, as for a program started from a desktop menu in the home folder, Linux gives it a
// folder of its own, $XDG_CONFIG_HOME/quillon (by default ~/.config/quillon): made when missing,
// and given a copy of the installed default template when it lacks one. When that folder cannot
// be made, the current folder, and the problem says why.
WorkingFolder ChooseWorkingFolder(FileSystem& files);

}  // namespace quillon
