#pragma once

#include <string>

#include "app/View.h"

namespace quillon {

// Finds the game folder: from the settings file when it holds one, else by asking for a drive
// and searching it, remembering the folder found. Returns the folder, ending in the separator,
// or the empty text after telling the user that no installation was found.
std::string LocateGameFolder(View& view);

}  // namespace quillon
