#pragma once

#include <functional>

#include "app/GameFiles.h"
#include "app/StatusLine.h"
#include "app/View.h"
#include "platform/FileSystem.h"

namespace quillon {

// File, Give the Keys Back...: says in one box what giving the game its keys back does, as the
// undo script beside the script allows. When the player goes on, `stopRunningAtStart` takes the
// script's run out of the game's start-up file, and the status line reminds the player to run
// the undo script in the game, which Quillon cannot change while it runs.
void GiveKeysBack(View& view, FileSystem& files, const GameFiles& scriptFolder, StatusLine& status,
                  const std::function<void()>& stopRunningAtStart);

}  // namespace quillon
