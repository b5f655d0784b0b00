#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/keys/Keypad.h"
#include "model/menu/Assignment.h"
#include "model/menu/MessageText.h"

namespace quillon {

constexpr int16_t kSlotsPerKey = 3;

// What every key says: up to three assignments per key, in slots counted from 0, as the list
// shows them. The used slots of a key are always the first n, and Num Lock never has one.
class KeyTable {
  public:
    // The assignment in a slot of a key; nothing for a free slot, and for any slot past the last.
    const std::optional<Assignment>& At(int16_t key, int16_t slot) const;
    bool IsUsed(int16_t key, int16_t slot) const { return At(key, slot).has_value(); }

    int16_t UsedCount(int16_t key) const;
    bool IsFull(int16_t key) const { return UsedCount(key) == kSlotsPerKey; }

    // Puts the assignment into the key's next free slot; false when the key cannot take it.
    bool Append(int16_t key, const Assignment& assignment);

    // Removes the key's assignment in a used slot; the later ones move down a slot.
    void Remove(int16_t key, int16_t slot);

    // Puts the assignment in place of the key's one in a used slot; false when there is none.
    bool Replace(int16_t key, int16_t slot, const Assignment& assignment);

    bool operator==(const KeyTable& other) const { return slots_ == other.slots_; }
    bool operator!=(const KeyTable& other) const { return !(*this == other); }

  private:
    std::array<std::array<std::optional<Assignment>, kSlotsPerKey>, kKeyCount> slots_{};
};

// The line the assignment list shows for an assignment when a key is selected: the label, its
// text in double quotes after a blank when it has one, three spaces, the page, four spaces, the
// line; each number preceded by a blank, or "-" when negative. Kept as players know it.
std::string ListLine(const Assignment& assignment);

// A text taken off its message, and why.
struct DroppedText {
    int16_t key;
    Assignment assignment;  // with the text
    std::vector<MessageTextProblem> problems;
};

// Takes off the table's texts that the game would not show as written, or every text when the
// game shows none; the messages stay.
std::vector<DroppedText> DropUnshowableTexts(KeyTable& table, bool gameShowsTexts);

}  // namespace quillon
