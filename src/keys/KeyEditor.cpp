#include "keys/KeyEditor.h"

namespace quillon {
namespace {

constexpr const char* kNumLockMessage = "Num Lock cannot be scripted with Quillon...";

std::string SignedNumber(int16_t number) {
    return (number < 0 ? "-" : " ") + std::to_string(number < 0 ? -number : number);
}

std::string NumbersSuffix(const Slot& slot) {
    return "   " + SignedNumber(slot.page) + "    " + SignedNumber(slot.line);
}

// A line listed by SelectKey carries its slot's numbers; a line appended by the navigator is the
// bare label. The table keeps the bare label, so that listing a key again and again never makes
// its labels grow.
std::string BareLabel(const std::string& listLine, const Slot& slot) {
    const std::string suffix = NumbersSuffix(slot);
    if (listLine.size() > suffix.size() &&
        listLine.compare(listLine.size() - suffix.size(), suffix.size(), suffix) == 0) {
        return listLine.substr(0, listLine.size() - suffix.size());
    }
    return listLine;
}

}  // namespace

std::string FormatListLine(const Slot& slot) {
    return slot.label + NumbersSuffix(slot);
}

void SelectKey(FormState& state, View& view, int16_t key) {
    if (state.menuPick != 0) {
        return;
    }
    if (key == kNumLockKey) {
        view.ShowMessageBox(kNumLockMessage, "Quillon");
        return;
    }
    if (key < kFirstAssignableKey || key > kLastKey) {
        return;
    }

    const int16_t listed = view.List1Count();
    for (int16_t slot = 1; slot <= kSlotsPerKey; ++slot) {
        Slot& cell = state.keyTable.At(state.currentKey, slot);
        cell.label = slot <= listed ? BareLabel(view.List1Text(slot - 1), cell) : std::string();
    }

    state.currentKey = key;
    view.List1Clear();
    for (int16_t slot = 1; slot <= kSlotsPerKey; ++slot) {
        const Slot& cell = state.keyTable.At(key, slot);
        if (!cell.label.empty()) {
            view.List1Append(FormatListLine(cell));
        }
    }
}

void DeleteEntry(FormState& state, View& view) {
    const int16_t selected = view.List1SelectedIndex();
    if (selected < 0 || selected >= kSlotsPerKey) {
        return;
    }
    KeyTable& table = state.keyTable;
    for (int16_t slot = static_cast<int16_t>(selected + 1); slot < kSlotsPerKey; ++slot) {
        table.At(state.currentKey, slot).page = table.At(state.currentKey, slot + 1).page;
        table.At(state.currentKey, slot).line = table.At(state.currentKey, slot + 1).line;
    }
    table.FreeSlotsFrom(state.currentKey, kSlotsPerKey);
    view.List1Remove(selected);
}

void BlinkTick(FormState& state, View& view) {
    state.blinkPhase = static_cast<int16_t>(-state.blinkPhase);
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        view.Command1SetVisible(key, key != state.currentKey || state.blinkPhase < 0);
    }
    view.Label3SetCaption(view.Command1Caption(state.currentKey));
}

}  // namespace quillon
