#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quillon {

// Key indices are the indices of the keypad buttons: 0 is Num Lock, which never takes an
// assignment; 1..16 are the numeric keypad, 17..22 the editing block.
constexpr int16_t kNumLockKey = 0;
constexpr int16_t kFirstAssignableKey = 1;
constexpr int16_t kLastKey = 22;
constexpr int16_t kKeyCount = kLastKey + 1;
constexpr int16_t kSlotsPerKey = 3;

struct Slot {
    std::string label;  // the bare label; empty when the slot has no line to show
    int16_t page = 0;   // 0: free; 1: class announcement; 2..7: menu page of the message
    int16_t line = 0;   // menu line, or the character code of the class letter when page is 1

    bool IsUsed() const { return page != 0; }
};

// Three slots per key, numbered 1..3. Slot 4 exists only to be read: the script generator looks
// one slot past the one it writes and must find it free.
class KeyTable {
  public:
    Slot& At(int16_t key, int16_t slot);
    const Slot& At(int16_t key, int16_t slot) const;

    // Frees the numbers of slots first..3 of a key; labels are left to the list save-back.
    void FreeSlotsFrom(int16_t key, int16_t first);

  private:
    std::array<std::array<Slot, kSlotsPerKey + 2>, kKeyCount> slots_{};
};

}  // namespace quillon
