#include "app/RecoveryFile.h"

#include <optional>

#include "app/Messages.h"
#include "model/script/ScriptGenerator.h"
#include "model/script/ScriptReader.h"

namespace quillon {
namespace {

// The file is the generated part of a script, which the reader reads back, after a line that
// names the game. Files of the time before there were other games do without that line.
constexpr const char* kHeader = "// Quillon's changes that were not exported\r\n";
constexpr const char* kGameLine = "// game: ";
constexpr const char* kLockFileName = "qmrecovery.lock";
// More windows than anybody opens at once in one working folder.
constexpr size_t kWindowsAtMost = 16;

std::string GameLine(const GameProfile& game) {
    return kGameLine + std::string(game.name) + "\r\n";
}

// The table the file keeps for the game; nothing when there is none, or one for another game.
std::optional<KeyTable> ReadFor(FileSystem& files, const std::string& path,
                                const GameProfile& game) {
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
        if (held.Ok()) {
            lock_ = std::move(held.Get());
            path_ = PathOf(slot);
            return;
        }
        if (held.Kind() != ErrorKind::Busy) {
            unclaimed_ = held.Saying("\"" + std::string(kLockFileName) + "\" could not be used (" +
                                     WhyFailed(held) + ")");
            return;
        }
    }
    windowsBefore_ = kWindowsAtMost;
}

Status RecoveryFile::Keep(const KeyTable& keys, const GameProfile& game) const {
    if (path_.empty()) {
        return unclaimed_;
    }
    return WriteFileReplacing(files_, path_, kHeader + GameLine(game) + GenerateScriptBody(keys));
}

void RecoveryFile::Discard() const {
    if (!path_.empty()) {
        (void)files_.Remove(path_);
    }
}

std::vector<LeftWork> RecoveryFile::LeftBehind(const GameProfile& game) const {
    std::vector<LeftWork> left;
    for (size_t slot = 0; slot < kWindowsAtMost; ++slot) {
        const std::string path = PathOf(slot);
        std::unique_ptr<HeldLock> lock;
        if (path != path_) {
            // Only a file that is there needs its place tried: most starts find none.
            if (!files_.Exists(path)) {
                continue;
            }
            Result<std::unique_ptr<HeldLock>> held = files_.TryLock(folder_ + kLockFileName, slot);
            // A place that cannot be held by anybody is held by no running window either.
            if (held.Kind() == ErrorKind::Busy) {
                continue;
            }
            lock = std::move(held.Get());
        }
        if (const std::optional<KeyTable> keys = ReadFor(files_, path, game)) {
            left.push_back({path, *keys, std::move(lock)});
        }
    }
    return left;
}

void RecoveryFile::Forget(const LeftWork& work) const {
    (void)files_.Remove(work.path);
}

}  // namespace quillon
