#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/View.h"
#include "model/keys/Keypad.h"

namespace quillon::test {

// A window made of plain fields: what the form shows is read back from them, and the answers
// to its boxes are queued by the test.
class FakeView : public View {
  public:
    using Lines = std::vector<std::string>;

    Lines list, descriptions;                // the list's lines, and their descriptions
    std::string prompt, status, currentKey;  // the prompt line, the status bar, the key's caption
    std::map<layout::Role, std::string> spoken;
    std::optional<Game> gameShown;
    int16_t pageShown = 1;
    std::vector<bool> lit = std::vector<bool>(kKeyCount, true);
    Lines gameBindings = Lines(kKeyCount);
    // The boxes in the order shown: the texts of message boxes (said), of input and text boxes
    // (prompts) and what each started with, of questions, the folder each chooser started in, and
    // every box's title.
    Lines said, prompts, textsOffered, questions, chooserStarts, titles;
    std::deque<std::optional<std::string>> texts;  // typed into text boxes; cancelled when none
    std::deque<bool> yesNoReplies;                 // No when none is queued
    std::deque<Answer> replies;                    // to the questions; Cancel when none is queued
    // Offered by each box of choices; each box of answers' buttons, the default first.
    std::vector<Lines> choicesOffered, buttons;
    // The one taken in a box of choices or of answers; cancelled (closed) when none.
    std::deque<std::optional<size_t>> choices;
    std::deque<std::optional<std::string>> chosenFolders;  // nothing: cancelled
    std::function<void()> whileBoxOpen;  // run while a box is open, as the window goes on
    std::vector<bool> allKeysLitInBox;   // for each box: whether every keypad key was lit
    int progressReports = 0;
    bool progressOpen = false, cancelSearch = false;  // the latter: Cancel at the first report
    bool ended = false, closeRequested = false;
    std::map<layout::Command, bool> checked;
    bool failNextPrompt = false;  // as a window torn down under the form might, once
    std::vector<PcmSound> played;
    Status audio;  // what playing gives: no audio device, say

    void ShowAssignments(const Lines& lines) override { list = lines; }
    void AppendAssignment(const std::string& line) override { list.push_back(line); }
    void RemoveAssignment(int16_t index) override { list.erase(list.begin() + index); }
    void ReplaceAssignment(int16_t index, const std::string& line) override { list[index] = line; }
    void SetPrompt(const std::string& text) override {
        if (std::exchange(failNextPrompt, false)) {
            throw std::runtime_error("the window is gone");
        }
        prompt = text;
    }
    void DescribeAssignments(const Lines& lines) override { descriptions = lines; }
    void ShowStatus(const std::string& text) override { status = text; }
    Status PlaySound(const PcmSound& sound) override {
        if (audio.Ok()) {
            played.push_back(sound);
        }
        return audio;
    }
    void ShowGame(Game game) override { gameShown = game; }
    void ShowPage(int16_t page) override { pageShown = page; }
    void SetCancelEnabled(bool) override {}
    void SetMenuItemChecked(layout::Command command, bool on) override { checked[command] = on; }
    void SetKeyLit(int16_t key, bool on) override { lit.at(key) = on; }
    void ShowCurrentKey(const std::string& caption) override { currentKey = caption; }
    void ShowGameBinding(int16_t key, const std::string& text) override {
        gameBindings.at(key) = text;
    }
    void SetSpokenText(layout::Role role, const std::string& text) override { spoken[role] = text; }
    void ShowMessageBox(const std::string& text, const std::string& title) override {
        Shown(said, text, title);
    }
    std::optional<std::string> AskForText(const std::string& text, const std::string& title,
                                          const std::string& offered) override {
        textsOffered.push_back(offered);
        return Asked(prompts, text, title, texts, std::nullopt);
    }
    bool AskYesNo(const std::string& question, const std::string& title) override {
        return Asked(questions, question, title, yesNoReplies, false);
    }
    std::optional<size_t> ChooseAmong(const std::string& question, const std::string& title,
                                      const Lines& offered) override {
        choicesOffered.push_back(offered);
        return Asked(questions, question, title, choices, std::nullopt);
    }
    std::optional<size_t> AskChoice(const std::string& question, const std::string& title,
                                    const Lines& offered, size_t defaultAnswer) override {
        buttons.push_back(offered);
        std::rotate(buttons.back().begin(), buttons.back().begin() + defaultAnswer,
                    buttons.back().begin() + defaultAnswer + 1);
        return Asked(questions, question, title, choices, std::nullopt);
    }
    Answer AskYesNoCancel(const std::string& question, const std::string& title) override {
        return Asked(questions, question, title, replies, Answer::Cancel);
    }
    std::optional<std::string> ChooseFolder(const std::string& title,
                                            const std::string& start) override {
        return Asked(chooserStarts, start, title, chosenFolders, std::nullopt);
    }
    std::unique_ptr<SearchProgressDisplay> OpenSearchProgress() override {
        return std::make_unique<Progress>(*this);
    }
    void CloseWindow() override { closeRequested = true; }
    void EndProgram() override { ended = true; }

  private:
    // A box that shows `text`, open while the window goes on; the next queued answer, or what a
    // person who only closes the box gives.
    template <typename Reply>
    Reply Asked(Lines& shown, const std::string& text, const std::string& title,
                std::deque<Reply>& queue, typename std::deque<Reply>::value_type closed) {
        Shown(shown, text, title);
        if (queue.empty()) {
            return closed;
        }
        Reply next = queue.front();
        queue.pop_front();
        return next;
    }

    struct Progress : SearchProgressDisplay {
        explicit Progress(FakeView& shown) : view(shown) { view.progressOpen = true; }
        ~Progress() override { view.progressOpen = false; }
        bool Show(const SearchProgress&) override {
            ++view.progressReports;
            return !view.cancelSearch;
        }
        FakeView& view;
    };

    // A box that shows `text`, open while the window goes on.
    void Shown(Lines& shown, const std::string& text, const std::string& title) {
        shown.push_back(text);
        titles.push_back(title);
        allKeysLitInBox.push_back(std::all_of(lit.begin(), lit.end(), [](bool on) { return on; }));
        if (whileBoxOpen) {
            whileBoxOpen();
        }
    }
};

}  // namespace quillon::test
