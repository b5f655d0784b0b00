#include "install/FolderSearch.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "install/FolderListing.h"
#include "install/PathText.h"
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

// The parallel walk has two phases. First, threads list every real folder once, in whatever
// order they get to it, and keep each listing under the folder's id; a listing is the same
// whichever path reached the folder. Then one thread replays the depth-first walk over those
// listings in memory, marking folders walked in walk order exactly as SearchFolder does, so the
// last match and the path it is reached by are SearchFolder's.
struct ListedFolder {
    std::vector<FolderEntry> entries;
    std::vector<FolderId> childIds;  // per entry; set when that subfolder has been opened
    std::vector<bool> childListed;
};

struct Task {
    std::string path;
    ListedFolder* parent;  // nullptr for the root
    size_t entry;
};

class ParallelWalk {
public:
    ParallelWalk(std::string pattern, const SearchProgressCallback& progress)
        : pattern_(std::move(pattern)), progress_(progress) {}

    SearchResult Run(const std::string& root) {
        tasks_.push_back({root, nullptr, 0});
        pending_ = 1;
        const unsigned helpers = std::min(std::max(std::thread::hardware_concurrency(), 1U), 8U) - 1;
        std::vector<std::thread> threads;
        for (unsigned i = 0; i < helpers; ++i) {
            try {
                threads.emplace_back([this] { Work(false); });
            } catch (const std::system_error&) {
                break;  // fewer threads only make the walk slower
            }
        }
        Work(true);
        for (std::thread& thread : threads) {
            thread.join();
        }

        SearchResult result;
        result.foldersWalked = folders_;
        result.filesSeen = files_;
        result.cancelled = cancelled_;
        if (!cancelled_ && rootListed_) {
            result.match = Replay(root);
        }
        return result;
    }

private:
    void Work(bool reportsProgress) {
        auto lastReport = std::chrono::steady_clock::now();
        std::unique_lock<std::mutex> lock(mutex_);
        while (true) {
            if (reportsProgress) {
                const auto now = std::chrono::steady_clock::now();
                if (progress_ && now - lastReport >= std::chrono::milliseconds(100)) {
                    lastReport = now;
                    const int64_t walked = folders_;
                    const std::string current = currentFolder_;
                    lock.unlock();
                    const bool goOn = progress_(walked, current);
                    lock.lock();
                    if (!goOn) {
                        cancelled_ = true;
                        wake_.notify_all();
                    }
                }
            }
            if (cancelled_ || pending_ == 0) {
                return;
            }
            if (tasks_.empty()) {
                wake_.wait_for(lock, std::chrono::milliseconds(50));
                continue;
            }
            Task task = std::move(tasks_.back());
            tasks_.pop_back();
            currentFolder_ = task.path;
            lock.unlock();

            auto listing = std::make_unique<FolderListing>();
            const bool listed = ListFolder(task.path, pattern_, *listing);

            lock.lock();
            if (listed) {
                Record(task, std::move(listing));
            }
            if (--pending_ == 0) {
                wake_.notify_all();
            }
        }
    }

    // Called with the lock held.
    void Record(const Task& task, std::unique_ptr<FolderListing> listing) {
        if (task.parent == nullptr) {
            rootId_ = listing->id;
            rootListed_ = true;
        } else {
            task.parent->childIds[task.entry] = listing->id;
            task.parent->childListed[task.entry] = true;
        }
        auto [place, isNew] = foldersById_.try_emplace(listing->id);
        if (!isNew) {
            return;
        }
        ++folders_;
        files_ += listing->filesSeen;
        place->second = std::make_unique<ListedFolder>();
        ListedFolder& folder = *place->second;
        folder.entries = std::move(listing->entries);
        folder.childIds.resize(folder.entries.size());
        folder.childListed.resize(folder.entries.size());
        // Pushed in reverse so that a thread alone pops them in listing order.
        for (size_t i = folder.entries.size(); i-- > 0;) {
            if (folder.entries[i].isFolder) {
                tasks_.push_back({task.path + folder.entries[i].name + kSeparator, &folder, i});
                ++pending_;
            }
        }
        wake_.notify_all();
    }

    std::string Replay(const std::string& root) const {
        struct Frame {
            const ListedFolder* folder;
            std::string path;
            size_t next;
        };
        std::string match;
        IdSet walked{rootId_};
        std::vector<Frame> stack{{foldersById_.at(rootId_).get(), root, 0}};
        while (!stack.empty()) {
            Frame& frame = stack.back();
            if (frame.next == frame.folder->entries.size()) {
                stack.pop_back();
                continue;
            }
            const size_t i = frame.next++;
            const FolderEntry& entry = frame.folder->entries[i];
            if (!entry.isFolder) {
                match = frame.path + entry.name;
            } else if (frame.folder->childListed[i] &&
                       walked.insert(frame.folder->childIds[i]).second) {
                const ListedFolder* child = foldersById_.at(frame.folder->childIds[i]).get();
                stack.push_back({child, frame.path + entry.name + kSeparator, 0});
            }
        }
        return match;
    }

    const std::string pattern_;
    const SearchProgressCallback& progress_;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<Task> tasks_;
    int64_t pending_ = 0;  // tasks queued or being listed
    bool cancelled_ = false;
    std::string currentFolder_;
    std::unordered_map<FolderId, std::unique_ptr<ListedFolder>, FolderIdHash> foldersById_;
    FolderId rootId_;
    bool rootListed_ = false;
    int64_t folders_ = 0;
    int64_t files_ = 0;
};

}  // namespace

SearchResult SearchFolder(const std::string& folder, const std::string& pattern) {
    IdSet walked;
    SearchResult result;
    WalkSequentially(folder, pattern, walked, result);
    return result;
}

SearchResult SearchDrive(const std::string& root, const std::string& pattern,
                         const SearchProgressCallback& progress) {
    return ParallelWalk(pattern, progress).Run(EnsureTrailingBackslash(root));
}

}  // namespace quillon
