#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

#include "KeyMarks.h"
#include "ListDescriptions.h"
#include "OwnedHandles.h"
#include "SoundPlayer.h"
#include "SpokenNames.h"
#include "app/Form.h"
#include "app/Layout.h"
#include "app/View.h"

namespace quillon::win32 {

// The main window on Win32: builds every control from the layout tables, forwards every event
// to the form, and carries out what the form tells the view. MainWindow.cpp holds its life and
// its events; each other concern has a file of its own: WindowLayout.cpp (the controls built and
// laid out at each dpi), RememberedPlace.cpp, MenuBar.cpp, MenuPages.cpp (the pages' lines and
// pictures), KeypadKeys.cpp (the keys' painting, marks and spoken names), Focus.cpp,
// StatusBar.cpp, and the boxes: Boxes.cpp, AnswerBox.cpp and ChoiceBox.cpp.
class MainWindow : public View {
  public:
    // Control ids; none is IDOK or IDCANCEL, so neither Enter nor Esc presses a button by itself.
    static constexpr int kKeypadId = 100;    // + key number
    static constexpr int kMenuLineId = 200;  // + line number; also the digit keys
    static int IdOf(layout::Role role) { return 300 + static_cast<int>(role); }
    static int IdOf(layout::Command command) { return 400 + static_cast<int>(command); }
    static constexpr int kStatusBarId = 500;

    // `environment` is where the form learns of the machine and the user.
    explicit MainWindow(const Environment& environment);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Handle() const { return window_; }
    UINT Dpi() const { return dpi_; }
    HACCEL Accelerators() const { return accelerators_.get(); }
    Form& TheForm() { return form_; }
    bool IsKeyLit(int16_t key) const { return !unlit_.at(key); }

    // View
    void ShowAssignments(const std::vector<std::string>& lines) override;
    void AppendAssignment(const std::string& line) override;
    void RemoveAssignment(int16_t index) override;
    void ReplaceAssignment(int16_t index, const std::string& line) override;
    void SetPrompt(const std::string& text) override;
    void ShowStatus(const std::string& text) override;
    void ShowGame(Game game) override;
    void ShowPage(int16_t page) override;
    void SetCancelEnabled(bool enabled) override;
    void SetMenuItemChecked(layout::Command command, bool checked) override;
    void SetKeyLit(int16_t key, bool lit) override;
    void ShowCurrentKey(const std::string& caption) override;
    void ShowGameBinding(int16_t key, const std::string& description) override;
    void SetSpokenText(layout::Role role, const std::string& text) override;
    void DescribeAssignments(const std::vector<std::string>& descriptions) override {
        listDescriptions_.Set(window_, Control(layout::Role::AssignmentList), spokenNames_,
                              descriptions);
    }
    Status PlaySound(const PcmSound& sound) override { return sound_.Play(sound); }
    void ShowMessageBox(const std::string& text, const std::string& title) override;
    std::optional<std::string> AskForText(const std::string& prompt, const std::string& title,
                                          const std::string& text) override;
    // In ChoiceBox.cpp.
    std::optional<size_t> ChooseAmong(const std::string& question, const std::string& title,
                                      const std::vector<std::string>& choices) override;
    bool AskYesNo(const std::string& question, const std::string& title) override;
    Answer AskYesNoCancel(const std::string& question, const std::string& title) override;
    // In AnswerBox.cpp.
    std::optional<size_t> AskChoice(const std::string& question, const std::string& title,
                                    const std::vector<std::string>& answers,
                                    size_t defaultAnswer) override;
    std::optional<std::string> ChooseFolder(const std::string& title,
                                            const std::string& start) override;
    std::unique_ptr<SearchProgressDisplay> OpenSearchProgress() override;
    void CloseWindow() override;
    void EndProgram() override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // The keypad's keys: the system's buttons, which paint nothing while unlit and show the
    // game's mark and its tooltip.
    static LRESULT CALLBACK KeyProc(HWND key, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id);
    // The line of the assignment list selected; -1 for none.
    int16_t SelectedAssignment() const;
    void PressFocusedButton();
    // A box, the folder picker or another program takes the keyboard from the window: the
    // control that had it gets it back when the window is active again.
    void RememberFocus();
    void RestoreFocus();
    void BuildControls();
    // Below the layout, Quillon's own line (StatusBar.cpp).
    void BuildStatusBar();
    // The keys' own procedure, and the spoken names of the keys and the menu lines.
    void AttachSpokenNames();
    void BuildMenu();
    HWND CreateControl(const wchar_t* type, const std::wstring& text, DWORD style,
                       const layout::Rect& rect, int id, layout::Font font, bool inKeyFrame);
    // Places, sizes and letters every control for the window's dpi; the window goes to
    // `suggested` when the system proposes a place.
    void LayOut(const RECT* suggested);
    // Drops the pictures of another game or dpi; each is loaded again when first shown.
    void LoadPages();
    // The icons of the title bar and the taskbar, drawn for the dpi's sizes.
    void LoadIcons();
    // Remembers where the window stands, for the next run.
    void RememberPlace() const;
    OwnedBitmap LoadPicture(int16_t page) const;
    // Chooses the scale of the window's inside for its display, or for the one `suggested` lies
    // on: the display's own, less where the window would not fit in it at that scale.
    void FitToDisplay(const RECT* suggested);
    // Grown where it opened, the window may reach past the display's edge: it is moved back in.
    // Not on a dpi change, where it stays where the system puts it, as the player may be
    // dragging it from one display to another.
    void MoveOntoDisplay();
    int Scaled(int length) const {
        return MulDiv(length, static_cast<int>(layoutDpi_), layout::kDotsPerInch);
    }
    // Kept, not asked of the system: under Wine each GetDlgItem lists the window's children in
    // the server, and the keypad alone asks at every blink.
    HWND Control(int id) const {
        const auto found = controls_.find(id);
        return found == controls_.end() ? nullptr : found->second;
    }
    HWND Control(layout::Role role) const { return Control(IdOf(role)); }
    // Boxes belong to the window once it is shown; before that, at start-up, to nobody.
    HWND BoxOwner() const { return IsWindowVisible(window_) ? window_ : nullptr; }

    // Where each control stands at 96 dpi, in client coordinates, and its font.
    struct Placement {
        HWND control;
        layout::Rect rect;
        layout::Font font;
    };
    // Moves the control to its place at the window's dpi.
    void Place(const Placement& placed) const {
        MoveWindow(placed.control, Scaled(placed.rect.x), Scaled(placed.rect.y),
                   Scaled(placed.rect.width), Scaled(placed.rect.height), FALSE);
    }
    std::vector<Placement> placements_;
    std::unordered_map<int, HWND> controls_;  // by id
    // By key: whether it is unlit, the blink's dark phase. Its procedure reads it as it paints.
    std::array<bool, kKeyCount> unlit_{};
    UINT dpi_ = layout::kDotsPerInch;
    UINT layoutDpi_ = layout::kDotsPerInch;  // the scale of the inside: dpi_, or less to fit
    Game game_ = Game::ReturnToCastleWolfenstein;
    int16_t page_ = kMainPage;
    std::vector<OwnedBitmap> pages_;  // the game's, by page number, for the dpi; as shown so far
    std::array<OwnedFont, layout::kFontCount> fonts_;  // by layout::Font; none for the default
    std::array<OwnedIcon, 2> icons_;                   // small and large
    OwnedAccelerators accelerators_;
    SpokenNames spokenNames_;
    HWND focusBeforeDeactivation_ = nullptr;
    KeyMarks keyMarks_;
    ListDescriptions listDescriptions_;
    SoundPlayer sound_;
    HWND window_ = nullptr;  // destroyed with this object
    Form form_;
};

}  // namespace quillon::win32
