#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/game/GameProfile.h"
#include "platform/FileSystem.h"

namespace quillon {

// Whether the folder (ending in the separator) is one whose scripts the game's console runs:
// it has the game folder's name and one of the game's marks.
bool IsGameFolder(FileSystem& files, const std::string& folder, const GameProfile& game);

// The game whose folder it is, decided by the folder's name before its marks; nothing when it
// is no game's.
std::optional<Game> GameOfFolder(FileSystem& files, const std::string& folder);

// Whether the game run from its game folder shows a text of the player's own with a voice
// message: the folder has a mark of ET: Legacy's.
bool ShowsMessageTexts(FileSystem& files, const std::string& folder, const GameProfile& game);

// The engine that runs the scripts of the game's folder.
Engine EngineOfFolder(FileSystem& files, const std::string& folder, const GameProfile& game);

// The game's name as the player knows the folder's: "ET: Legacy" for ET: Legacy's folders.
std::string GameNameOfFolder(FileSystem& files, const std::string& folder, const GameProfile& game);

// The folders the game makes for each user, below the home folder on Linux and below Documents
// on Windows.
const std::vector<const char*>& UserFolders(const GameProfile& game);

// The mark of the game's that the folder bears, another engine's before the original's; nothing
// when it bears none.
const FolderMark* MarkOfFolder(FileSystem& files, const std::string& folder,
                               const GameProfile& game);

// The files a drive search looks for: those of every game.
std::string DriveSearchPattern();

// The game folder that a file the drive search found marks: its own folder, or the game folder
// beside it in the same installation; empty when neither is a game folder.
std::string GameFolderOfMatch(FileSystem& files, const std::string& match);

// The game folders that the drive search's matches mark, each once: the first game's first, and
// each game's in the order they were found.
std::vector<std::string> GameFoldersOfMatches(FileSystem& files,
                                              const std::vector<std::string>& matches);

}  // namespace quillon
