#include "ChoiceBox.h"

#include <algorithm>

#include "DialogTemplate.h"
#include "MainWindow.h"
#include "platform/WideText.h"

namespace quillon::win32 {
namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kChoicesId = 101;

struct Exchange {
    const std::vector<std::wstring>* choices;
    std::optional<size_t> chosen;
};

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

INT_PTR CALLBACK ChoiceBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* exchange = reinterpret_cast<Exchange*>(GetWindowLongPtrW(box, DWLP_USER));
    const HWND list = GetDlgItem(box, kChoicesId);
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(box, DWLP_USER, lParam);
            DialogTemplate::FitPrompt(box, kPromptId);
            ShowChoices(list, *reinterpret_cast<Exchange*>(lParam)->choices);
            SendMessageW(list, LB_SETCURSEL, 0, 0);
            SetFocus(list);
            return FALSE;  // the focus is set
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK ||
                (LOWORD(wParam) == kChoicesId && HIWORD(wParam) == LBN_DBLCLK)) {
                const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
                if (selected != LB_ERR) {
                    exchange->chosen = static_cast<size_t>(selected);
                    EndDialog(box, IDOK);
                }
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(box, IDCANCEL);
                return TRUE;
            }
            break;
        default:
            break;
    }
    return FALSE;
}

}  // namespace

std::optional<size_t> RunChoiceBox(HWND owner, const std::wstring& prompt,
                                   const std::wstring& title,
                                   const std::vector<std::wstring>& choices) {
    DialogTemplate layout(title, 400, 124);
    layout.Add(DialogClass::Static, kPromptId, SS_LEFT | SS_NOPREFIX, 7, 7, 386, 20, prompt);
    layout.Add(DialogClass::ListBox, kChoicesId,
               WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
               7, 30, 386, 68);
    layout.Add(DialogClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 288, 104, 50, 14, L"OK");
    layout.Add(DialogClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 343, 104, 50, 14,
               L"Cancel");
    Exchange exchange{&choices, std::nullopt};
    const INT_PTR result =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.Get(), owner, ChoiceBoxProc,
                                reinterpret_cast<LPARAM>(&exchange));
    return result == IDOK ? exchange.chosen : std::nullopt;
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
