#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "platform/FileSystem.h"
#include "platform/SystemError.h"
#include "platform/SystemFileSystem.h"
#include "platform/SystemHandle.h"

namespace quillon {
namespace {

Status LastError() {
    return SystemError(errno);
}

// A write past the file-size limit raises SIGXFSZ, which would end the program with every
// assignment lost; ignored, the write fails with EFBIG like any other failure.
void IgnoreFileSizeSignal() {
    static const bool ignored = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)ignored;
}

// The permissions of a new file that takes the place of `destination`: those of the regular file
// there, a read-only one staying read-only, but always readable by its owner, so that the player
// and the program can read it back; for anything else there (nothing, a device) the usual ones
// for a new file.
mode_t PermissionsFor(const std::string& destination) {
    struct stat existing {};
    if (lstat(destination.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        return (existing.st_mode & 0777) | 0400;
    }
    const mode_t mask = umask(022);
    umask(mask);
    return 0666 & ~mask;
}

class PosixNewFile : public NewFile {
  public:
    PosixNewFile(std::string path, SystemHandle file)
        : path_(std::move(path)), file_(std::move(file)) {}
    ~PosixNewFile() override {
        file_.Close();
        if (!kept_) {
            unlink(path_.c_str());
        }
    }

    const std::string& Path() const override { return path_; }
    int Descriptor() const { return file_.Get(); }

    Status Write(const char* data, size_t size, size_t& written) override {
        written = 0;
        ssize_t done = -1;
        do {
            done = ::write(file_.Get(), data, size);
        } while (done < 0 && errno == EINTR);
        if (done < 0) {
            return LastError();
        }
        written = static_cast<size_t>(done);
        return Status::Success();
    }

    Status FlushAndClose() override {
        if (fsync(file_.Get()) != 0) {
            return LastError();
        }
        if (!file_.Close()) {
            return LastError();
        }
        return Status::Success();
    }

    void Keep() override { kept_ = true; }

  private:
    std::string path_;
    SystemHandle file_;
    bool kept_ = false;
};

// A place of a lock file: one byte of the file, and the same byte of the folder that holds it,
// each locked through its own open file, so that two holders in one process exclude each other
// as two processes do.
class PosixHeldLock : public HeldLock {
  public:
    PosixHeldLock(SystemHandle file, SystemHandle folder)
        : file_(std::move(file)), folder_(std::move(folder)) {}

  private:
    SystemHandle file_;
    SystemHandle folder_;
};

// A folder held for this process's writes, through its own open folder.
class PosixHeldFolder : public HeldLock {
  public:
    explicit PosixHeldFolder(SystemHandle folder) : folder_(std::move(folder)) {}

  private:
    SystemHandle folder_;
};

struct flock PlaceOf(size_t slot, short type) {
    struct flock place {};
    place.l_type = type;
    place.l_whence = SEEK_SET;
    place.l_start = static_cast<off_t>(slot);
    place.l_len = 1;
    return place;
}

Status BusyOrError(int code) {
    const Status error = SystemError(code);
    return code == EAGAIN || code == EACCES ? Status::Failure(ErrorKind::Busy, error.Message())
                                            : error;
}

SystemHandle OpenFolder(const std::string& folder) {
    return SystemHandle(
        open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY));
}

class PosixFileSystem : public SystemFileSystem {
  public:
    bool IsFolder(const std::string& path) override {
        struct stat info {};
        return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    }

    bool IsRegularFile(const std::string& path) override {
        struct stat info {};
        return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    }

    std::optional<std::string> LinkTarget(const std::string& path) override {
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return std::nullopt;
        }
        return RealPath(path).value_or(std::string());
    }

    bool IsReadOnly(const std::string& path) override {
        struct stat info {};
        return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
               (info.st_mode & 0200) == 0;
    }

    Result<std::unique_ptr<HeldLock>> TryLock(const std::string& path, size_t slot) override {
        // Any file can be unlinked here, a held lock file too, and a new one made in its place
        // has no place held. So each holder also holds its place of the folder, for reading (a
        // folder opens for nothing else), and a place somebody else holds there is busy,
        // whatever became of the file.
        SystemHandle folder = OpenFolder(path.substr(0, path.find_last_of('/') + 1));
        if (!folder.IsOpen()) {
            return LastError();
        }
        SystemHandle file(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0644));
        const int opened = errno;
        if (file.IsOpen()) {
            struct flock place = PlaceOf(slot, F_WRLCK);
            if (fcntl(file.Get(), F_OFD_SETLK, &place) != 0) {
                return BusyOrError(errno);
            }
        }
        struct flock other = PlaceOf(slot, F_WRLCK);
        if (fcntl(folder.Get(), F_OFD_GETLK, &other) != 0) {
            return LastError();
        }
        if (other.l_type != F_UNLCK) {
            return BusyOrError(EAGAIN);
        }
        if (!file.IsOpen()) {
            return SystemError(opened);
        }
        struct flock shared = PlaceOf(slot, F_RDLCK);
        if (fcntl(folder.Get(), F_OFD_SETLK, &shared) != 0) {
            return BusyOrError(errno);
        }
        return std::unique_ptr<HeldLock>(
            std::make_unique<PosixHeldLock>(std::move(file), std::move(folder)));
    }

    Result<std::unique_ptr<HeldLock>> TryLockFolder(const std::string& path) override {
        SystemHandle folder = OpenFolder(path);
        if (!folder.IsOpen()) {
            return LastError();
        }
        if (flock(folder.Get(), LOCK_EX | LOCK_NB) != 0) {
            return BusyOrError(errno);
        }
        return std::unique_ptr<HeldLock>(std::make_unique<PosixHeldFolder>(std::move(folder)));
    }

    bool Exists(const std::string& path) override {
        struct stat info {};
        return path.size() <= kLongestPath && path.find('\0') == std::string::npos &&
               stat(path.c_str(), &info) == 0;
    }

    Result<std::unique_ptr<NewFile>> CreateNewFileBeside(const std::string& destination) override {
        IgnoreFileSizeSignal();
        // A word of Quillon's own before mkostemp's letters, so no player's file beside the
        // destination ("qmvc.cfg.backup") is ever taken for one a killed write left behind.
        std::string name = destination + ".quillon-XXXXXX";
        SystemHandle file(mkostemp(name.data(), O_CLOEXEC));
        if (!file.IsOpen()) {
            return LastError();
        }
        auto created = std::make_unique<PosixNewFile>(name, SystemHandle(file.Release()));
        if (fchmod(created->Descriptor(), PermissionsFor(destination)) != 0) {
            return LastError();
        }
        return std::unique_ptr<NewFile>(std::move(created));
    }

    Status Replace(const std::string& from, const std::string& to) override {
        if (rename(from.c_str(), to.c_str()) != 0) {
            return LastError();
        }
        return Status::Success();
    }

    Status Remove(const std::string& path) override {
        if (unlink(path.c_str()) != 0 && errno != ENOENT) {
            return LastError();
        }
        return Status::Success();
    }

    Status MakeFolder(const std::string& path) override {
        if (mkdir(path.c_str(), 0777) != 0 && !(errno == EEXIST && IsFolder(path))) {
            return LastError();
        }
        return Status::Success();
    }
};

}  // namespace

// Not blocking, so that a pipe in the file's place cannot hold the program.
Result<std::pair<SystemHandle, uint64_t>> OpenRegularFile(const std::string& path, size_t limit) {
    SystemHandle file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.IsOpen()) {
        return LastError();
    }
    struct stat info {};
    if (fstat(file.Get(), &info) != 0) {
        return LastError();
    }
    const FileKind kind = S_ISDIR(info.st_mode)   ? FileKind::Folder
                          : S_ISREG(info.st_mode) ? FileKind::Regular
                                                  : FileKind::Other;
    if (Status readable = Readable(kind, static_cast<uint64_t>(info.st_size), limit);
        !readable.Ok()) {
        return readable;
    }
    return std::make_pair(std::move(file), static_cast<uint64_t>(info.st_size));
}

Result<size_t> ReadSomeAt(const SystemHandle& file, uint64_t offset, char* into, size_t wanted) {
    for (;;) {
        const ssize_t got = pread(file.Get(), into, wanted, static_cast<off_t>(offset));
        if (got >= 0) {
            return static_cast<size_t>(got);
        }
        if (errno != EINTR) {
            return LastError();
        }
    }
}

FileSystem& RealFileSystem() {
    static PosixFileSystem files;
    return files;
}

bool IsNewFileName(const std::string& name, const std::string& destinationName) {
    // CreateNewFileBeside's "<destination>.quillon-" and mkostemp's six letters and digits.
    const std::string prefix = destinationName + ".quillon-";
    return name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0 &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace quillon
