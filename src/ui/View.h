#pragma once

#include <cstdint>
#include <string>

namespace quillon {

// What a drive search tells the person waiting for it.
struct SearchProgress {
    std::string root;           // the folder the search started from
    int64_t foldersWalked = 0;  // folders listed so far
    std::string currentFolder;  // a folder being walked now

    // The lines a progress window shows above the folder being walked.
    std::string SearchingLine() const {
        return "Searching " + root + " for Return to Castle Wolfenstein...";
    }
    std::string WalkedLine() const { return std::to_string(foldersWalked) + " folders searched"; }
};

// Everything the program needs of its window and of the platform's boxes. Front ends implement
// it over real controls; tests implement it over plain fields.
class View {
  public:
    virtual ~View() = default;

    // List1, the assignment list of the current key. Line indices are 0-based.
    virtual void List1Clear() = 0;
    virtual void List1Append(const std::string& text) = 0;
    virtual int16_t List1Count() const = 0;
    virtual int16_t List1SelectedIndex() const = 0;  // -1 when no line is selected
    virtual std::string List1Text(int16_t index) const = 0;
    virtual void List1Remove(int16_t index) = 0;

    virtual void Label1SetCaption(const std::string& text) = 0;  // the voice-menu prompt
    virtual void Label3SetCaption(const std::string& text) = 0;  // the current key's caption

    // Image1 shows the picture held by the holder of menu page 1..7.
    virtual void Image1ShowPage(int16_t page) = 0;

    // Command1(i), the keypad.
    virtual std::string Command1Caption(int16_t index) const = 0;
    virtual void Command1SetVisible(int16_t index, bool visible) = 0;

    virtual void Command3SetEnabled(bool enabled) = 0;  // the Cancel button

    // Modal boxes. The input box returns the empty text when it is cancelled.
    virtual void ShowMessageBox(const std::string& text, const std::string& title) = 0;
    virtual std::string ShowInputBox(const std::string& prompt, const std::string& title,
                                     const std::string& defaultAnswer) = 0;

    // A drive search reports here while it walks; returning false cancels the search.
    virtual bool ReportSearchProgress(const SearchProgress& progress) = 0;
    virtual void EndSearchProgress() = 0;

    // Ends the program at once; the window is not shown again.
    virtual void EndProgram() = 0;
};

}  // namespace quillon
