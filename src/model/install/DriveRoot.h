#pragma once

#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace quillon {

// The folder to search for the answer to the drive prompt: "C", "c", "C:" and "C:\" all mean
// drive C. On Windows that is the drive's root. Elsewhere it is the folder that Wine maps the
// drive to ($WINEPREFIX/dosdevices/c:, the prefix ~/.wine by default), and an answer beginning
// with "/" names a folder directly. Blanks around the answer do not count. Nothing for any other
// answer.
std::optional<std::string> RootForDriveAnswer(FileSystem& files, const std::string& answer);

}  // namespace quillon
