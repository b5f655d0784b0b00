#include "model/keys/KeyTable.h"

#include "model/menu/MessageText.h"

namespace quillon {
namespace {

bool IsAssignableKey(int16_t key) {
    return key >= kFirstAssignableKey && key <= kLastKey;
}

std::string SignedNumber(int16_t number) {
    return (number < 0 ? "-" : " ") + std::to_string(number < 0 ? -number : number);
}

}  // namespace

const std::optional<Assignment>& KeyTable::At(int16_t key, int16_t slot) const {
    static const std::optional<Assignment> kFree;
    if (key < 0 || key >= kKeyCount || slot < 0 || slot >= kSlotsPerKey) {
        return kFree;
    }
    return slots_[key][slot];
}

int16_t KeyTable::UsedCount(int16_t key) const {
    int16_t used = 0;
    while (used < kSlotsPerKey && IsUsed(key, used)) {
        ++used;
    }
    return used;
}

bool KeyTable::Append(int16_t key, const Assignment& assignment) {
    if (!IsAssignableKey(key) || IsFull(key)) {
        return false;
    }
    slots_[key][UsedCount(key)] = assignment;
    return true;
}

void KeyTable::Remove(int16_t key, int16_t slot) {
    const int16_t used = UsedCount(key);
    if (!IsAssignableKey(key) || slot < 0 || slot >= used) {
        return;
    }
    auto& slots = slots_[key];
    for (int16_t later = slot; later + 1 < used; ++later) {
        slots[later] = slots[later + 1];
    }
    slots[used - 1].reset();
}

bool KeyTable::Replace(int16_t key, int16_t slot, const Assignment& assignment) {
    if (!IsAssignableKey(key) || slot < 0 || slot >= UsedCount(key)) {
        return false;
    }
    slots_[key][slot] = assignment;
    return true;
}

std::string ListLine(const Assignment& assignment) {
    const std::string text = assignment.Text().empty() ? "" : " \"" + assignment.Text() + "\"";
    return assignment.Label() + text + "   " + SignedNumber(assignment.Page()) + "    " +
           SignedNumber(assignment.Line());
}

std::vector<DroppedText> DropUnshowableTexts(KeyTable& table, bool gameShowsTexts) {
    std::vector<DroppedText> dropped;
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        for (int16_t slot = 0; slot < table.UsedCount(key); ++slot) {
            const Assignment assignment = *table.At(key, slot);
            if (assignment.Text().empty()) {
                continue;
            }
            std::vector<MessageTextProblem> problems;
            if (gameShowsTexts) {
                problems = MessageTextProblems(assignment.Text());
                if (problems.empty()) {
                    continue;
                }
            }
            dropped.push_back({key, assignment, problems});
            table.Replace(key, slot, assignment.WithText({}));
        }
    }
    return dropped;
}

}  // namespace quillon
