#pragma once

#include <optional>
#include <string>

#include "model/game/GameProfile.h"
#include "platform/FileSystem.h"

namespace quillon {

// Whether the folder (ending in the separator) is one whose scripts the game's console runs:
// it has the game folder's name and one of the game's marks.
bool IsGameFolder(FileSystem& files, const std::string& folder, const GameProfile& game);

// The game whose folder it is; nothing when it is no game's.
std::optional<Game> GameOfFolder(FileSystem& files, const std::string& folder);

// The files a drive search looks for: those of every game.
std::string DriveSearchPattern();

// The game folder that a file the drive search found marks: its own folder, or the game folder
// beside it in the same installation; empty when neither is a game folder.
std::string GameFolderOfMatch(FileSystem& files, const std::string& match);

}  // namespace quillon
