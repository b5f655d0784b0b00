#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "platform/Outcome.h"

namespace quillon {

// The platform's folder separator; folder texts end in it. The longest path the system opens,
// in bytes of UTF-8 at the most.
#ifdef _WIN32
constexpr char kSeparator = '\\';
constexpr size_t kLongestPath = 32767 * 3;  // through the \\?\ form, in UTF-16 units
#else
constexpr char kSeparator = '/';
constexpr size_t kLongestPath = 4095;  // PATH_MAX, less its NUL
#endif

// Paths are UTF-8 text in the program; these convert at the file system's boundary.
std::filesystem::path PathFromText(const std::string& text);
std::string TextFromPath(const std::filesystem::path& path);

// What reading a file gave.
struct FileRead {
    enum class Status { Read, Missing, Refused };
    Status status = Status::Missing;
    std::string content;  // when read: the whole file
    std::string reason;   // when refused: why, as a phrase ("it is not a regular file")
};

// Reads a regular file whole when it holds at most `limit` bytes. A folder, a pipe, a device, a
// larger file and one that cannot be read are refused with the reason; nothing waits on a pipe.
FileRead ReadRegularFile(const std::string& fileName, size_t limit);

bool IsFolder(const std::string& path);

// Whether the path leads to a file or folder that the system can reach by that path.
bool PathReachable(const std::string& path);

std::string CurrentFolderText();

// Writes `content` to a new file beside `destination`, under a name of its own that nobody else
// has (created exclusively, never through a link), and then puts it in the destination's place
// in one step. A failure, or another program replacing the destination at the same moment,
// never leaves a mixed or partial file; the failure says why, in the system's words.
Outcome WriteFileReplacing(const std::string& destination, const std::string& content);

}  // namespace quillon
