#pragma once

#include <string>
#include <vector>

#include "platform/Environment.h"

namespace quillon {

// The folders where Windows keeps a user without administrator rights from writing, and where
// it keeps, for each user, the files such writes would have made.
struct ProtectedFolders {
    std::vector<std::string> programFiles;  // Program Files, and Program Files (x86)
    std::string localAppData;               // holds the VirtualStore folder
};

// The environment's, as the system names them; none off Windows.
ProtectedFolders ProtectedFoldersOf(const Environment& environment);

// The VirtualStore copy of `folder` (ending in the separator): for a folder below one of the
// Program Files folders, the same path below %LOCALAPPDATA%\VirtualStore; the game, run without
// administrator rights, reads a file there before the one in the folder itself. Empty for any
// other folder.
std::string VirtualStoreCopy(const std::string& folder, const ProtectedFolders& protectedFolders);

}  // namespace quillon
