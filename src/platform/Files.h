#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

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

// What the system said when a step on a file failed: the kind of failure, which decides what
// the program does next, and the system's own words for it.
struct FileError {
    enum class Kind {
        Missing,       // no such file or folder
        Denied,        // no right to do it
        OutOfHandles,  // the process may open no more files just now
        Other,
    };
    Kind kind = Kind::Other;
    std::string reason;
};

// The kind and the words of an error code of the system (errno; on Windows, GetLastError()).
FileError SystemError(int code);

// What reading a file gave.
struct FileRead {
    enum class Status { Read, Missing, Refused };
    Status status = Status::Missing;
    std::string content;  // when read: the whole file
    std::string reason;   // when refused: why, as a phrase ("it is not a regular file")

    static FileRead Whole(std::string content) { return {Status::Read, std::move(content), {}}; }
    static FileRead RefusedFor(std::string reason) {
        return {Status::Refused, {}, std::move(reason)};
    }
    // A file that could not be opened or read: missing only when the system says there is none.
    static FileRead Failed(const FileError& error) {
        return {error.kind == FileError::Kind::Missing ? Status::Missing : Status::Refused,
                {},
                error.reason};
    }
};

// Why a file of that kind and size is not read: nothing for a regular file within the limit
// ("it is larger than 16 MiB", "it is a folder", ...).
enum class FileKind { Regular, Folder, Other };
std::optional<std::string> RefusalOf(FileKind kind, uint64_t size, size_t limit);

}  // namespace quillon
