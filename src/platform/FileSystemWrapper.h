#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace quillon {

// A file system that hands every call to another one: the base of those that change a few
// calls (plant faults, keep listings) and pass the rest on. A walk goes through the wrapper too,
// unless it says otherwise (see ForWalking).
class FileSystemWrapper : public FileSystem {
  public:
    explicit FileSystemWrapper(FileSystem& wrapped) : wrapped_(wrapped) {}

    Result<std::string> ReadRegularFile(const std::string& path, size_t limit) override {
        return wrapped_.ReadRegularFile(path, limit);
    }
    Result<std::unique_ptr<ReadableFile>> OpenForReading(const std::string& path) override {
        return wrapped_.OpenForReading(path);
    }
    bool IsFolder(const std::string& path) override { return wrapped_.IsFolder(path); }
    bool IsRegularFile(const std::string& path) override { return wrapped_.IsRegularFile(path); }
    bool Exists(const std::string& path) override { return wrapped_.Exists(path); }
    std::optional<std::string> LinkTarget(const std::string& path) override {
        return wrapped_.LinkTarget(path);
    }
    bool IsReadOnly(const std::string& path) override { return wrapped_.IsReadOnly(path); }
    std::optional<std::string> RealPath(const std::string& path) override {
        return wrapped_.RealPath(path);
    }
    Result<std::unique_ptr<NewFile>> CreateNewFileBeside(const std::string& destination) override {
        return wrapped_.CreateNewFileBeside(destination);
    }
    Status Replace(const std::string& from, const std::string& to) override {
        return wrapped_.Replace(from, to);
    }
    Status MakeFolder(const std::string& path) override { return wrapped_.MakeFolder(path); }
    Status Remove(const std::string& path) override { return wrapped_.Remove(path); }
    Result<std::unique_ptr<HeldLock>> TryLock(const std::string& path, size_t slot) override {
        return wrapped_.TryLock(path, slot);
    }
    Result<std::unique_ptr<HeldLock>> TryLockFolder(const std::string& folder) override {
        return wrapped_.TryLockFolder(folder);
    }
    Status ListFolder(const std::string& folder, const std::string& pattern,
                      FolderListing& listing, const OpenFolder* parent = nullptr,
                      const std::string& name = {}) override {
        return wrapped_.ListFolder(folder, pattern, listing, parent, name);
    }
    size_t FoldersKeptOpenAtMost() override { return wrapped_.FoldersKeptOpenAtMost(); }

  protected:
    FileSystem& Wrapped() { return wrapped_; }

  private:
    FileSystem& wrapped_;
};

}  // namespace quillon
