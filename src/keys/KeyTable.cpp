#include "keys/KeyTable.h"

#include <cassert>

namespace quillon {

Slot& KeyTable::At(int16_t key, int16_t slot) {
    assert(key >= 0 && key < kKeyCount && slot >= 1 && slot <= kSlotsPerKey);
    return slots_[key][slot];
}

const Slot& KeyTable::At(int16_t key, int16_t slot) const {
    assert(key >= 0 && key < kKeyCount && slot >= 1 && slot <= kSlotsPerKey + 1);
    return slots_[key][slot];
}

void KeyTable::FreeSlotsFrom(int16_t key, int16_t first) {
    for (int16_t slot = first < 1 ? int16_t{1} : first; slot <= kSlotsPerKey; ++slot) {
        At(key, slot).page = 0;
        At(key, slot).line = 0;
    }
}

}  // namespace quillon
