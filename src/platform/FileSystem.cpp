#include "platform/FileSystem.h"

#include <algorithm>

#include "platform/PathText.h"

namespace quillon {

Status Readable(FileKind kind, uint64_t size, size_t limit) {
    if (kind == FileKind::Folder) {
        return Status::Found(ErrorKind::Unsuitable, Finding::Folder);
    }
    if (kind == FileKind::Other) {
        return Status::Found(ErrorKind::Unsuitable, Finding::NotRegularFile);
    }
    if (size > limit) {
        return Status::Found(ErrorKind::Unsuitable, Finding::LargerThanLimit, limit);
    }
    return Status::Success();
}

Status MakeFolders(FileSystem& files, const std::string& folder) {
    // From the first separator after the root: "/", "C:\", or a share's "\\server\share\".
    const size_t root = std::max<size_t>(RootLength(folder), 1);
    for (size_t end = folder.find(kSeparator, root); end != std::string::npos;
         end = folder.find(kSeparator, end + 1)) {
        if (Status made = files.MakeFolder(folder.substr(0, end)); !made.Ok()) {
            return made;
        }
    }
    if (folder.empty() || folder.back() == kSeparator) {
        return Status::Success();
    }
    return files.MakeFolder(folder);
}

Status WriteFileReplacing(FileSystem& files, const std::string& path, const std::string& content) {
    // Players keep their configuration in one place and link it where the game reads it: the
    // file the link leads to is the one to replace, or the link would become a file apart.
    std::string destination = path;
    if (const std::optional<std::string> target = files.LinkTarget(path)) {
        if (target->empty() || !files.IsRegularFile(*target)) {
            return Status::Found(ErrorKind::Other, Finding::LinkToNoFile);
        }
        destination = *target;
    }
    const Result<std::unique_ptr<NewFile>> created = files.CreateNewFileBeside(destination);
    if (!created.Ok()) {
        return Status::Found(created.Kind(), Finding::NoNewFileBeside, created);
    }
    NewFile& file = *created.Get();
    for (size_t done = 0; done < content.size();) {
        size_t written = 0;
        if (const Status wrote = file.Write(content.data() + done, content.size() - done, written);
            !wrote.Ok()) {
            return Status::Failure(ErrorKind::Other, wrote.Message());
        }
        if (written == 0) {
            // A disk that takes nothing and says nothing would keep this loop going forever.
            return Status::Found(ErrorKind::Other, Finding::DiskTookNoMore);
        }
        done += written;
    }
    if (const Status flushed = file.FlushAndClose(); !flushed.Ok()) {
        return Status::Failure(ErrorKind::Other, flushed.Message());
    }
    if (const Status replaced = files.Replace(file.Path(), destination); !replaced.Ok()) {
        return replaced;
    }
    file.Keep();
    // Another program writing the same file at the same moment may have put its own in place
    // after ours; then ours did not land, and saying so is the truth.
    const Result<std::string> landed = files.ReadRegularFile(destination, content.size());
    // A file larger than ours is refused for its size: another program's, put in place.
    const bool larger = landed.What() == Finding::LargerThanLimit;
    if (!landed.Ok() && !larger) {
        return Status::Found(ErrorKind::Other, Finding::NotReadBack, landed);
    }
    if (larger || landed.Get() != content) {
        return Status::Found(ErrorKind::Other, Finding::ReplacedMeanwhile);
    }
    return Status::Success();
}

}  // namespace quillon
