#include <cerrno>
#include <cstring>

#include "platform/FileError.h"

namespace quillon {

FileError SystemError(int code) {
    using Kind = FileError::Kind;
    static const CodeKind kKinds[] = {
        {ENOENT, Kind::Missing},      {ENOTDIR, Kind::Missing}, {EACCES, Kind::Denied},
        {EPERM, Kind::Denied},        {EROFS, Kind::Denied},    {EMFILE, Kind::OutOfHandles},
        {ENFILE, Kind::OutOfHandles},
    };
    return {KindOfCode(code, kKinds), std::strerror(code)};
}

}  // namespace quillon
