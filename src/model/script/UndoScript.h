#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "model/script/GameBindings.h"
#include "model/script/ScriptName.h"

namespace quillon {

// The script that gives the game back the keys the exported script took, beside it; the game
// runs it with "/exec qmvcundo".
inline const std::string kUndoScriptName = kScriptName + "undo";
inline const std::string kUndoScriptFileName = kUndoScriptName + ".cfg";

// The undo script `existing` (empty when there is none yet) with a line for each key of `keys`
// that it does not give back yet: `bind KEY "COMMAND"` with the key's bind in `before`, or
// `unbind KEY` where `before` has none. A new one begins with Quillon's comment lines. Lines end
// in CR LF; every byte of `existing` stays.
std::string UndoScriptWith(const std::string& existing, const KeyBindings& before,
                           const std::set<int16_t>& keys);

// The keys that an undo script binds or unbinds, as the console runs it.
std::set<int16_t> KeysGivenBackBy(const std::string& undo);

// Whether the text begins as Quillon begins an undo script.
bool IsUndoScript(const std::string& text);

}  // namespace quillon
