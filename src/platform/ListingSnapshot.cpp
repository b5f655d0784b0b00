#include "platform/ListingSnapshot.h"

#include <utility>

namespace quillon {
namespace {

// A step looks at a handful of folders; a drive search walks through thousands, which are
// not worth keeping.
constexpr size_t kFoldersKept = 8;

// A file being written: while it is there under its own name, listings show it, and once it is
// dropped they must not.
class ForgettingNewFile : public NewFile {
  public:
    ForgettingNewFile(std::unique_ptr<NewFile> file, ListingSnapshot& snapshot)
        : file_(std::move(file)), snapshot_(snapshot) {}
    ~ForgettingNewFile() override {
        file_.reset();
        snapshot_.Forget();
    }
    const std::string& Path() const override { return file_->Path(); }
    Status Write(const char* data, size_t size, size_t& written) override {
        return file_->Write(data, size, written);
    }
    Status FlushAndClose() override { return file_->FlushAndClose(); }
    void Keep() override { file_->Keep(); }

  private:
    std::unique_ptr<NewFile> file_;
    ListingSnapshot& snapshot_;
};

}  // namespace

void ListingSnapshot::Forget() {
    std::lock_guard<std::mutex> lock(mutex_);
    folders_.clear();
}

Result<std::unique_ptr<NewFile>> ListingSnapshot::CreateNewFileBeside(
    const std::string& destination) {
    Forget();
    Result<std::unique_ptr<NewFile>> created = Wrapped().CreateNewFileBeside(destination);
    if (!created.Ok()) {
        return created;
    }
    return std::unique_ptr<NewFile>(
        std::make_unique<ForgettingNewFile>(std::move(created.Get()), *this));
}

Status ListingSnapshot::Replace(const std::string& from, const std::string& to) {
    Forget();
    return Wrapped().Replace(from, to);
}

Status ListingSnapshot::MakeFolder(const std::string& path) {
    Forget();
    return Wrapped().MakeFolder(path);
}

Status ListingSnapshot::Remove(const std::string& path) {
    Forget();
    return Wrapped().Remove(path);
}

Result<std::unique_ptr<HeldLock>> ListingSnapshot::TryLock(const std::string& path,
                                                           size_t slot) {
    Forget();  // the lock file is made when it is missing
    return Wrapped().TryLock(path, slot);
}

Status ListingSnapshot::ListFolder(const std::string& folder, const std::string& pattern,
                                   FolderListing& listing, const OpenFolder* parent,
                                   const std::string& name) {
    if (parent != nullptr) {  // a walk's step, never looked at twice
        return Wrapped().ListFolder(folder, pattern, listing, parent, name);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    auto kept = folders_.find(folder);
    if (kept == folders_.end()) {
        if (folders_.size() >= kFoldersKept) {
            folders_.clear();
        }
        Snapshot snapshot;
        snapshot.listed = Wrapped().ListFolder(folder, "*", snapshot.whole);
        kept = folders_.emplace(folder, std::move(snapshot)).first;
    }
    const FolderListing& whole = kept->second.whole;
    listing.id = whole.id;
    listing.open = whole.open;
    listing.filesSeen = whole.filesSeen;
    listing.entries.clear();
    for (const FolderEntry& entry : whole.entries) {
        if (entry.isFolder || NameMatchesPattern(entry.name, pattern)) {
            listing.entries.push_back(entry);
        }
    }
    return kept->second.listed;
}

}  // namespace quillon
