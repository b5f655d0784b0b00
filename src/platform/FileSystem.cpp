#include "platform/FileSystem.h"

#include <algorithm>

#include "platform/PathText.h"

namespace quillon {

std::optional<std::string> RefusalOf(FileKind kind, uint64_t size, size_t limit) {
    if (kind == FileKind::Folder) {
        return "it is a folder";
    }
    if (kind == FileKind::Other) {
        return "it is not a regular file";
    }
    if (size <= limit) {
        return std::nullopt;
    }
    constexpr size_t kMebibyte = 1024 * 1024;
    return "it is larger than " + (limit >= kMebibyte && limit % kMebibyte == 0
                                       ? std::to_string(limit / kMebibyte) + " MiB"
                                       : std::to_string(limit) + " bytes");
}

FileStep MakeFolders(FileSystem& files, const std::string& folder) {
    // From the first separator after the root: "/", "C:\", or a share's "\\server\share\".
    const size_t root = std::max<size_t>(RootLength(folder), 1);
    for (size_t end = folder.find(kSeparator, root); end != std::string::npos;
         end = folder.find(kSeparator, end + 1)) {
        if (FileStep failed = files.MakeFolder(folder.substr(0, end))) {
            return failed;
        }
    }
    if (folder.empty() || folder.back() == kSeparator) {
        return std::nullopt;
    }
    return files.MakeFolder(folder);
}

namespace {

Outcome FailureOf(const FileError& error, std::string message) {
    return error.kind == FileError::Kind::Denied ? Outcome::Refusal(std::move(message))
                                                 : Outcome::Failure(std::move(message));
}

}  // namespace

Outcome WriteFileReplacing(FileSystem& files, const std::string& path, const std::string& content) {
    // Players keep their configuration in one place and link it where the game reads it: the
    // file the link leads to is the one to replace, or the link would become a file apart.
    std::string destination = path;
    if (const std::optional<std::string> target = files.LinkTarget(path)) {
        if (target->empty() || !files.IsRegularFile(*target)) {
            return Outcome::Failure("it is a link that leads to no file Quillon can replace");
        }
        destination = *target;
    }
    FileError error;
    const std::unique_ptr<NewFile> file = files.CreateNewFileBeside(destination, error);
    if (!file) {
        return FailureOf(error, "no new file could be made beside it (" + error.reason + ")");
    }
    for (size_t done = 0; done < content.size();) {
        size_t written = 0;
        if (const FileStep failed =
                file->Write(content.data() + done, content.size() - done, written)) {
            return Outcome::Failure(failed->reason);
        }
        if (written == 0) {
            // A disk that takes nothing and says nothing would keep this loop going forever.
            return Outcome::Failure("the disk took no more of it");
        }
        done += written;
    }
    if (const FileStep failed = file->FlushAndClose()) {
        return Outcome::Failure(failed->reason);
    }
    if (const FileStep failed = files.Replace(file->Path(), destination)) {
        return FailureOf(*failed, failed->reason);
    }
    file->Keep();
    // Another program writing the same file at the same moment may have put its own in place
    // after ours; then ours did not land, and saying so is the truth.
    const FileRead landed = files.ReadRegularFile(destination, content.size());
    // A file larger than ours is refused for its size: another program's, put in place.
    const bool larger =
        landed.status == FileRead::Status::Refused &&
        landed.reason == RefusalOf(FileKind::Regular, uint64_t{content.size()} + 1, content.size());
    if (landed.status != FileRead::Status::Read && !larger) {
        return Outcome::Failure("it could not be read back (" + landed.reason + ")");
    }
    if (larger || landed.content != content) {
        return Outcome::Failure("another program replaced it at the same moment");
    }
    return Outcome::Success();
}

}  // namespace quillon
