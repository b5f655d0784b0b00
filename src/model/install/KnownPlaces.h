#pragma once

#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace quillon {

// Where the game's stores and installers put it on this machine.
struct KnownPlaces {
    std::vector<std::string> steamRoots;      // Steam's own folders, which hold steamapps
    std::vector<std::string> installFolders;  // folders an installer named, and the defaults
    std::vector<std::string> winePrefixes;    // Wine prefixes, which hold drive_c
    std::vector<std::string> homePaths;       // the engines' own main folders in the home folder
};

// The places of this machine: on Linux, Steam's folders below the home folder, the Wine
// prefixes of WINEPREFIX, ~/.wine, ~/Games, Bottles and PlayOnLinux, and ~/.wolf/main; on
// Windows, Steam's folder from the registry, the installers' and GOG's registry entries, the
// default folders, and Documents\RTCW\main.
KnownPlaces KnownPlacesOfThisMachine(FileSystem& files);

// The game folders at those places (each ending in the separator): the Main folder of an
// installation, and a home path folder that holds the game's files; in the order Steam,
// installers, Wine, home paths, each real folder once. Lists only the places themselves: no
// tree is walked.
std::vector<std::string> ProbeKnownPlaces(FileSystem& files, const KnownPlaces& places);

}  // namespace quillon
