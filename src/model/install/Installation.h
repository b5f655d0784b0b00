#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/game/GameProfile.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"

namespace quillon {

// A folder the game's engine searches for its files: one the engine keeps for the user (its
// home path), or one of an installation.
struct SearchedFolder {
    std::string folder;  // ending in the separator; it need not exist
    bool userFolder;
    bool operator==(const SearchedFolder& other) const {
        return folder == other.folder && userFolder == other.userFolder;
    }
};

// Where the user's folders of the games are on this machine, as the installations' folders
// depend on it.
struct UserPlaces {
    bool windows = false;  // Quillon runs on Windows: every game is the Windows game
    // Below which the games make their user folders: the home folder on Linux, Documents on
    // Windows; empty when there is none.
    std::string userRoot;
    // The user's name, which names the user's folder in a Wine prefix (drive_c/users/<name>);
    // off Windows only.
    std::string userName;
};

UserPlaces UserPlacesOf(const Environment& environment);

// What an installation is, worked out once from the folder chosen (a game folder of an
// installation, or a user folder): everything Quillon reads or writes for the game follows
// from it.
struct Installation {
    Game game = Game::ReturnToCastleWolfenstein;
    Engine engine = Engine::Original;
    std::string gameFolder;  // the folder chosen, ending in the separator
    // The installation's own folder, where the chosen folder is one of its game folders; empty
    // for a user folder.
    std::string root;
    // The Wine prefix it lives in (the folder that holds drive_c), ending in the separator;
    // empty when the game runs natively.
    std::string winePrefix;
    bool windowsGame = false;  // the Windows game: on Windows, or under Wine
    // Where the game looks for the player's scripts: the game folder, or for an installation
    // whose game reads them from a user folder, that folder (it may not exist yet).
    std::string scriptFolder;
    // Set when the game reads the scripts from a user folder that cannot be told (a Wine
    // prefix without a Documents folder): the game folder serves then.
    bool userFolderUnknown = false;
    // The folders the engine searches, the first first; the script folder is among them.
    std::vector<SearchedFolder> searchOrder;

    std::vector<std::string> SearchedFolders() const;
};

// The game folders of the installations whose game reads the player's files from a user
// folder of the game's; asked only for a user folder chosen.
using InstallationsReading =
    std::function<std::vector<std::string>(const GameProfile& game, const std::string& userFolder)>;

// The installation of the folder. An engine with a home path searches it before its
// installation, and an engine with a game folder of its own (ET: Legacy's "legacy") searches
// that before the folder of the data; a user folder is searched with the installations whose
// game reads it. Under a Wine prefix the user folders are those in the prefix's Documents.
Installation InstallationOf(FileSystem& files, const std::string& folder, const UserPlaces& places,
                            const InstallationsReading& installationsReading = {});

// The Wine prefix that holds the path (below its drive_c, or one of its dosdevices), ending in
// the separator; empty when none does.
std::string WinePrefixOf(const std::string& path);

// The Documents folder of the user in a Wine prefix, ending in the separator; empty when the
// prefix has none.
std::string WineDocumentsOf(FileSystem& files, const std::string& prefix,
                            const std::string& userName);

}  // namespace quillon
