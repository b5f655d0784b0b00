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
};

// The places of this machine: on Linux, Steam's folders below the home folder and the Wine
// prefixes of WINEPREFIX, ~/.wine, ~/Games, Bottles and PlayOnLinux; on Windows, Steam's folder
// from the registry, the installers' and GOG's registry entries, and the default folders.
KnownPlaces KnownPlacesOfThisMachine(FileSystem& files);

// The game folders (the Main folder that holds the game's data file, ending in the separator)
// at those places, in the order Steam, installers, Wine, each real folder once. Lists only the
// places themselves: no tree is walked.
std::vector<std::string> ProbeKnownPlaces(FileSystem& files, const KnownPlaces& places);

}  // namespace quillon
