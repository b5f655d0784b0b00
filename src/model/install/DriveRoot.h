#pragma once

#include <optional>
#include <string>

#include "platform/Environment.h"
#include "platform/FileSystem.h"

namespace quillon {

// The folder to search for the answer to the drive prompt: "C", "c", "C:" and "C:\" all mean
// drive C. On Windows that is the drive's root. Elsewhere it is the folder that Wine maps the
// drive to ($WINEPREFIX/dosdevices/c:, the prefix ~/.wine by default). A folder is searched as
// it is: "D:\Games" on Windows, "/srv/games" or "~/Games" (below the home folder) elsewhere.
// Blanks around the answer do not count. Nothing for an answer that names no folder that is
// there: nothing entered, no such drive or folder, neither a drive nor a folder.
std::optional<std::string> RootForDriveAnswer(FileSystem& files, const Environment& environment,
                                              const std::string& answer);

}  // namespace quillon
