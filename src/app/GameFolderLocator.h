#pragma once

#include <string>

#include "app/View.h"
#include "model/install/KnownPlaces.h"

namespace quillon {

// Finds the game folder: from the settings file when it holds one; else it offers, one by one,
// the installations found at the known places; else, or when all are declined, it asks for a
// drive and searches it. The folder chosen or found is remembered in the working folder. Returns
// the folder, ending in the separator, or the empty text after telling the user that no
// installation was found.
std::string LocateGameFolder(View& view, FileSystem& files, const std::string& workingFolder,
                             const KnownPlaces& places);

}  // namespace quillon
