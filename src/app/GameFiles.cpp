#include "app/GameFiles.h"

namespace quillon {

std::string GameFiles::FolderOf(const std::string& name) const {
    return !copy_.empty() && files_.IsRegularFile(copy_ + name) ? copy_ : gameFolder_;
}

Outcome GameFiles::Write(const std::string& name,
                         const std::function<Outcome(const std::string&)>& write,
                         std::string& storedIn) const {
    const std::string folder = FolderOf(name);
    const Outcome written = write(folder);
    if (written.Succeeded() || !written.Refused() || copy_.empty() || folder == copy_ ||
        MakeFolders(files_, copy_)) {
        return written;
    }
    const Outcome stored = write(copy_);
    if (stored.Succeeded()) {
        storedIn = copy_;
    }
    return stored;
}

}  // namespace quillon
