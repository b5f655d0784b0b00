#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/game/GameProfile.h"
#include "model/keys/KeyTable.h"
#include "platform/FileSystem.h"

namespace quillon {

// Changes that a window no longer running left behind, held while they are offered so that no
// other window starting at the same moment offers them too.
struct LeftWork {
    std::string path;
    KeyTable keys;
    std::string folder;  // the folder the script went to; empty in files from before it was kept
    std::unique_ptr<HeldLock> lock;  // none where the lock file cannot be used at all
};

// The changes not exported yet of one window, kept in the working folder while there are any,
// so that an ending nobody asked about (a crash, a power cut, a logout) loses nothing. Each
// window has a file of its own, claimed through a place of a lock file that it holds while it
// runs: a file whose place nobody holds is the work of a window that has ended, and waits for a
// window of its game folder; no other window writes over it.
class RecoveryFile {
  public:
    explicit RecoveryFile(FileSystem& files) : files_(files) {}

    // Claims the first file of the working folder (a folder text ending in the separator) that
    // no running window holds and no ended window left.
    void Claim(const std::string& workingFolder);
    // Writes the table, and the game and the folder the script goes to, to the window's own
    // file, safely; a failure says why.
    Status Keep(const KeyTable& keys, const GameProfile& game, const std::string& folder) const;
    // Removes the window's own file; those of other windows stay.
    void Discard() const;
    // What windows that have ended left for the game folder `folder` of the game. Files of
    // another game or folder are left to its windows.
    std::vector<LeftWork> LeftBehind(const GameProfile& game, const std::string& folder) const;
    void Forget(const LeftWork& work) const;
    // How many windows of the working folder were running when this one claimed its file.
    size_t WindowsBefore() const { return windowsBefore_; }

  private:
    std::string PathOf(size_t slot) const;

    FileSystem& files_;
    std::string folder_;
    std::string path_;  // the window's own file; empty when none could be claimed
    std::unique_ptr<HeldLock> lock_;
    Status unclaimed_;  // why none could be claimed
    size_t windowsBefore_ = 0;
};

}  // namespace quillon
