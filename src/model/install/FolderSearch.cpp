#include "model/install/FolderSearch.h"

#include <unordered_set>

#include "platform/FolderListing.h"
#include "model/install/ParallelWalk.h"
#include "platform/PathText.h"
#include "platform/Files.h"

namespace quillon {
namespace {

using IdSet = std::unordered_set<FolderId, FolderIdHash>;

void WalkSequentially(const std::string& folder, const std::string& pattern, IdSet& walked,
                      SearchResult& result) {
    FolderListing listing;
    if (!ListFolder(folder, pattern, listing) || !walked.insert(listing.id).second) {
        return;
    }
    listing.open.reset();  // one open folder at a time, however deep the tree
    ++result.foldersWalked;
    result.filesSeen += listing.filesSeen;
    for (const FolderEntry& entry : listing.entries) {
        if (entry.isFolder) {
            WalkSequentially(folder + entry.name + kSeparator, pattern, walked, result);
        } else {
            result.match = folder + entry.name;
        }
    }
}

}  // namespace

SearchResult SearchFolder(const std::string& folder, const std::string& pattern) {
    IdSet walked;
    SearchResult result;
    WalkSequentially(folder, pattern, walked, result);
    return result;
}

SearchResult SearchDrive(const std::string& root, const std::string& pattern,
                         const SearchProgressCallback& progress) {
    return WalkInParallel(EnsureTrailingBackslash(root), pattern, progress);
}

}  // namespace quillon
