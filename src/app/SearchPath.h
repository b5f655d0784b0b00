#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/GameFiles.h"
#include "model/game/GameProfile.h"
#include "model/install/VirtualStore.h"
#include "model/script/GameBindings.h"
#include "platform/FileSystem.h"

namespace quillon {

// The largest configuration of the game's that Quillon reads.
constexpr size_t kLargestConfiguration = 1024 * 1024;

// The folders the game searches for its files, the first first; the game reads each folder's
// files where it finds them (its VirtualStore copy, see GameFiles).
class SearchPath {
  public:
    SearchPath(FileSystem& files, std::vector<std::string> folders,
               const ProtectedFolders& protectedFolders)
        : files_(files), folders_(std::move(folders)), protectedFolders_(protectedFolders) {}

    const std::vector<std::string>& Folders() const { return folders_; }

    // The first folder that holds the file `name` (a path below the folder, with separators),
    // from which the game takes it; empty when none does.
    std::string FolderHolding(const std::string& name) const;

    // The files of one of the folders, where the game reads them.
    GameFiles FilesOf(const std::string& folder) const {
        return GameFiles(files_, folder, protectedFolders_);
    }

    // What the game binds at its start, as its own: the configuration it finds (for a game with
    // profiles, the profile's, or without a profile named the one beside the profiles), run by
    // the engine over the game's defaults; the defaults alone when it has none yet, and nothing
    // when it cannot be read.
    std::optional<KeyBindings> KnownBindings(const GameProfile& game, Engine engine) const;
    // The same, with no key bound when it cannot be read.
    KeyBindings Bindings(const GameProfile& game, Engine engine) const {
        return KnownBindings(game, engine).value_or(KeyBindings());
    }

  private:
    FileSystem& files_;
    std::vector<std::string> folders_;
    ProtectedFolders protectedFolders_;
};

}  // namespace quillon
