#pragma once

#include <cstdint>
#include <string>

#include "keys/FormState.h"
#include "ui/View.h"

namespace quillon {

// The list line of a used slot: the label, three spaces, the page, four spaces, the line; each
// number is preceded by a blank, or by "-" when negative.
std::string FormatListLine(const Slot& slot);

// Makes key i current and lists its assignments; refused during a voice-menu selection.
void SelectKey(FormState& state, View& view, int16_t key);

// Removes the selected line of List1 and moves the later slots' numbers down.
void DeleteEntry(FormState& state, View& view);

// One blink of the current key's button; every other key is shown.
void BlinkTick(FormState& state, View& view);

}  // namespace quillon
