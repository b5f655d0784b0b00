#pragma once

#include <cstdint>
#include <string>

#include "keys/KeyTable.h"

namespace quillon {

// The state that every event handler of the window shares.
struct FormState {
    KeyTable keyTable;
    int16_t currentKey = 0;
    // 0: no voice-menu selection in progress; -1: waiting for a click on the menu picture;
    // 1..8: the line just clicked, not yet handled by the menu tick.
    int16_t menuPick = 0;
    int16_t menuPage = 0;  // the voice-menu page on show, 1 = main page
    std::string className;
    int16_t blinkPhase = 0;  // -1: the current key's button is shown, +1: hidden
    std::string gamePath;    // the game folder, ending in the folder separator
};

}  // namespace quillon
