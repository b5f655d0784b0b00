#pragma once

#include "app/GameFiles.h"
#include "app/View.h"
#include "platform/FileSystem.h"

namespace quillon {

// File, Give the Keys Back...: says in one box what giving the game its keys back does, as the
// undo script beside the script allows: Quillon takes the script's run out of the game's
// start-up file, and the player runs the undo script in the game, which Quillon cannot change
// while it runs. True when the player goes on.
bool AgreesToGiveKeysBack(View& view, FileSystem& files, const GameFiles& scriptFolder);

}  // namespace quillon
