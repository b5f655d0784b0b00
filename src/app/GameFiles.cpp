#include "app/GameFiles.h"

namespace quillon {

std::string GameFiles::FolderOf(const std::string& name) const {
    return !copy_.empty() && files_.IsRegularFile(copy_ + name) ? copy_ : gameFolder_;
}

Status GameFiles::Write(const std::string& name,
                        const std::function<Status(const std::string&)>& write,
                        std::string& storedIn) const {
    const std::string folder = FolderOf(name);
    const Status written = write(folder);
    if (written.Ok() || written.Kind() != ErrorKind::Denied || copy_.empty() || folder == copy_ ||
        !MakeFolders(files_, copy_).Ok()) {
        return written;
    }
    const Status stored = write(copy_);
    if (stored.Ok()) {
        storedIn = copy_;
    }
    return stored;
}

}  // namespace quillon
