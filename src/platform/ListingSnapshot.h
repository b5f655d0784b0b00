#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/FileSystemWrapper.h"

namespace quillon {

// Another file system with the listings of the last few folders kept, so that the many
// look-ups of one step (which game a folder belongs to, its engine, its scripts) list each folder
// once: under Wine every listing is a round trip to another process. Whatever the program
// writes, makes or removes through it, and Forget(), make the folders listed anew.
class ListingSnapshot : public FileSystemWrapper {
  public:
    explicit ListingSnapshot(FileSystem& files) : FileSystemWrapper(files) {}

    // From here on each folder is listed anew: what others changed meanwhile is seen.
    void Forget();

    Result<std::unique_ptr<NewFile>> CreateNewFileBeside(const std::string& destination) override;
    Status Replace(const std::string& from, const std::string& to) override;
    Status MakeFolder(const std::string& path) override;
    Status Remove(const std::string& path) override;
    Result<std::unique_ptr<HeldLock>> TryLock(const std::string& path, size_t slot) override;
    Status ListFolder(const std::string& folder, const std::string& pattern,
                      FolderListing& listing, const OpenFolder* parent = nullptr,
                      const std::string& name = {}) override;
    FileSystem& ForWalking() override { return Wrapped().ForWalking(); }

  private:
    struct Snapshot {
        Status listed;
        FolderListing whole;  // every entry, whatever the pattern
    };

    std::mutex mutex_;  // look-ups may come from several threads
    std::map<std::string, Snapshot> folders_;
};

}  // namespace quillon
