#pragma once

#include <cstdint>

#include "keys/FormState.h"
#include "ui/View.h"

namespace quillon {

// The voice menu is polled: a click on the picture only records the line, and the next menu tick
// acts on it.

// Opens the main page for the current key, unless the key already holds three messages.
void BeginAssignment(FormState& state, View& view);

// Records a click on hot-spot k (line k + 1) while the menu waits for one.
void PickHotSpot(FormState& state, int16_t hotSpot);

// Leaves the menu without a message.
void CancelAssignment(FormState& state, View& view);

// One step of the menu: keeps Cancel enabled exactly while a selection is in progress and acts on
// the recorded click. May open the class prompt.
void MenuTick(FormState& state, View& view);

}  // namespace quillon
