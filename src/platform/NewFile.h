#pragma once

#include <cstddef>
#include <string>

#include "platform/Outcome.h"

namespace quillon {

// The platform's half of WriteFileReplacing: writes `content` to a file of a new, unique name
// beside `destination`, created exclusively, flushes it to the disk and renames it over the
// destination. On failure the new file is gone and the reason is the system's.
Outcome PutNewFileInPlace(const std::string& destination, const std::string& content);

// Why a file over the limit of ReadRegularFile is refused ("it is larger than 16 MiB").
std::string TooLargeReason(size_t limit);

}  // namespace quillon
