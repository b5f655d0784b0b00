#pragma once

#include "platform/Outcome.h"

namespace quillon {

// Quillon keeps its settings file and its template in the current folder. A folder that holds
// either (a portable folder, the repository's run/) stays the working folder. Elsewhere, as for
// a program started from a desktop menu in the home folder, Linux gives it a folder of its own,
// $XDG_CONFIG_HOME/quillon (by default ~/.config/quillon): made when missing, given a copy of
// the installed default template when it lacks one, and made the current folder. A failure says
// why and leaves the current folder as it was.
Outcome UseWorkingFolder();

}  // namespace quillon
