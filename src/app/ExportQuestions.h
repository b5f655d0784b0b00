#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "app/ScriptLoss.h"
#include "app/View.h"
#include "model/game/GameProfile.h"
#include "model/keys/KeyTable.h"
#include "model/script/GameBindings.h"

namespace quillon {

// The last question about the game's keys and its answer, kept for the run: the same question is
// not asked twice.
struct KeysAnswer {
    std::string question;
    std::optional<size_t> answer;
};

// Before an export: the keys whose binds of the template are left out, so that they keep what
// the game binds them to; asks when the export would take keys from the game (`bindings`, as
// the game's engine reads them). Nothing when the player cancels or closes the box.
std::optional<std::set<int16_t>> KeysLeftToTheGame(View& view, const GameProfile& game,
                                                   Engine engine, const KeyBindings& bindings,
                                                   const std::string& templateText,
                                                   const KeyTable& keys, KeysAnswer& last);

// Before an export of `keys` replaces the script in the folder the script goes to: holds that
// folder (see HoldForExport) and asks, letting it go while the box is open, when the export
// would drop what the player has not seen dropped (`onDisk` reads it); asks again when the
// script changes while the box is open, so that what is replaced is what the player saw. Then
// removes what killed exports left beside the script. The folder held, to write the script in
// (none where it cannot be held at all); nothing when the script is to stay as it is, and why
// has been said.
std::optional<std::unique_ptr<HeldLock>> ReadyToReplace(View& view, FileSystem& files,
                                                        const std::string& folder,
                                                        const GameProfile& game,
                                                        const std::function<ScriptOnDisk()>& onDisk,
                                                        const KeyTable& keys);

}  // namespace quillon
