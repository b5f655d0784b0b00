#pragma once

#include <string>

#include "model/keys/KeyTable.h"

namespace quillon {

// What reading an exported script back gave.
struct RestoredKeys {
    KeyTable table;
    int keysRestored = 0;        // keys that got at least one assignment
    int linesNotUnderstood = 0;  // alias lines of the script's own kind that said nothing known
};

// Rebuilds the key table from the text of a console script this program exported: the slot
// aliases "set tryKbS" of keys 1..22, slots 1..3, whose commands are messages of the voice menu
// or class announcements (voice names in any letter case). A key's slots are packed in slot
// order. The pointer aliases, the template and any other line are not part of the table; an
// alias line that says nothing known is skipped and counted.
RestoredKeys ReadScriptAssignments(const std::string& script);

}  // namespace quillon
