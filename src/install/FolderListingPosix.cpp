#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <strings.h>
#include <sys/stat.h>

#include <cstring>

#include "install/FolderListing.h"

namespace quillon {
namespace {

bool HasWildcard(const std::string& pattern) {
    return pattern.find_first_of("*?[\\") != std::string::npos;
}

// Without wildcards, the wildcard match ignoring case is a plain comparison ignoring case; the
// walk compares every file name, so this shortcut matters.
bool Matches(const char* name, const std::string& pattern, bool wildcard) {
    if (!wildcard) {
        return strcasecmp(name, pattern.c_str()) == 0;
    }
    return fnmatch(pattern.c_str(), name, FNM_CASEFOLD) == 0;
}

bool IsFolderEntry(int folderFd, const dirent& entry) {
    if (entry.d_type == DT_DIR) {
        return true;
    }
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) {
        return false;
    }
    // Links are followed: a linked folder is walked like any other.
    struct stat target {};
    return fstatat(folderFd, entry.d_name, &target, 0) == 0 && S_ISDIR(target.st_mode);
}

}  // namespace

bool NameMatchesPattern(const std::string& name, const std::string& pattern) {
    return Matches(name.c_str(), pattern, HasWildcard(pattern));
}

bool ListFolder(const std::string& folder, const std::string& pattern, FolderListing& listing) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return false;
    }
    const int fd = dirfd(dir);
    struct stat self {};
    if (fstat(fd, &self) != 0) {
        closedir(dir);
        return false;
    }
    listing.id = {static_cast<uint64_t>(self.st_dev), static_cast<uint64_t>(self.st_ino)};
    listing.entries.clear();
    listing.filesSeen = 0;

    const bool wildcard = HasWildcard(pattern);
    while (const dirent* entry = readdir(dir)) {
        if (IsFolderEntry(fd, *entry)) {
            if (entry->d_name[0] != '.') {
                listing.entries.push_back({entry->d_name, true});
            }
        } else {
            ++listing.filesSeen;
            if (Matches(entry->d_name, pattern, wildcard)) {
                listing.entries.push_back({entry->d_name, false});
            }
        }
    }
    closedir(dir);
    return true;
}

}  // namespace quillon
