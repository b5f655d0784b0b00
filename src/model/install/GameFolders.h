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

// The folder where the game looks for the player's scripts when it runs from its game folder:
// the folder itself, or for an installation whose game reads them from a user folder, that
// folder below `userRoot` (the home folder, or Documents; it may not exist yet).
std::string ScriptFolderOf(FileSystem& files, const std::string& folder, const GameProfile& game,
                           const std::string& userRoot);

// Whether the folder is one the game makes for each user (known by its parent's name).
bool IsUserFolderOf(FileSystem& files, const std::string& folder, const GameProfile& game);

// The folders the game searches for a file, the first first, when the player's files are in
// `folder`: an engine with a home path searches it before its installation, and an engine with a
// game folder of its own (ET: Legacy's "legacy") searches that before the folder of the data.
// `installations` are the game folders of the installations whose game reads the player's files
// from `folder`. Folders in the order need not exist; each ends in the separator.
std::vector<std::string> SearchOrderOf(FileSystem& files, const std::string& folder,
                                       const GameProfile& game, const std::string& userRoot,
                                       const std::vector<std::string>& installations);

// The files a drive search looks for: those of every game.
std::string DriveSearchPattern();

// The game folder that a file the drive search found marks: its own folder, or the game folder
// beside it in the same installation; empty when neither is a game folder.
std::string GameFolderOfMatch(FileSystem& files, const std::string& match);

}  // namespace quillon
