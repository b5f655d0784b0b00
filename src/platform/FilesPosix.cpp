#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>
#include <utility>

#include "platform/Files.h"
#include "platform/NewFile.h"

namespace quillon {
namespace {

// Owns a file descriptor.
class UniqueFd {
  public:
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return fd_; }
    // Closes now; false when closing reports a failure (a write that did not reach the disk).
    bool Close() { return close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_;
};

std::string SystemReason(int error) {
    return std::strerror(error);
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

// The permissions a new file gets: the destination's own, else the usual ones less the umask.
mode_t PermissionsFor(const std::string& destination) {
    struct stat existing {};
    if (stat(destination.c_str(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = umask(022);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& content) {
    size_t written = 0;
    while (written < content.size()) {
        const ssize_t done = write(fd, content.data() + written, content.size() - written);
        if (done < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<size_t>(done);
    }
    return true;
}

}  // namespace

FileRead ReadRegularFile(const std::string& fileName, size_t limit) {
    FileRead result;
    // Not blocking, so that a pipe in the file's place cannot hold the program.
    const UniqueFd file(open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0) {
        result.status = errno == ENOENT ? FileRead::Status::Missing : FileRead::Status::Refused;
        result.reason = SystemReason(errno);
        return result;
    }
    result.status = FileRead::Status::Refused;
    struct stat info {};
    if (fstat(file.Get(), &info) != 0) {
        result.reason = SystemReason(errno);
        return result;
    }
    const FileKind kind = S_ISDIR(info.st_mode)   ? FileKind::Folder
                          : S_ISREG(info.st_mode) ? FileKind::Regular
                                                  : FileKind::Other;
    if (const auto refusal = RefusalOf(kind, static_cast<uint64_t>(info.st_size), limit)) {
        result.reason = *refusal;
        return result;
    }
    std::string content(static_cast<size_t>(info.st_size), '\0');
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t got = ::read(file.Get(), content.data() + done, content.size() - done);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            result.reason = SystemReason(errno);
            return result;
        }
        if (got == 0) {
            break;  // it shrank meanwhile
        }
        done += static_cast<size_t>(got);
    }
    content.resize(done);
    result.status = FileRead::Status::Read;
    result.content = std::move(content);
    return result;
}

Outcome PutNewFileInPlace(const std::string& destination, const std::string& content) {
    IgnoreFileSizeSignal();
    std::string temporary = destination + ".XXXXXX";
    UniqueFd file(mkostemp(temporary.data(), O_CLOEXEC));
    if (file.Get() < 0) {
        return Outcome::Failure("no new file could be made beside it (" + SystemReason(errno) +
                                ")");
    }
    TemporaryFile guard(temporary);
    if (fchmod(file.Get(), PermissionsFor(destination)) != 0 || !WriteAll(file.Get(), content) ||
        fsync(file.Get()) != 0 || !file.Close()) {
        return Outcome::Failure(SystemReason(errno));
    }
    if (rename(temporary.c_str(), destination.c_str()) != 0) {
        return Outcome::Failure(SystemReason(errno));
    }
    guard.Keep();
    return Outcome::Success();
}

}  // namespace quillon
