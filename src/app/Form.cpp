#include "app/Form.h"

#include <exception>
#include <string>

#include "export/ScriptGenerator.h"
#include "install/GameFolderLocator.h"
#include "keys/KeyEditor.h"
#include "voicemenu/Catalogue.h"
#include "voicemenu/Navigator.h"

namespace quillon {
namespace {

constexpr const char* kExportedMessage =
    "The script has been created and can be activated by typing the following in the console : "
    "/exec qmvc";
constexpr const char* kExportedTitle = "Script compilation sucessful";
constexpr const char* kAppTitle = "Quillon";

}  // namespace

template <typename Handler>
void Form::Guarded(Handler handler) {
    const bool outermost = !handlerRunning_;
    handlerRunning_ = true;
    try {
        handler();
    } catch (const std::exception& error) {
        view_.ShowMessageBox(std::string("Quillon could not finish that step: ") + error.what() +
                                 "\nYour assignments are kept.",
                             kAppTitle);
    }
    if (outermost) {
        handlerRunning_ = false;
    }
}

bool Form::Form_Load() {
    bool located = false;
    Guarded([&] {
        state_.gamePath = LocateGameFolder(view_);
        located = !state_.gamePath.empty();
    });
    if (!located) {
        view_.EndProgram();
        return false;
    }
    Guarded([&] { Reset(); });
    return true;
}

void Form::Reset() {
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        for (int16_t slot = 1; slot <= kSlotsPerKey; ++slot) {
            state_.keyTable.At(key, slot).label.clear();
        }
    }
    state_.menuPick = 0;
    view_.List1Clear();
    view_.Image1ShowPage(kMainPage);
    view_.Label1SetCaption("");
    state_.menuPage = kMainPage;
    state_.currentKey = kFirstAssignableKey;
    SelectKey(state_, view_, kFirstAssignableKey);
    state_.blinkPhase = 1;
}

void Form::Command1_Click(int16_t index) {
    Guarded([&] { SelectKey(state_, view_, index); });
}

void Form::Command2_Click() {
    Guarded([&] { BeginAssignment(state_, view_); });
}

void Form::Command3_Click() {
    Guarded([&] { CancelAssignment(state_, view_); });
}

void Form::Command4_Click() {
    Guarded([&] { DeleteEntry(state_, view_); });
}

void Form::Image2_Click(int16_t index) {
    PickHotSpot(state_, index);
}

void Form::mnuexport_Click() {
    Guarded([&] {
        const std::string failure = WriteConsoleScript(state_.keyTable, state_.gamePath);
        if (failure.empty()) {
            view_.ShowMessageBox(kExportedMessage, kExportedTitle);
        } else {
            view_.ShowMessageBox(failure, kAppTitle);
        }
    });
}

void Form::Timer1_Timer() {
    if (!handlerRunning_) {
        Guarded([&] { MenuTick(state_, view_); });
    }
}

void Form::Timer2_Timer() {
    if (!handlerRunning_) {
        Guarded([&] { BlinkTick(state_, view_); });
    }
}

}  // namespace quillon
