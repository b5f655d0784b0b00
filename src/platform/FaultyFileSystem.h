#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/FileSystemWrapper.h"

namespace quillon {

// The system's file system with faults planted in it: any step on any path can fail with any
// error, whoever runs the program. Tests put it in the real one's place to reach what the
// system seldom does (a full disk, a refused rename, no file handles left).
class FaultyFileSystem : public FileSystemWrapper {
  public:
    FaultyFileSystem() : FileSystemWrapper(RealFileSystem()) {}

    enum class Step { Read, Create, Write, Flush, Replace, MakeFolder, Remove, List, Lock };

    // Fails `step` on every path that holds `pathPart` (that begins with it, when it is a whole
    // path from the root), after letting `spared` such steps pass, `times` times (forever when
    // negative).
    void Plant(Step step, Status error, std::string pathPart = {}, int times = -1, int spared = 0) {
        std::lock_guard<std::mutex> lock(mutex_);
        faults_.push_back({step, std::move(error), std::move(pathPart), times, spared});
    }

    // Each write takes at most this many bytes, as a system may.
    size_t writeAtMost = static_cast<size_t>(-1);
    // Runs after a replace succeeded, before anything else: another program at that moment.
    std::function<void(const std::string& destination)> afterReplace;
    size_t keptOpenAtMost = RealFileSystem().FoldersKeptOpenAtMost();

    int Taken(Step step) {
        std::lock_guard<std::mutex> lock(mutex_);
        return taken_[step];
    }

    Result<std::string> ReadRegularFile(const std::string& path, size_t limit) override {
        if (auto error = Fault(Step::Read, path)) {
            return *error;
        }
        return Wrapped().ReadRegularFile(path, limit);
    }
    Result<std::unique_ptr<ReadableFile>> OpenForReading(const std::string& path) override {
        if (auto error = Fault(Step::Read, path)) {
            return *error;
        }
        return Wrapped().OpenForReading(path);
    }
    Result<std::unique_ptr<NewFile>> CreateNewFileBeside(const std::string& destination) override {
        if (auto error = Fault(Step::Create, destination)) {
            return *error;
        }
        Result<std::unique_ptr<NewFile>> file = Wrapped().CreateNewFileBeside(destination);
        if (!file.Ok()) {
            return file;
        }
        return std::unique_ptr<NewFile>(
            std::make_unique<Faulty>(*this, std::move(file.Get()), destination));
    }
    Status Replace(const std::string& from, const std::string& to) override {
        if (auto error = Fault(Step::Replace, to)) {
            return *error;
        }
        Status done = Wrapped().Replace(from, to);
        if (done.Ok() && afterReplace) {
            afterReplace(to);
        }
        return done;
    }
    Status MakeFolder(const std::string& path) override {
        if (auto error = Fault(Step::MakeFolder, path)) {
            return *error;
        }
        return Wrapped().MakeFolder(path);
    }
    Status Remove(const std::string& path) override {
        if (auto error = Fault(Step::Remove, path)) {
            return *error;
        }
        return Wrapped().Remove(path);
    }
    Result<std::unique_ptr<HeldLock>> TryLock(const std::string& path, size_t slot) override {
        if (auto error = Fault(Step::Lock, path)) {
            return *error;
        }
        return Wrapped().TryLock(path, slot);
    }
    Result<std::unique_ptr<HeldLock>> TryLockFolder(const std::string& folder) override {
        if (auto error = Fault(Step::Lock, folder)) {
            return *error;
        }
        return Wrapped().TryLockFolder(folder);
    }
    Status ListFolder(const std::string& folder, const std::string& pattern, FolderListing& listing,
                      const OpenFolder* parent, const std::string& name) override {
        if (auto error = Fault(Step::List, folder)) {
            return *error;
        }
        return Wrapped().ListFolder(folder, pattern, listing, parent, name);
    }
    size_t FoldersKeptOpenAtMost() override { return keptOpenAtMost; }

  private:
    struct Planted {
        Step step;
        Status error;
        std::string pathPart;
        int times;
        int spared;
    };

    // The new file of a write, whose own steps can fail too.
    class Faulty : public NewFile {
      public:
        Faulty(FaultyFileSystem& owner, std::unique_ptr<NewFile> file, std::string destination)
            : owner_(owner), file_(std::move(file)), destination_(std::move(destination)) {}
        const std::string& Path() const override { return file_->Path(); }
        Status Write(const char* data, size_t size, size_t& written) override {
            written = 0;
            if (auto error = owner_.Fault(Step::Write, destination_)) {
                return *error;
            }
            return file_->Write(data, std::min(size, owner_.writeAtMost), written);
        }
        Status FlushAndClose() override {
            if (auto error = owner_.Fault(Step::Flush, destination_)) {
                return *error;
            }
            return file_->FlushAndClose();
        }
        void Keep() override { file_->Keep(); }

      private:
        FaultyFileSystem& owner_;
        std::unique_ptr<NewFile> file_;
        std::string destination_;
    };

    std::optional<Status> Fault(Step step, const std::string& path) {
        std::lock_guard<std::mutex> lock(mutex_);
        ++taken_[step];
        for (Planted& fault : faults_) {
            if (fault.step != step || fault.times == 0 || !Holds(path, fault.pathPart)) {
                continue;
            }
            if (fault.spared > 0) {
                --fault.spared;
                continue;
            }
            if (fault.times > 0) {
                --fault.times;
            }
            return fault.error;
        }
        return std::nullopt;
    }

    static bool Holds(const std::string& path, const std::string& part) {
        const bool whole = (!part.empty() && part[0] == '/') || (part.size() > 1 && part[1] == ':');
        return whole ? path.rfind(part, 0) == 0 : path.find(part) != std::string::npos;
    }

    std::mutex mutex_;
    std::vector<Planted> faults_;
    std::map<Step, int> taken_;
};

// The faults most often planted.
inline Status Denied() {
    return Status::Failure(ErrorKind::Denied, "Permission denied");
}
// What the program finds, not the system: said in the program's words only.
inline Status FoundFolder() {
    return Status::Found(ErrorKind::Unsuitable, Finding::Folder);
}
inline Status Failure(const char* reason) {
    return Status::Failure(ErrorKind::Other, reason);
}

}  // namespace quillon
