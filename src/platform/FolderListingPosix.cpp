#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <strings.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "platform/FolderListing.h"
#include "platform/SystemError.h"
#include "platform/SystemHandle.h"

namespace quillon {
namespace {

std::atomic<int64_t> folderOpens{0};

// A pattern, or several separated by ";" as Windows takes them.
class NamePattern {
  public:
    explicit NamePattern(const std::string& patterns) {
        for (size_t start = 0; start <= patterns.size();) {
            const size_t end = std::min(patterns.find(';', start), patterns.size());
            const std::string part = patterns.substr(start, end - start);
            parts_.push_back({part, part.find_first_of("*?[\\") != std::string::npos});
            start = end + 1;
        }
    }

    // Without wildcards, the wildcard match ignoring case is a plain comparison ignoring case;
    // the walk compares every file name, so this shortcut matters.
    bool Matches(const char* name) const {
        for (const Part& part : parts_) {
            if (part.wildcard ? fnmatch(part.text.c_str(), name, FNM_CASEFOLD) == 0
                              : strcasecmp(name, part.text.c_str()) == 0) {
                return true;
            }
        }
        return false;
    }

  private:
    struct Part {
        std::string text;
        bool wildcard;
    };
    std::vector<Part> parts_;
};

constexpr size_t kBufferSize = 32 * 1024;

bool IsFolderEntry(int folderFd, unsigned char type, const char* name) {
    if (type == DT_DIR) {
        return true;
    }
    if (type != DT_LNK && type != DT_UNKNOWN) {
        return false;
    }
    // Links are followed: a linked folder is walked like any other.
    struct stat target {};
    return fstatat(folderFd, name, &target, 0) == 0 && S_ISDIR(target.st_mode);
}

}  // namespace

int64_t FolderOpenCount() {
    return folderOpens;
}

size_t FoldersKeptOpenAtMost() {
    // A quarter of the limit leaves room for the folders being listed and for everything else.
    rlimit limit{};
    const rlim_t files = getrlimit(RLIMIT_NOFILE, &limit) == 0 ? limit.rlim_cur : 1024;
    return static_cast<size_t>(std::clamp<rlim_t>(files / 4, 4, 256));
}

bool NameMatchesPattern(const std::string& name, const std::string& pattern) {
    return NamePattern(pattern).Matches(name.c_str());
}

struct OpenFolder {
    explicit OpenFolder(int descriptor) : handle(descriptor) {}
    int Descriptor() const { return handle.Get(); }

    SystemHandle handle;
};

Status ListFolder(const std::string& folder, const std::string& pattern, FolderListing& listing,
                  const OpenFolder* parent, const std::string& name) {
    return ListFolderReading(getdents64, folder, pattern, listing, parent, name);
}

Status ListFolderReading(EntryReader read, const std::string& folder, const std::string& pattern,
                         FolderListing& listing, const OpenFolder* parent,
                         const std::string& name) {
    constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    // Opening relative to the parent spares the system walking the whole path again.
    int fd = -1;
    if (parent != nullptr) {
        ++folderOpens;
        fd = openat(parent->Descriptor(), name.c_str(), kFlags);
    }
    if (fd < 0) {
        ++folderOpens;
        fd = open(folder.c_str(), kFlags);
    }
    if (fd < 0) {
        return SystemError(errno);
    }
    listing.open = std::make_shared<OpenFolder>(fd);
    struct stat self {};
    if (fstat(fd, &self) != 0) {
        return SystemError(errno);
    }
    listing.id = {static_cast<uint64_t>(self.st_dev), static_cast<uint64_t>(self.st_ino)};
    listing.entries.clear();
    listing.filesSeen = 0;

    const NamePattern matching(pattern);
    alignas(dirent64) char buffer[kBufferSize];
    // Read with getdents64 straight into a buffer: opendir would add a second fstat and an
    // allocation per folder, and a drive holds many folders.
    ssize_t size = 0;
    while ((size = read(fd, buffer, sizeof buffer)) > 0) {
        for (ssize_t offset = 0; offset < size;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + offset);
            offset += entry->d_reclen;
            if (IsFolderEntry(fd, entry->d_type, entry->d_name)) {
                if (entry->d_name[0] != '.') {
                    listing.entries.push_back({entry->d_name, true});
                }
            } else {
                ++listing.filesSeen;
                if (matching.Matches(entry->d_name)) {
                    listing.entries.push_back({entry->d_name, false});
                }
            }
        }
    }
    // A read that fails part-way still leaves what it read: those entries are as real as any.
    return Status::Success();
}

}  // namespace quillon
