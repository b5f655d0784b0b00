#include "ChoiceBox.h"

#include <algorithm>

#include "MainWindow.h"
#include "PromptedBox.h"
#include "platform/WideText.h"

namespace quillon::win32 {
namespace {

// Lists the choices, scrolled sideways where one is wider than the list.
void ShowChoices(HWND list, const std::vector<std::wstring>& choices) {
    const HDC dc = GetDC(list);
    const HGDIOBJ before =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::wstring& choice : choices) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
        SIZE size{};
        GetTextExtentPoint32W(dc, choice.c_str(), static_cast<int>(choice.size()), &size);
        widest = std::max(widest, size.cx);
    }
    SelectObject(dc, before);
    ReleaseDC(list, dc);
    constexpr LONG kMargin = 8;
    SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + kMargin), 0);
}

class ChoiceField : public BoxField {
  public:
    explicit ChoiceField(const std::vector<std::wstring>& choices) : choices_(choices) {}

    void Fill(HWND list) override {
        ShowChoices(list, choices_);
        SendMessageW(list, LB_SETCURSEL, 0, 0);
    }
    bool Take(HWND list) override {
        const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
        if (selected == LB_ERR) {
            return false;
        }
        chosen = static_cast<size_t>(selected);
        return true;
    }
    // A double click takes the choice clicked.
    bool Answers(WORD notification) const override { return notification == LBN_DBLCLK; }

    std::optional<size_t> chosen;

  private:
    const std::vector<std::wstring>& choices_;
};

}  // namespace

std::optional<size_t> RunChoiceBox(HWND owner, const std::wstring& prompt,
                                   const std::wstring& title,
                                   const std::vector<std::wstring>& choices) {
    constexpr BoxShape kShape{
        400, 20, DialogClass::ListBox,
        WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 68};
    ChoiceField field(choices);
    return RunPromptedBox(owner, prompt, title, kShape, field) ? field.chosen : std::nullopt;
}

std::optional<size_t> MainWindow::ChooseAmong(const std::string& question, const std::string& title,
                                              const std::vector<std::string>& choices) {
    std::vector<std::wstring> shown;
    for (const std::string& choice : choices) {
        shown.push_back(WideFromText(choice));
    }
    return RunChoiceBox(BoxOwner(), WideFromText(question), WideFromText(title), shown);
}

}  // namespace quillon::win32
