#include "model/install/ParallelWalk.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <vector>

#include "platform/FileSystem.h"

namespace quillon {
namespace {

// The walk has two phases. First, threads list every real folder once, in whatever order they
// get to it, and keep each listing under the folder's id; a listing is the same whichever path
// reached the folder. Then one thread replays the depth-first walk over those listings in
// memory, marking folders walked in walk order exactly as the sequential walk does, so that the
// matches, and the paths they are reached by, are the sequential walk's.

constexpr std::chrono::milliseconds kReportInterval{100};
constexpr size_t kShards = 64;

struct ListedFolder {
    std::vector<FolderEntry> entries;
    // Per entry: the listing of that subfolder, set by the thread that opened it; nullptr where
    // it could not be listed. Two entries may lead to one listing.
    std::vector<ListedFolder*> children;
    bool walked = false;  // by the replay
};

// A listed folder kept open while any of its subfolders waits to be listed, so that they can be
// opened relative to it. Only so many are kept at once: a deep tree would otherwise hold a
// folder open per level and run out of file handles.
class KeptOpen {
  public:
    KeptOpen(std::shared_ptr<OpenFolder> folder, std::atomic<size_t>& count)
        : folder_(std::move(folder)), count_(count) {}
    ~KeptOpen() { --count_; }
    KeptOpen(const KeptOpen&) = delete;
    KeptOpen& operator=(const KeptOpen&) = delete;

    const OpenFolder* Get() const { return folder_.get(); }

  private:
    std::shared_ptr<OpenFolder> folder_;
    std::atomic<size_t>& count_;
};

struct Task {
    std::string path;
    ListedFolder* parent;  // nullptr for the root
    size_t entry;
    std::shared_ptr<KeptOpen> openParent;  // nullptr: the folder is opened by its path
};

// How long a listing that ran out of file handles is tried again, by path, before the walk
// gives up on itself.
constexpr int kHandleRetries = 200;
constexpr std::chrono::milliseconds kHandleRetryPause{5};

using Clock = std::chrono::steady_clock;

class Walk {
  public:
    Walk(FileSystem& files, const std::string& pattern, const SearchProgressCallback& progress)
        : fileSystem_(files), pattern_(pattern), progress_(progress) {}

    SearchResult Run(const std::string& root) {
        shared_.push_back({root, nullptr, 0, nullptr});
        pending_ = 1;
        const unsigned threadCount = std::clamp(std::thread::hardware_concurrency(), 1U, 8U);
        std::vector<std::thread> helpers;
        for (unsigned i = 1; i < threadCount; ++i) {
            try {
                helpers.emplace_back([this] { Work(false); });
            } catch (const std::system_error&) {
                break;  // fewer threads only make the walk slower
            }
        }
        Work(true);
        for (std::thread& helper : helpers) {
            helper.join();
        }

        SearchResult result;
        result.foldersWalked = folders_;
        result.filesSeen = filesSeen_;
        result.cancelled = cancelled_;
        result.outOfHandles = outOfHandles_;
        if (!cancelled_ && !outOfHandles_ && root_ != nullptr) {
            result.matches = Replay(root);
            result.match = result.matches.empty() ? std::string() : result.matches.back();
        }
        return result;
    }

  private:
    struct Shard {
        std::mutex mutex;
        std::unordered_map<FolderId, std::unique_ptr<ListedFolder>, FolderIdHash> folders;
    };

    // Runs on every thread; the calling thread also reports progress, since the callback
    // belongs to it.
    void Work(bool reportsProgress) {
        std::vector<Task> local;
        Clock::time_point lastReport = Clock::now() - kReportInterval;
        std::string current;
        while (!cancelled_) {
            if (reportsProgress && Clock::now() - lastReport >= kReportInterval) {
                lastReport = Clock::now();
                if (progress_ && !progress_(folders_, current)) {
                    Cancel();
                    break;
                }
            }
            if (local.empty() && !TakeShared(local)) {
                if (pending_ == 0) {
                    break;
                }
                continue;
            }
            Task task = std::move(local.back());
            local.pop_back();
            current = task.path;
            List(task, local);
            ShareIfOthersWait(local);
            if (--pending_ == 0) {
                std::lock_guard<std::mutex> lock(sharedMutex_);
                wake_.notify_all();
            }
        }
    }

    // Waits a little for shared work; false when there is none yet.
    bool TakeShared(std::vector<Task>& local) {
        std::unique_lock<std::mutex> lock(sharedMutex_);
        if (shared_.empty() && pending_ > 0 && !cancelled_) {
            ++idle_;
            wake_.wait_for(lock, kReportInterval / 2);
            --idle_;
        }
        if (shared_.empty()) {
            return false;
        }
        local.push_back(std::move(shared_.back()));
        shared_.pop_back();
        return true;
    }

    // Hands the oldest local task, the one nearest the root and so likely the largest, to a
    // thread that has nothing to do.
    void ShareIfOthersWait(std::vector<Task>& local) {
        if (idle_ == 0 || local.size() < 2) {
            return;
        }
        std::lock_guard<std::mutex> lock(sharedMutex_);
        shared_.push_back(std::move(local.front()));
        local.erase(local.begin());
        wake_.notify_one();
    }

    void Cancel() {
        std::lock_guard<std::mutex> lock(sharedMutex_);
        cancelled_ = true;
        wake_.notify_all();
    }

    // Lists the task's folder; when the process runs out of file handles, lets go of the parent
    // and tries again by path for a while.
    Status ListTask(Task& task, FolderListing& listing) {
        const std::string& name = task.parent ? task.parent->entries[task.entry].name : task.path;
        const OpenFolder* parent = task.openParent ? task.openParent->Get() : nullptr;
        Status listed = fileSystem_.ListFolder(task.path, pattern_, listing, parent, name);
        for (int retry = 0;
             listed.Kind() == ErrorKind::OutOfHandles && retry < kHandleRetries && !cancelled_;
             ++retry) {
            task.openParent.reset();
            std::this_thread::sleep_for(kHandleRetryPause);
            listed = fileSystem_.ListFolder(task.path, pattern_, listing);
        }
        return listed;
    }

    // Keeps a listed folder open for its subfolders while the budget allows.
    std::shared_ptr<KeptOpen> KeepOpen(std::shared_ptr<OpenFolder> folder) {
        if (!folder || ++keptOpen_ > keptOpenAtMost_) {
            if (folder) {
                --keptOpen_;
            }
            return nullptr;
        }
        return std::make_shared<KeptOpen>(std::move(folder), keptOpen_);
    }

    void List(Task& task, std::vector<Task>& local) {
        FolderListing listing;
        const Status listed = ListTask(task, listing);
        if (listed.Kind() == ErrorKind::OutOfHandles) {
            outOfHandles_ = true;
            Cancel();
            return;
        }
        if (!listed.Ok()) {
            return;
        }
        Shard& shard = shards_[FolderIdHash()(listing.id) % kShards];
        ListedFolder* folder = nullptr;
        bool isNew = false;
        {
            std::lock_guard<std::mutex> lock(shard.mutex);
            std::unique_ptr<ListedFolder>& place = shard.folders[listing.id];
            isNew = place == nullptr;
            if (isNew) {
                place = std::make_unique<ListedFolder>();
            }
            folder = place.get();
        }
        (task.parent != nullptr ? task.parent->children[task.entry] : root_) = folder;
        if (!isNew) {
            return;  // reached before through another link
        }
        ++folders_;
        filesSeen_ += listing.filesSeen;
        folder->entries = std::move(listing.entries);
        folder->children.resize(folder->entries.size());
        const bool hasSubfolders =
            std::any_of(folder->entries.begin(), folder->entries.end(),
                        [](const FolderEntry& entry) { return entry.isFolder; });
        const std::shared_ptr<KeptOpen> open =
            hasSubfolders ? KeepOpen(std::move(listing.open)) : nullptr;
        listing.open.reset();  // closed now unless kept
        // Pushed in reverse so that a thread alone lists them in listing order.
        for (size_t i = folder->entries.size(); i-- > 0;) {
            if (folder->entries[i].isFolder) {
                local.push_back(
                    {task.path + folder->entries[i].name + kSeparator, folder, i, open});
                ++pending_;
            }
        }
    }

    std::vector<std::string> Replay(const std::string& root) {
        struct Frame {
            ListedFolder* folder;
            size_t next;
            size_t pathLength;
        };
        std::vector<std::string> matches;
        std::string path = root;
        root_->walked = true;
        std::vector<Frame> stack{{root_, 0, path.size()}};
        while (!stack.empty()) {
            Frame& frame = stack.back();
            if (frame.next == frame.folder->entries.size()) {
                stack.pop_back();
                if (!stack.empty()) {
                    path.resize(stack.back().pathLength);
                }
                continue;
            }
            const size_t i = frame.next++;
            const FolderEntry& entry = frame.folder->entries[i];
            ListedFolder* child = frame.folder->children[i];
            if (!entry.isFolder) {
                if (IsUsableMatch(fileSystem_, path + entry.name)) {
                    matches.push_back(path + entry.name);
                }
            } else if (child != nullptr && !child->walked) {
                child->walked = true;
                path += entry.name;
                path += kSeparator;
                stack.push_back({child, 0, path.size()});
            }
        }
        return matches;
    }

    FileSystem& fileSystem_;
    const std::string& pattern_;
    const SearchProgressCallback& progress_;

    std::mutex sharedMutex_;
    std::condition_variable wake_;
    std::vector<Task> shared_;
    std::atomic<int> idle_{0};
    std::atomic<int64_t> pending_{0};  // tasks queued anywhere or being listed
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> outOfHandles_{false};
    std::atomic<size_t> keptOpen_{0};
    const size_t keptOpenAtMost_ = fileSystem_.FoldersKeptOpenAtMost();

    std::array<Shard, kShards> shards_;
    ListedFolder* root_ = nullptr;  // set by whichever thread lists the root, read after joining
    std::atomic<int64_t> folders_{0};
    std::atomic<int64_t> filesSeen_{0};
};

}  // namespace

SearchResult WalkInParallel(FileSystem& files, const std::string& root, const std::string& pattern,
                            const SearchProgressCallback& progress) {
    return Walk(files, pattern, progress).Run(root);
}

}  // namespace quillon
