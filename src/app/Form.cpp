#include "app/Form.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "app/GameFolderLocator.h"
#include "app/GiveKeysBack.h"
#include "app/Program.h"
#include "app/StatusLine.h"
#include "app/WorkingFolder.h"
#include "model/install/KnownPlaces.h"
#include "model/install/SettingsFile.h"
#include "model/keys/Keypad.h"
#include "model/menu/VoiceMenu.h"
#include "model/script/GameBindings.h"
#include "model/script/ScriptGenerator.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

// These two are kept word for word as players know them.
constexpr const char* kNumLockMessage = "Num Lock cannot be scripted with Quillon...";
constexpr const char* kSelectPrompt = "Please select a command";
constexpr const char* kCloseQuestion = "Export the script before closing?";
// After the program's name.
constexpr const char* kLicenceNotice =
    " is free software: you can redistribute it and/or modify it under the terms of the "
    "GNU General Public License as published by the Free Software Foundation, either version 3 "
    "of the License, or (at your option) any later version. It comes with ABSOLUTELY NO "
    "WARRANTY.";

constexpr const char* kGameBindingPrefix = "In the game: ";

}  // namespace

template <typename Handler>
void Form::Guarded(Handler handler) {
    const bool outermost = !handlerRunning_;
    handlerRunning_ = true;
    if (outermost) {
        listings_.Forget();
    }
    std::optional<std::string> failure;
    try {
        handler();
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        failure = "an unknown error";
    }
    if (failure) {
        try {
            Tell("Quillon could not finish that step: " + *failure + "\nYour assignments are kept.",
                 kProgramName);
        } catch (...) {
            // Nothing more can be said; the assignments are kept all the same.
        }
    }
    if (outermost) {
        handlerRunning_ = false;
    }
}

bool Form::OnStart() {
    bool located = false;
    Guarded([&] {
        if (workingFolder_.empty()) {
            const WorkingFolder working = ChooseWorkingFolder(files_, environment_);
            workingFolder_ = working.folder;
            if (!working.status.Ok()) {
                Tell(working.status.Message(), kProgramName);
            }
        }
        recovery_.Claim(workingFolder_);
        const LocatedFolder found =
            LocateGameFolder(view_, files_, environment_, workingFolder_,
                             [this] { return KnownPlacesOf(environment_, files_); });
        located = !found.folder.empty();
        if (located) {
            UseInstallation(InstallationAt(found.folder), found.takenNow);
        }
    });
    if (!located) {
        view_.EndProgram();
        return false;
    }
    Guarded([&] {
        RestoreKeys();
        OfferRecovery();
        TakeOverVoiceBinds();
        ShowScriptRunAtStart();
        hearing_.Start(files_, workingFolder_);
        menu_.Cancel();
        ShowPage(kMainPage);
        view_.SetPrompt("");
        shownPrompt_.clear();
        SelectKey(kFirstAssignableKey);
        blinkPhase_ = BlinkPhase::KeyUnlit;
        started_ = true;
    });
    return true;
}

void Form::ShowGameBindings() {
    gameBindings_ = GameSearchPath().Bindings(Profile(), installation_.engine);
    // Only what changed is shown again, so that screen readers hear no change that is none.
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        const std::string& command = gameBindings_[key];
        const std::string said = command.empty()
                                     ? std::string()
                                     : kGameBindingPrefix + GameCommandInWords(Profile(), command);
        if (said != bindingsShown_[key]) {
            view_.ShowGameBinding(key, said);
            bindingsShown_[key] = said;
        }
    }
}

void Form::ShowPage(int16_t page) {
    view_.ShowPage(page);
    view_.SetSpokenText(layout::Role::MenuPicture, DescribePage(Profile(), page));
    shownPage_ = page;
}

void Form::SelectKey(int16_t key) {
    currentKey_ = key;
    statusLine_.NextStep();
    const std::string name = SpokenKeyName(key);
    view_.SetSpokenText(layout::Role::CurrentKey, "Current key: " + name);
    // "Messages of keypad 5", "Messages of Page Up": the word keypad is no name of its own.
    const std::string keypad = "Keypad ";
    view_.SetSpokenText(
        layout::Role::AssignmentList,
        "Messages of " +
            (name.rfind(keypad, 0) == 0 ? "keypad " + name.substr(keypad.size()) : name));
    std::vector<std::string> lines;
    for (int16_t slot = 0; slot < kSlotsPerKey; ++slot) {
        if (const std::optional<Assignment>& assignment = keys_.At(key, slot)) {
            lines.push_back(ListLine(*assignment));
        }
    }
    view_.ShowAssignments(lines);
    DescribeMessages();
}

void Form::ShowMenu() {
    if (menu_.Page() != shownPage_) {
        ShowPage(menu_.Page());
    }
    const std::string prompt = menu_.InProgress() ? kSelectPrompt : "";
    if (prompt != shownPrompt_) {
        view_.SetPrompt(prompt);
        shownPrompt_ = prompt;
    }
}

void Form::RevealCurrentKey() {
    if (started_) {
        view_.SetKeyLit(currentKey_, true);
    }
}

void Form::Tell(const std::string& text, const std::string& title) {
    RevealCurrentKey();
    view_.ShowMessageBox(text, title);
}

bool Form::Confirmed(const std::string& question) {
    RevealCurrentKey();
    return view_.AskYesNo(question, kProgramName);
}

std::string Form::Ask(const std::string& prompt, const std::string& title,
                      const std::string& defaultAnswer) {
    RevealCurrentKey();
    return view_.AskForText(prompt, title, defaultAnswer).value_or(std::string());
}

void Form::OnKeypadClicked(int16_t key) {
    Guarded([&] {
        if (menu_.InProgress()) {
            return;
        }
        if (key == kNumLockKey) {
            Tell(kNumLockMessage, kProgramName);
        } else if (key >= kFirstAssignableKey && key <= kLastKey) {
            SelectKey(key);
        }
    });
}

void Form::OnAssignClicked() {
    Guarded([&] {
        if (keys_.IsFull(currentKey_)) {
            statusLine_.Note(FullKeyNote(currentKey_));
            return;
        }
        statusLine_.NextStep();
        menu_.Begin();
        ShowMenu();
    });
}

void Form::OnCancelClicked() {
    Guarded([&] {
        menu_.Cancel();
        ShowMenu();
    });
}

void Form::OnDeleteClicked(int16_t selectedIndex) {
    Guarded([&] {
        if (selectedIndex < 0 || selectedIndex >= keys_.UsedCount(currentKey_)) {
            return;
        }
        keys_.Remove(currentKey_, selectedIndex);
        view_.RemoveAssignment(selectedIndex);
        DescribeMessages();
        statusLine_.NextStep();  // a full key has room again
        KeepRecovery();
    });
}

void Form::OnMenuLineClicked(int16_t line) {
    menu_.PickLine(line);
}

void Form::OnMenuCommand(layout::Command command, int16_t selectedIndex) {
    switch (command) {
        case layout::Command::ExportScript:
            Guarded([&] { Export(); });
            break;
        case layout::Command::ChooseGameFolder:
            Guarded([&] { ChooseGameFolder(); });
            break;
        case layout::Command::LoadScriptAtGameStart:
            Guarded([&] { ToggleScriptRunAtStart(); });
            break;
        case layout::Command::Exit:
            Guarded([&] { view_.CloseWindow(); });
            break;
        case layout::Command::About:
            Guarded([&] { ShowAbout(); });
            break;
        case layout::Command::EditMessageText:
            Guarded([&] { EditMessageText(selectedIndex); });
            break;
        case layout::Command::GiveKeysBack:
            Guarded([&] {
                RevealCurrentKey();
                GiveKeysBack(view_, files_, ScriptFolderFiles(), statusLine_,
                             [this] { ToggleScriptRunAtStart(false); });
            });
            break;
        case layout::Command::HearMessage:
        case layout::Command::TeamVoiceAxis:
        case layout::Command::TeamVoiceAllies:
            Guarded([&] { OnVoiceCommand(command, selectedIndex); });
            break;
    }
}

void Form::ShowAbout() {
    Tell(std::string(kProgramName) + " " + kProgramVersion + "\n" + kProgramDescription +
             "\n\nThe settings file \"" + kSettingsFileName + "\" and the template \"" +
             kTemplateFileName + "\" are in \"" + PathForMessage(workingFolder_) + "\".\n\n" +
             kProgramName + kLicenceNotice,
         std::string("About ") + kProgramName);
}

bool Form::OnCloseRequested() {
    bool mayClose = false;
    Guarded([&] {
        mayClose = OfferToExport(kCloseQuestion);
        if (mayClose) {
            // Exported, or dropped by the player's choice: nothing is left to ask about, should
            // the window be asked again on its way out.
            savedKeys_ = keys_;
            DiscardRecovery();
        }
    });
    return mayClose;
}

void Form::OnMenuTick() {
    if (handlerRunning_) {
        return;
    }
    Guarded([&] {
        view_.SetCancelEnabled(menu_.InProgress());
        MenuNavigator::Step step = menu_.Tick();
        if (step.classWanted) {
            const ClassPrompt& prompt = Profile().classPrompt;
            const std::string answer = Ask(prompt.text, prompt.title, prompt.defaultAnswer);
            step.picked = menu_.AnswerClass(answer);
            if (!step.picked && !answer.empty()) {
                statusLine_.Note(NoClassNote(Profile()));
            }
        }
        if (step.picked && keys_.Append(currentKey_, *step.picked)) {
            view_.AppendAssignment(step.picked->Label());
            DescribeMessages();
            KeepRecovery();
        }
        ShowMenu();
    });
}

void Form::OnBlinkTick() {
    if (handlerRunning_ || !started_) {
        return;
    }
    Guarded([&] {
        blinkPhase_ = blinkPhase_ == BlinkPhase::KeyLit ? BlinkPhase::KeyUnlit : BlinkPhase::KeyLit;
        for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
            view_.SetKeyLit(key, key != currentKey_ || blinkPhase_ == BlinkPhase::KeyLit);
        }
        view_.ShowCurrentKey(KeyCaption(currentKey_));
    });
}

}  // namespace quillon
