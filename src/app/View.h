#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Layout.h"
#include "model/voice/WaveSound.h"
#include "platform/Status.h"

namespace quillon {

// What a drive search tells the person waiting for it.
struct SearchProgress {
    std::string root;           // the folder the search started from
    int64_t foldersWalked = 0;  // folders listed so far
    std::string currentFolder;  // a folder being walked now

    // The lines a progress window shows above the folder being walked.
    std::string SearchingLine() const { return "Searching " + root + " for Wolfenstein games..."; }
    std::string WalkedLine() const { return std::to_string(foldersWalked) + " folders searched"; }
};

// A window that shows a drive search while it walks, open until it is destroyed.
class SearchProgressDisplay {
  public:
    virtual ~SearchProgressDisplay() = default;
    // Shows the progress and lets the user act; false once the user has cancelled.
    virtual bool Show(const SearchProgress& progress) = 0;
};

// The window as the form sees it. The form tells it what to show and never asks what it shows;
// what the user does reaches the form as events. Front ends implement it over real controls,
// tests over plain fields.
class View {
  public:
    virtual ~View() = default;

    // The assignment list of the current key: replaced whole, or changed line by line. After any
    // of these no line is selected, except that appending keeps a selection.
    virtual void ShowAssignments(const std::vector<std::string>& lines) = 0;
    virtual void AppendAssignment(const std::string& line) = 0;
    virtual void RemoveAssignment(int16_t index) = 0;
    // Puts the line in place of line `index`; a selection stays.
    virtual void ReplaceAssignment(int16_t index, const std::string& line) = 0;

    // What the team reads of each line of the assignment list, as its tooltip and its
    // description for screen readers; an empty text for a line with none.
    virtual void DescribeAssignments(const std::vector<std::string>& descriptions) = 0;

    // Plays the sound at once, stopping one still playing; fails, in the system's words, when
    // there is no audio device to play it on.
    virtual Status PlaySound(const PcmSound& sound) = 0;

    // The game of the game folder: the pictures and hot-spots of its menu.
    virtual void ShowGame(Game game) = 0;
    virtual void SetPrompt(const std::string& text) = 0;  // above the menu picture
    // The status bar at the window's foot, Quillon's own line: the game and the game folder in
    // use, or a word on the last step. Screen readers are told each new text.
    virtual void ShowStatus(const std::string& text) = 0;
    virtual void ShowPage(int16_t page) = 0;  // the menu picture of a page of the voice menu
    virtual void SetCancelEnabled(bool enabled) = 0;
    // The check mark of a checkable menu item.
    virtual void SetMenuItemChecked(layout::Command command, bool checked) = 0;

    // What a screen reader says of a control whose meaning changes with the key or the page; a
    // change is announced.
    virtual void SetSpokenText(layout::Role role, const std::string& text) = 0;

    // The keypad: the current key blinks, lit and unlit in turn, and its caption is shown apart.
    // An unlit key stays where it is for the keyboard and for screen readers: the focus and a
    // reader's place never move because of the blink.
    virtual void SetKeyLit(int16_t key, bool lit) = 0;
    virtual void ShowCurrentKey(const std::string& caption) = 0;
    // What the game itself binds the key to, in words: the key is marked, and its tooltip and
    // its description for screen readers say it; empty for a key the game leaves alone.
    virtual void ShowGameBinding(int16_t key, const std::string& description) = 0;

    // Modal boxes.
    virtual void ShowMessageBox(const std::string& text, const std::string& title) = 0;
    // A box to change a text, which it starts with: what was typed; nothing when it is cancelled.
    virtual std::optional<std::string> AskForText(const std::string& prompt,
                                                  const std::string& title,
                                                  const std::string& text) = 0;
    // A box that lists the choices, the first one selected, for the player to take one: its
    // index, or nothing when the box is cancelled.
    virtual std::optional<size_t> ChooseAmong(const std::string& question, const std::string& title,
                                              const std::vector<std::string>& choices) = 0;
    // A question with Yes, the default, and No.
    virtual bool AskYesNo(const std::string& question, const std::string& title) = 0;
    enum class Answer { Yes, No, Cancel };
    virtual Answer AskYesNoCancel(const std::string& question, const std::string& title) = 0;
    // A question with a button for each of `answers`, named for what it does, in that order;
    // Enter presses the one at `defaultAnswer`. The index of the button pressed; nothing when the
    // box is closed without an answer (Esc, its close button), which is never taken as one.
    virtual std::optional<size_t> AskChoice(const std::string& question, const std::string& title,
                                            const std::vector<std::string>& answers,
                                            size_t defaultAnswer) = 0;

    // The platform's folder chooser, opened at `start`; nothing when it is cancelled.
    virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                    const std::string& start) = 0;

    // A window that shows a drive search until it is destroyed.
    virtual std::unique_ptr<SearchProgressDisplay> OpenSearchProgress() = 0;

    // Closes the window as its close box would: the form is asked first.
    virtual void CloseWindow() = 0;

    // Ends the program at once; the window is not shown again.
    virtual void EndProgram() = 0;
};

}  // namespace quillon
