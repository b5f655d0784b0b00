#pragma once

#include <optional>
#include <string>

#include "platform/Environment.h"
#include "platform/FileSystem.h"

namespace quillon {

// What an answer to the drive prompt names: the folder to search, or why it names none.
struct DriveAnswer {
    std::optional<std::string> root;  // ending in the separator
    std::string problem;              // when there is no root: why, as a sentence
};

// The folder to search for the answer to the drive prompt: "C", "c", "C:" and "C:\" all mean
// drive C. On Windows that is the drive's root. Elsewhere it is the folder that Wine maps the
// drive to ($WINEPREFIX/dosdevices/c:, the prefix ~/.wine by default). A folder is searched as
// it is: "D:\Games" on Windows, "/srv/games" or "~/Games" (below the home folder) elsewhere.
// Blanks around the answer do not count. A folder that does not exist names nothing.
DriveAnswer RootForDriveAnswer(FileSystem& files, const Environment& environment,
                               const std::string& answer);

}  // namespace quillon
