#include "model/install/FolderSearch.h"

#include <unordered_set>

#include "model/install/ParallelWalk.h"
#include "model/install/SettingsFile.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

using IdSet = std::unordered_set<FolderId, FolderIdHash>;

// Room for the names of the files written beside the data file, and their temporary names.
constexpr size_t kRoomBesideMatch = 64;

void WalkSequentially(FileSystem& files, const std::string& folder, const std::string& pattern,
                      IdSet& walked, SearchResult& result) {
    FolderListing listing;
    if (!files.ListFolder(folder, pattern, listing).Ok() || !walked.insert(listing.id).second) {
        return;
    }
    listing.open.reset();  // one open folder at a time, however deep the tree
    ++result.foldersWalked;
    result.filesSeen += listing.filesSeen;
    for (const FolderEntry& entry : listing.entries) {
        if (entry.isFolder) {
            WalkSequentially(files, folder + entry.name + kSeparator, pattern, walked, result);
        } else if (IsUsableMatch(files, folder + entry.name)) {
            result.match = folder + entry.name;
            result.matches.push_back(result.match);
        }
    }
}

}  // namespace

bool IsUsableMatch(FileSystem& files, const std::string& path) {
    const std::string folder = FolderOfFile(path);
    return folder.size() + kRoomBesideMatch <= kLongestPath && SettingsCanHold(folder) &&
           files.IsRegularFile(path);
}

SearchResult SearchFolder(FileSystem& files, const std::string& folder,
                          const std::string& pattern) {
    IdSet walked;
    SearchResult result;
    WalkSequentially(files.ForWalking(), folder, pattern, walked, result);
    return result;
}

SearchResult SearchDrive(FileSystem& files, const std::string& root, const std::string& pattern,
                         const SearchProgressCallback& progress) {
    const std::string start = EnsureTrailingSeparator(root);
    SearchResult result = WalkInParallel(files.ForWalking(), start, pattern, progress);
    if (result.outOfHandles) {
        // Some folder could not be opened for want of file handles, even after waiting: the
        // walk that holds one folder open at a time still gives the right answer.
        return SearchFolder(files, start, pattern);
    }
    return result;
}

}  // namespace quillon
