#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/voice/EngineRules.h"
#include "model/voice/ZipArchive.h"
#include "platform/FileSystem.h"

namespace quillon {

// Whether pk3 `a` sorts before `b` as the games sort a folder's pk3s: byte by byte with
// "a".."z" as "A".."Z", "\" and ":" as "/", bytes above 127 below all others; with the first
// game's names, "mp_" as "zz_".
bool PakSortsBefore(const std::string& a, const std::string& b, bool multiplayerPakNames);

// The files of an installation as its engine finds them: the folders of its search order, first
// first, each with its pk3 archives (the one sorting last first) and, where the engine reads
// them, its loose files. Only the archives' directories are held.
class GameData {
  public:
    GameData() = default;
    static GameData Index(FileSystem& files, const std::vector<std::string>& folders,
                          const EngineRules& rules);

    // The bytes of the file `name` ("sound/chat/axis/11a.wav") from the first place that has
    // it, at most `limit` of them; Missing when no place has it. A file that is found but cannot
    // be read hides the copies behind it, as in the games.
    Result<std::string> Read(const std::string& name, size_t limit) const;

    // Archives that could not be indexed, each with why.
    const std::vector<std::string>& Unreadable() const { return unreadable_; }
    size_t ArchiveCount() const;
    size_t EntryCount() const;

  private:
    struct Source {
        std::string path;                             // a folder, or an archive
        std::shared_ptr<const ZipDirectory> archive;  // none for a folder's loose files
    };
    FileSystem* files_ = nullptr;
    std::vector<Source> sources_;
    std::vector<std::string> unreadable_;
};

}  // namespace quillon
