#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Status.h"

#ifndef _WIN32
#include <sys/types.h>
#endif

namespace quillon {

// Identifies a real folder however it is reached: device and inode; on Windows the volume's
// serial number and the 128-bit file id, which is unique on ReFS too.
struct FolderId {
    uint64_t device = 0;
    uint64_t file = 0;
    uint64_t fileHigh = 0;  // the upper half of a 128-bit file id

    bool operator==(const FolderId& other) const {
        return device == other.device && file == other.file && fileHigh == other.fileHigh;
    }
};

struct FolderIdHash {
    size_t operator()(const FolderId& id) const {
        return static_cast<size_t>(
            (id.file ^ id.fileHigh * 0xC2B2AE3D27D4EB4FULL) * 0x9E3779B97F4A7C15ULL ^ id.device);
    }
};

struct FolderEntry {
    std::string name;
    bool isFolder;
};

// A folder kept open after listing, so that its subfolders can be opened relative to it without
// the system walking the whole path again. Where the platform has no such thing it is empty.
struct OpenFolder;

struct FolderListing {
    FolderId id;
    std::shared_ptr<OpenFolder> open;  // the listed folder, still open where the platform can
    // In the file system's order: the subfolders to walk (those whose names do not begin with a
    // full stop) and the other entries whose names match the pattern.
    std::vector<FolderEntry> entries;
    int64_t filesSeen = 0;
};

// Lists `folder` (ending in the separator). Linked folders count as folders. When `parent` is
// given, `folder` is its subfolder `name`, opened relative to it. A folder that cannot be listed
// (no such folder, no access, a name the platform refuses) fails with the system's error; a
// process that may open no more files just now fails as OutOfHandles.
Status ListFolder(const std::string& folder, const std::string& pattern, FolderListing& listing,
                  const OpenFolder* parent = nullptr, const std::string& name = {});

#ifndef _WIN32
// Reads the next entries of an open folder as getdents64 does: the bytes read, 0 at the end, -1
// on failure. ListFolder uses the system call; tests pass one that fails part-way.
using EntryReader = ssize_t (*)(int fd, void* buffer, size_t size);
Status ListFolderReading(EntryReader read, const std::string& folder, const std::string& pattern,
                         FolderListing& listing, const OpenFolder* parent = nullptr,
                         const std::string& name = {});
#endif

// How many times a folder was opened for listing, in this process so far.
int64_t FolderOpenCount();

// How many listed folders a walk may keep open at once, for opening their subfolders relative to
// them: a share of the files the process may open.
size_t FoldersKeptOpenAtMost();

// True when `name` matches `pattern`, or one of several separated by ";", by the platform's
// file-name wildcard rules, letter case ignored.
bool NameMatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace quillon
