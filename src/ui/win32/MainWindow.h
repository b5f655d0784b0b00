#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "app/Form.h"
#include "ui/View.h"

namespace quillon::win32 {

class SearchProgressWindow;

// Form1 on Win32: builds every control from the layout tables, forwards every event to the
// form, and carries out the operations the form asks of the window.
class MainWindow : public View {
  public:
    // Control ids; none is IDOK or IDCANCEL, so Enter and Esc press no button by themselves.
    static constexpr int kKeypadId = 100;   // + key index
    static constexpr int kHotSpotId = 200;  // + hot-spot index
    static constexpr int kList1Id = 300;
    static constexpr int kCommand2Id = 301;
    static constexpr int kCommand3Id = 302;
    static constexpr int kCommand4Id = 303;
    static constexpr int kLabel1Id = 304;
    static constexpr int kLabel3Id = 305;
    static constexpr int kImage1Id = 306;
    static constexpr int kExportId = 400;

    MainWindow();
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The start-up sequence; false when the program has to end without showing the window.
    bool Load();

    HWND Handle() const { return window_; }
    HACCEL Accelerators() const { return accelerators_; }
    Form& TheForm() { return form_; }

    // View
    void List1Clear() override;
    void List1Append(const std::string& text) override;
    int16_t List1Count() const override;
    int16_t List1SelectedIndex() const override;
    std::string List1Text(int16_t index) const override;
    void List1Remove(int16_t index) override;
    void Label1SetCaption(const std::string& text) override;
    void Label3SetCaption(const std::string& text) override;
    void Image1ShowPage(int16_t page) override;
    std::string Command1Caption(int16_t index) const override;
    void Command1SetVisible(int16_t index, bool visible) override;
    void Command3SetEnabled(bool enabled) override;
    void ShowMessageBox(const std::string& text, const std::string& title) override;
    std::string ShowInputBox(const std::string& prompt, const std::string& title,
                             const std::string& defaultAnswer) override;
    bool ReportSearchProgress(const SearchProgress& progress) override;
    void EndSearchProgress() override;
    void EndProgram() override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id);
    void BuildControls();
    void BuildMenu();
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    // Boxes belong to the window once it is shown; before that, at start-up, to nobody.
    HWND BoxOwner() const { return IsWindowVisible(window_) ? window_ : nullptr; }

    HWND window_ = nullptr;
    HACCEL accelerators_ = nullptr;
    std::array<HBITMAP, 8> pages_{};  // the page holders, by page number 1..7
    std::array<HFONT, 4> fonts_{};    // by layout::Font
    std::unique_ptr<SearchProgressWindow> progress_;
    Form form_{*this};
};

}  // namespace quillon::win32
