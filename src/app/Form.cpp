#include "app/Form.h"

#include <exception>
#include <vector>

#include "app/GameFolderLocator.h"
#include "app/Program.h"
#include "model/script/ScriptGenerator.h"

namespace quillon {
namespace {

constexpr const char* kNumLockMessage = "Num Lock cannot be scripted with Quillon...";
constexpr const char* kSelectPrompt = "Please select a command";
constexpr const char* kExportedMessage =
    "The script has been created and can be activated by typing the following in the console : "
    "/exec qmvc";
constexpr const char* kExportedTitle = "Script compilation sucessful";

}  // namespace

template <typename Handler>
void Form::Guarded(Handler handler) {
    const bool outermost = !handlerRunning_;
    handlerRunning_ = true;
    try {
        handler();
    } catch (const std::exception& error) {
        try {
            Tell(std::string("Quillon could not finish that step: ") + error.what() +
                     "\nYour assignments are kept.",
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
        gamePath_ = LocateGameFolder(view_);
        located = !gamePath_.empty();
    });
    if (!located) {
        view_.EndProgram();
        return false;
    }
    Guarded([&] {
        menu_.Cancel();
        view_.ShowPage(kMainPage);
        shownPage_ = kMainPage;
        view_.SetPrompt("");
        shownPrompt_.clear();
        SelectKey(kFirstAssignableKey);
        blinkPhase_ = BlinkPhase::KeyHidden;
        started_ = true;
    });
    return true;
}

void Form::SelectKey(int16_t key) {
    currentKey_ = key;
    std::vector<std::string> lines;
    for (int16_t slot = 1; slot <= kSlotsPerKey; ++slot) {
        if (const std::optional<Assignment>& assignment = keys_.At(key, slot)) {
            lines.push_back(ListLine(*assignment));
        }
    }
    view_.ShowAssignments(lines);
}

void Form::ShowMenu() {
    if (menu_.Page() != shownPage_) {
        view_.ShowPage(menu_.Page());
        shownPage_ = menu_.Page();
    }
    const std::string prompt = menu_.InProgress() ? kSelectPrompt : "";
    if (prompt != shownPrompt_) {
        view_.SetPrompt(prompt);
        shownPrompt_ = prompt;
    }
}

void Form::Tell(const std::string& text, const std::string& title) {
    if (started_) {
        view_.SetKeyVisible(currentKey_, true);
    }
    view_.ShowMessageBox(text, title);
}

std::string Form::Ask(const std::string& prompt, const std::string& title,
                      const std::string& defaultAnswer) {
    if (started_) {
        view_.SetKeyVisible(currentKey_, true);
    }
    return view_.ShowInputBox(prompt, title, defaultAnswer);
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
            return;
        }
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
    });
}

void Form::OnMenuLineClicked(int16_t line) {
    menu_.PickLine(line);
}

void Form::OnExport() {
    Guarded([&] {
        const Outcome written = WriteConsoleScript(keys_, gamePath_);
        if (written.Succeeded()) {
            Tell(kExportedMessage, kExportedTitle);
        } else {
            Tell(written.Message(), kProgramName);
        }
    });
}

void Form::OnMenuTick() {
    if (handlerRunning_) {
        return;
    }
    Guarded([&] {
        view_.SetCancelEnabled(menu_.InProgress());
        MenuNavigator::Step step = menu_.Tick();
        if (step.classWanted) {
            step.picked =
                menu_.AnswerClass(Ask(kClassPrompt, kClassPromptTitle, kClassPromptDefault));
        }
        if (step.picked && keys_.Append(currentKey_, *step.picked)) {
            view_.AppendAssignment(step.picked->Label());
        }
        ShowMenu();
    });
}

void Form::OnBlinkTick() {
    if (handlerRunning_ || !started_) {
        return;
    }
    Guarded([&] {
        blinkPhase_ =
            blinkPhase_ == BlinkPhase::KeyShown ? BlinkPhase::KeyHidden : BlinkPhase::KeyShown;
        for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
            view_.SetKeyVisible(key, key != currentKey_ || blinkPhase_ == BlinkPhase::KeyShown);
        }
        view_.ShowCurrentKey(KeyCaption(currentKey_));
    });
}

}  // namespace quillon
