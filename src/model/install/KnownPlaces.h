#pragma once

#include <string>
#include <vector>

#include "model/game/GameProfile.h"
#include "model/install/Installation.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"

namespace quillon {

// Where the games' stores and installers put them on this machine.
struct KnownPlaces {
    std::vector<std::string> steamRoots;      // Steam's own folders, which hold steamapps
    std::vector<std::string> installFolders;  // installation folders an installer named
    std::vector<std::string> programFolders;  // folders installers put games in, on drive C
    std::vector<std::string> winePrefixes;    // Wine prefixes, which hold drive_c
    // The folder below which the games make their user folders: the home folder on Linux,
    // Documents on Windows; empty when there is none.
    std::string userRoot;
};

// The folder below which the games make their user folders: the home folder on Linux,
// Documents on Windows; empty when there is none.
std::string UserRootOf(const Environment& environment);

// The places of the machine: on Linux, Steam's folders below the home folder, the Wine
// prefixes of WINEPREFIX, ~/.wine, ~/Games, Bottles and PlayOnLinux, and the home folder; on
// Windows, Steam's folder from the registry, the installers' and GOG's registry entries, the
// usual folders for programs and games, and Documents.
KnownPlaces KnownPlacesOf(const Environment& environment, FileSystem& files);

// A game folder found, and its game.
struct FoundGame {
    std::string folder;  // ending in the separator
    Game game;
    bool operator==(const FoundGame& other) const {
        return folder == other.folder && game == other.game;
    }
};

// The game folders at those places: game by game, for each its user folders that hold the game's
// marks, then the game folders of its installations (Steam's, the installers', Wine's); each
// real folder once. Lists only the places themselves: no tree is walked.
std::vector<FoundGame> ProbeKnownPlaces(FileSystem& files, const KnownPlaces& places);

// The game folders of the game's installations at those places whose game reads the player's
// files from `userFolder`, by whatever path it is reached.
std::vector<std::string> InstallationsReadingFrom(FileSystem& files, const KnownPlaces& places,
                                                  const UserPlaces& user, const GameProfile& game,
                                                  const std::string& userFolder);

}  // namespace quillon
