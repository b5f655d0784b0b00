#pragma once

#include <algorithm>
#include <iterator>
#include <string>

namespace quillon {

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
// Each system's codes are in FileErrorPosix.cpp and FileErrorWindows.cpp.
FileError SystemError(int code);

// An error code of the system, and the kind of failure it means.
struct CodeKind {
    int code;
    FileError::Kind kind;
};

// The kind the table gives a code; any code it does not list is of no particular kind.
template <size_t Size>
FileError::Kind KindOfCode(int code, const CodeKind (&table)[Size]) {
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [code](const CodeKind& entry) { return entry.code == code; });
    return found == std::end(table) ? FileError::Kind::Other : found->kind;
}

}  // namespace quillon
