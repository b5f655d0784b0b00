#include "platform/SystemFileSystem.h"

#include <system_error>

namespace quillon {
namespace {

class SystemReadableFile : public ReadableFile {
  public:
    SystemReadableFile(SystemHandle file, uint64_t size) : file_(std::move(file)), size_(size) {}
    uint64_t Size() const override { return size_; }
    Result<std::string> ReadAt(uint64_t offset, size_t size) override {
        std::string part(size, '\0');
        size_t done = 0;
        while (done < size) {
            const Result<size_t> got =
                ReadSomeAt(file_, offset + done, part.data() + done, size - done);
            if (!got.Ok()) {
                return Status(got);
            }
            if (got.Get() == 0) {
                break;  // the file ends here: where it was opened, or shrank since
            }
            done += got.Get();
        }
        part.resize(done);
        return part;
    }

  private:
    SystemHandle file_;
    uint64_t size_;
};

}  // namespace

Result<std::string> SystemFileSystem::ReadRegularFile(const std::string& path, size_t limit) {
    Result<std::pair<SystemHandle, uint64_t>> opened = OpenRegularFile(path, limit);
    if (!opened.Ok()) {
        return Status(opened);
    }
    SystemReadableFile file(std::move(opened.Get().first), opened.Get().second);
    return file.ReadAt(0, static_cast<size_t>(file.Size()));
}

Result<std::unique_ptr<ReadableFile>> SystemFileSystem::OpenForReading(const std::string& path) {
    Result<std::pair<SystemHandle, uint64_t>> opened = OpenRegularFile(path, SIZE_MAX);
    if (!opened.Ok()) {
        return Status(opened);
    }
    return std::unique_ptr<ReadableFile>(
        std::make_unique<SystemReadableFile>(std::move(opened.Get().first), opened.Get().second));
}

std::optional<std::string> SystemFileSystem::RealPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(PathFromText(path), error);
    return error ? std::nullopt : std::optional<std::string>(TextFromPath(real));
}

Status SystemFileSystem::ListFolder(const std::string& folder, const std::string& pattern,
                                    FolderListing& listing, const OpenFolder* parent,
                                    const std::string& name) {
    return quillon::ListFolder(folder, pattern, listing, parent, name);
}

size_t SystemFileSystem::FoldersKeptOpenAtMost() {
    return quillon::FoldersKeptOpenAtMost();
}

}  // namespace quillon
