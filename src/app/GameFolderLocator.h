#pragma once

#include <functional>
#include <string>

#include "app/View.h"
#include "model/install/Installation.h"
#include "model/install/KnownPlaces.h"

namespace quillon {

// Finds the game folder: from the settings file when it holds one; else it offers, one by one,
// the installations found at the known places; else, or when all are declined, it asks for a
// drive and searches it, and takes the game folder found there, or the one the player chooses of
// several. Gives the game folder taken, remembered in the working folder and ending in the
// separator, or the empty text after telling the user that no installation was found. The known
// places are looked up (`knownPlaces`) only when the settings file names no folder to take: on
// Windows that reads every installer's registry entry.
struct LocatedFolder {
    std::string folder;
    bool takenNow = false;  // found and taken at this start, not remembered
};
LocatedFolder LocateGameFolder(View& view, FileSystem& files, const Environment& environment,
                               const std::string& workingFolder,
                               const std::function<KnownPlaces()>& knownPlaces);

// The installation with the folder its game reads the player's scripts from ready: a user folder
// apart from the installation (ET: Legacy's) is made when missing, and the player is told when
// the installation was `chosen` just now or the folder made; should it not be made, or not be
// known, the game folder itself serves, and the player is told why.
Installation WithScriptFolderReady(View& view, FileSystem& files, Installation installation,
                                   bool chosen);

}  // namespace quillon
