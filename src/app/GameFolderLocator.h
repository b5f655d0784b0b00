#pragma once

#include <functional>
#include <string>

#include "app/View.h"
#include "model/install/KnownPlaces.h"

namespace quillon {

// Finds the game folder: from the settings file when it holds one; else it offers, one by one,
// the installations found at the known places; else, or when all are declined, it asks for a
// drive and searches it. Returns the folder the script goes to for it (see FolderForScripts),
// remembered in the working folder and ending in the separator, or the empty text after telling
// the user that no installation was found. The known places are looked up (`knownPlaces`) only
// when the settings file names no folder to take: on Windows that reads every installer's
// registry entry.
std::string LocateGameFolder(View& view, FileSystem& files, const Environment& environment,
                             const std::string& workingFolder,
                             const std::function<KnownPlaces()>& knownPlaces);

// The folder to work in for a game folder taken: where the game looks for the player's scripts.
// When that is a user folder apart from the installation (ET: Legacy's), it is made when missing
// and the player is told; should it not be made, the game folder itself serves.
std::string FolderForScripts(View& view, FileSystem& files, const std::string& folder,
                             const std::string& userRoot);

}  // namespace quillon
