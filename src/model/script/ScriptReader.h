#pragma once

#include <optional>
#include <string>

#include "model/game/GameProfile.h"
#include "model/keys/KeyTable.h"

namespace quillon {

// What reading an exported script back gave.
struct RestoredKeys {
    KeyTable table;
    int keysRestored = 0;        // keys that got at least one assignment
    int linesNotUnderstood = 0;  // commands that set a key's variable to something not understood
    std::string firstNotUnderstood;  // the first of them, as the file says it
};

// The message or class announcement that a voice command says ("vsay_team Medic"), in any letter
// case; nothing for any other command.
std::optional<Assignment> AssignmentSaying(const GameProfile& game, const std::string& command);

// Rebuilds the key table from a console script, read as the engine's console reads it: the slot
// variables "tryKbS" of keys 1..22, slots 1..3 (names in any letter case, any spacing, "set" or
// its kin), whose values say one message of the game's voice menu or a class announcement (with
// the words after its name as its text, unchecked), optionally followed by the part that points the
// key's pointer "tryKbb" at another slot. A key's slots are packed in slot order; a slot set twice
// keeps the later value. A command that sets one of these variables to anything else is counted,
// unless it is a command of `templateText`, the template the script begins with. Other commands are
// not part of the table.
RestoredKeys ReadScriptAssignments(const GameProfile& game, const std::string& script,
                                   const std::string& templateText = {},
                                   Engine engine = Engine::Original);

}  // namespace quillon
