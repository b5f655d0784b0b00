#pragma once

#include <optional>
#include <string>

#include "model/game/GameProfile.h"
#include "model/keys/KeyTable.h"
#include "platform/FileSystem.h"

namespace quillon {

// The changes not exported yet, kept in the working folder while there are any, so that an
// ending nobody asked about (a crash, a power cut, a logout) loses nothing.
class RecoveryFile {
  public:
    RecoveryFile(FileSystem& files, const std::string& workingFolder)
        : files_(files), path_(workingFolder + kFileName) {}

    // Writes the table, safely. A file that cannot be written leaves the player no worse off
    // than before it existed, so nothing is said.
    void Keep(const KeyTable& keys, const GameProfile& game) const;
    void Discard() const;
    // The table a run that ended without asking left behind for the game; nothing when it left
    // none, or left one for another game.
    std::optional<KeyTable> Read(const GameProfile& game) const;

  private:
    static constexpr const char* kFileName = "qmrecovery.cfg";

    FileSystem& files_;
    std::string path_;
};

}  // namespace quillon
