#include "app/RecoveryFile.h"

#include <optional>

#include "app/Messages.h"
#include "model/script/ScriptGenerator.h"
#include "model/script/ScriptReader.h"

namespace quillon {
namespace {

// The file is the generated part of a script, which the reader reads back, after lines that
// name the game and the folder the script goes to. Files of the time before there were other
// games do without the first, those of the time before the folder was kept without the second.
constexpr const char* kHeader = "// Quillon's changes that were not exported\r\n";
constexpr const char* kGameLine = "// game: ";
constexpr const char* kFolderLine = "// folder: ";
constexpr const char* kLockFileName = "qmrecovery.lock";
// More windows than anybody opens at once in one working folder.
constexpr size_t kWindowsAtMost = 16;

std::string GameLine(const GameProfile& game) {
    return kGameLine + std::string(game.name) + "\r\n";
}

// The folder a file names; empty when it names none.
std::string FolderNamed(const std::string& content) {
    const size_t named = content.find(kFolderLine);
    if (named == std::string::npos) {
        return {};
    }
    const size_t start = named + std::string(kFolderLine).size();
    return content.substr(start, content.find_first_of("\r\n", start) - start);
}

// The table the file keeps for the game; nothing when there is none, or one for another game.
std::optional<KeyTable> ReadFor(FileSystem& files, const std::string& path, const GameProfile& game,
                                std::string& folder) {
    const Result<std::string> read = files.ReadRegularFile(path, kLargestScript);
    if (!read.Ok()) {
        return std::nullopt;
    }
    const std::string& content = read.Get();
    const size_t named = content.find(kGameLine);
    const bool forThisGame =
        named == std::string::npos
            ? game.game == Game::ReturnToCastleWolfenstein
            : content.compare(named, GameLine(game).size(), GameLine(game)) == 0;
    if (!forThisGame) {
        return std::nullopt;
    }
    folder = FolderNamed(content);
    return ReadScriptAssignments(game, content).table;
}

}  // namespace

std::string RecoveryFile::PathOf(size_t slot) const {
    // The first window's file keeps the name it had when there was only one.
    return folder_ +
           (slot == 0 ? "qmrecovery.cfg" : "qmrecovery-" + std::to_string(slot + 1) + ".cfg");
}

void RecoveryFile::Claim(const std::string& workingFolder) {
    folder_ = workingFolder;
    unclaimed_ = Status::Failure(ErrorKind::Busy, "all of its " + std::to_string(kWindowsAtMost) +
                                                      " places are taken by windows");
    for (size_t slot = 0; slot < kWindowsAtMost; ++slot) {
        windowsBefore_ = slot;  // each place before it held by a window
        Result<std::unique_ptr<HeldLock>> held = files_.TryLock(folder_ + kLockFileName, slot);
        // A file nobody holds is an ended window's, which waits for a window of its folder.
        if (held.Ok() && !files_.Exists(PathOf(slot))) {
            lock_ = std::move(held.Get());
            path_ = PathOf(slot);
            return;
        }
        if (held.Ok()) {
            continue;
        }
        if (held.Kind() != ErrorKind::Busy) {
            unclaimed_ = held.Saying("\"" + std::string(kLockFileName) + "\" could not be used (" +
                                     WhyFailed(held) + ")");
            return;
        }
    }
    windowsBefore_ = kWindowsAtMost;
}

Status RecoveryFile::Keep(const KeyTable& keys, const GameProfile& game,
                          const std::string& folder) const {
    if (path_.empty()) {
        return unclaimed_;
    }
    return WriteFileReplacing(
        files_, path_,
        kHeader + GameLine(game) + kFolderLine + folder + "\r\n" + GenerateScriptBody(keys));
}

void RecoveryFile::Discard() const {
    if (!path_.empty()) {
        (void)files_.Remove(path_);
    }
}

std::vector<LeftWork> RecoveryFile::LeftBehind(const GameProfile& game,
                                               const std::string& folder) const {
    std::vector<LeftWork> left;
    for (size_t slot = 0; slot < kWindowsAtMost; ++slot) {
        const std::string path = PathOf(slot);
        // Only a file that is there needs its place tried: most starts find none.
        if (path == path_ || !files_.Exists(path)) {
            continue;
        }
        Result<std::unique_ptr<HeldLock>> held = files_.TryLock(folder_ + kLockFileName, slot);
        // A place that cannot be held by anybody is held by no running window either.
        if (held.Kind() == ErrorKind::Busy) {
            continue;
        }
        std::string named;
        if (const std::optional<KeyTable> keys = ReadFor(files_, path, game, named);
            keys && (named.empty() || named == folder)) {
            left.push_back({path, *keys, named, std::move(held.Get())});
        }
    }
    return left;
}

void RecoveryFile::Forget(const LeftWork& work) const {
    (void)files_.Remove(work.path);
}

}  // namespace quillon
