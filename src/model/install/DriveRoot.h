#pragma once

#include <optional>
#include <string>

#include "platform/Environment.h"
#include "platform/FileSystem.h"

namespace quillon {

// Why an answer to the drive prompt names no folder to search.
enum class DriveRefusal {
    None,
    NothingEntered,
    LongerThanAnyPath,
    NoSuchFolder,           // `named` is the folder
    NeitherDriveNorFolder,  // `named` is the answer
    NoSuchDrive,            // `letter` is the drive's
    NoSuchWineDrive,        // `letter` is the drive's, `named` the Wine prefix
};

// What an answer to the drive prompt names: the folder to search, or why it names none.
struct DriveAnswer {
    std::optional<std::string> root;  // ending in the separator
    DriveRefusal refusal = DriveRefusal::None;
    std::string named;  // the folder, answer or Wine prefix the refusal is about
    char letter = 0;    // the drive letter it is about
};

// The folder to search for the answer to the drive prompt: "C", "c", "C:" and "C:\" all mean
// drive C. On Windows that is the drive's root. Elsewhere it is the folder that Wine maps the
// drive to ($WINEPREFIX/dosdevices/c:, the prefix ~/.wine by default). A folder is searched as
// it is: "D:\Games" on Windows, "/srv/games" or "~/Games" (below the home folder) elsewhere.
// Blanks around the answer do not count. A folder that does not exist names nothing.
DriveAnswer RootForDriveAnswer(FileSystem& files, const Environment& environment,
                               const std::string& answer);

}  // namespace quillon
