#include "voicemenu/Navigator.h"

#include <cctype>
#include <string>

#include "voicemenu/Catalogue.h"

namespace quillon {
namespace {

constexpr const char* kSelectPrompt = "Please select a command";
constexpr const char* kClassPrompt =
    "Please select the class you would like to bind to this key (S)-Soldier  (E)-Engineer  "
    "(M)-Medic   (L)-Lieutenant... ";
constexpr const char* kClassTitle = "Select a class";
constexpr int16_t kClassLine = 6;

void ShowPage(FormState& state, View& view, int16_t page) {
    view.Image1ShowPage(page);
    state.menuPage = page;
}

int16_t NextFreeSlot(View& view) {
    return static_cast<int16_t>(view.List1Count() + 1);
}

void Record(FormState& state, View& view, int16_t page, int16_t line) {
    const int16_t slot = NextFreeSlot(view);
    if (slot <= kSlotsPerKey) {
        state.keyTable.At(state.currentKey, slot).page = page;
        state.keyTable.At(state.currentKey, slot).line = line;
    }
}

// Numbers recorded for a selection that then ended without a message are not an assignment:
// every slot past the listed ones is free again.
void ReleaseAbandonedSlots(FormState& state, View& view) {
    state.keyTable.FreeSlotsFrom(state.currentKey, NextFreeSlot(view));
}

void RunClassPrompt(FormState& state, View& view) {
    const std::string answer = view.ShowInputBox(kClassPrompt, kClassTitle, "S");
    const char letter =
        answer.empty() ? '\0'
                       : static_cast<char>(std::tolower(static_cast<unsigned char>(answer[0])));
    const std::optional<PlayerClass> chosen = ClassForLetter(letter);
    if (!chosen) {
        CancelAssignment(state, view);
        return;
    }
    state.className = chosen->name;
    Record(state, view, kMainPage, static_cast<int16_t>(chosen->letter));
}

void FinishWithLine(FormState& state, View& view, const std::string& listLine) {
    ShowPage(state, view, kMainPage);
    view.List1Append(listLine);
    view.Label1SetCaption("");
    state.menuPick = 0;
}

}  // namespace

void BeginAssignment(FormState& state, View& view) {
    if (state.menuPick != 0) {
        // Starting again abandons the selection in progress.
        ReleaseAbandonedSlots(state, view);
    }
    if (state.keyTable.At(state.currentKey, kSlotsPerKey).IsUsed()) {
        return;
    }
    ShowPage(state, view, kMainPage);
    state.menuPick = -1;
    view.Label1SetCaption(kSelectPrompt);
}

void PickHotSpot(FormState& state, int16_t hotSpot) {
    if (state.menuPick == -1 && hotSpot >= 0 && hotSpot < kLinesPerPage) {
        state.menuPick = static_cast<int16_t>(hotSpot + 1);
    }
}

void CancelAssignment(FormState& state, View& view) {
    if (state.menuPick == 0) {
        return;
    }
    ReleaseAbandonedSlots(state, view);
    ShowPage(state, view, kMainPage);
    state.menuPick = 0;
    view.Label1SetCaption("");
}

void MenuTick(FormState& state, View& view) {
    view.Command3SetEnabled(state.menuPick != 0);
    if (state.menuPick <= 0) {
        return;
    }

    if (state.menuPage > kMainPage) {
        Record(state, view, state.menuPage, state.menuPick);
    } else if (state.menuPick == kClassLine) {
        RunClassPrompt(state, view);
        if (state.menuPick <= 0) {
            return;
        }
    }

    const MenuLine& entry = CatalogueLine(state.menuPage, state.menuPick);
    switch (entry.action) {
        case LineAction::Message:
            FinishWithLine(state, view, entry.label);
            break;
        case LineAction::ClassPrompt:
            FinishWithLine(state, view, kClassLabelPrefix + state.className);
            break;
        case LineAction::OpenPage:
            ShowPage(state, view, entry.target);
            state.menuPick = -1;
            break;
        case LineAction::None:
            state.menuPick = -1;
            break;
    }
}

}  // namespace quillon
