#pragma once

#include <algorithm>
#include <iterator>

#include "platform/Status.h"

namespace quillon {

// The failure an error code of the system means (errno; on Windows, GetLastError()): its kind and
// the system's own words. Each system's codes are in SystemErrorPosix.cpp and
// SystemErrorWindows.cpp.
Status SystemError(int code);

// An error code of the system, and the kind of failure it means.
struct CodeKind {
    int code;
    ErrorKind kind;
};

// The kind the table gives a code; any code it does not list is of no particular kind.
template <size_t Size>
ErrorKind KindOfCode(int code, const CodeKind (&table)[Size]) {
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [code](const CodeKind& entry) { return entry.code == code; });
    return found == std::end(table) ? ErrorKind::Other : found->kind;
}

}  // namespace quillon
