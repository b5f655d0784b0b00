#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace quillon {

struct SearchResult {
    std::string match;  // the full path of the last match in walk order; empty when none
    std::vector<std::string> matches;  // the full path of every match, in walk order
    bool cancelled = false;
    bool outOfHandles = false;  // some folder could not be opened for want of file handles
    int64_t foldersWalked = 0;
    int64_t filesSeen = 0;
};

// Called on the searching thread about ten times a second; returning false cancels the search.
using SearchProgressCallback =
    std::function<bool(int64_t foldersWalked, const std::string& currentFolder)>;

// Whether a match can serve to find the game: a regular file (no dangling link), whose folder can
// be remembered (the settings file holds no line break) and reached by its path, with room for
// the files written beside it. A match that cannot is passed over, and the walk goes on.
bool IsUsableMatch(FileSystem& files, const std::string& path);

// Walks `folder` (ending in the separator) and every folder below it depth first, in the order
// the file system lists them, and keeps the last entry whose name matches `pattern`. Folders
// whose names begin with a full stop are not entered; each real folder is walked once, however
// many links lead to it. Every match is kept too.
SearchResult SearchFolder(FileSystem& files, const std::string& folder, const std::string& pattern);

// The same walk from `root`, reading folders on several threads; its match is always the one
// SearchFolder finds, however deep the tree and however few files the process may open, and so
// are its matches. A cancelled search finds nothing.
SearchResult SearchDrive(FileSystem& files, const std::string& root, const std::string& pattern,
                         const SearchProgressCallback& progress = nullptr);

}  // namespace quillon
