#pragma once

#include <functional>
#include <string>

#include "model/install/VirtualStore.h"
#include "platform/FileSystem.h"

namespace quillon {

// The files of a game folder that the game reads (the script, autoexec.cfg), where it reads them.
class GameFiles {
  public:
    GameFiles(FileSystem& files, const std::string& gameFolder,
              const ProtectedFolders& protectedFolders)
        : files_(files),
          gameFolder_(gameFolder),
          copy_(VirtualStoreCopy(gameFolder, protectedFolders)) {}

    // The folder from which the game reads its file `name`: the game folder's VirtualStore copy
    // when that holds the file, else the game folder.
    std::string FolderOf(const std::string& name) const;

    // Writes the file `name` with `write(folder)` in the folder the game reads it from; when
    // Windows refuses that for want of rights below Program Files, in the game folder's
    // VirtualStore copy, made as needed. `storedIn` names that copy when it was used.
    Status Write(const std::string& name, const std::function<Status(const std::string&)>& write,
                 std::string& storedIn) const;

  private:
    FileSystem& files_;
    std::string gameFolder_;
    std::string copy_;  // the VirtualStore copy; empty where Windows keeps none
};

}  // namespace quillon
