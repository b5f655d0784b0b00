#include <cerrno>
#include <cstring>

#include "platform/SystemError.h"

namespace quillon {

Status SystemError(int code) {
    using Kind = ErrorKind;
    static const CodeKind kKinds[] = {
        {ENOENT, Kind::Missing},      {ENOTDIR, Kind::Missing}, {EACCES, Kind::Denied},
        {EPERM, Kind::Denied},        {EROFS, Kind::Denied},    {EMFILE, Kind::OutOfHandles},
        {ENFILE, Kind::OutOfHandles},
    };
    return Status::Failure(KindOfCode(code, kKinds), std::strerror(code));
}

}  // namespace quillon
