#include "InputBox.h"

#include "DialogTemplate.h"

namespace quillon::win32 {
namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kAnswerId = 101;

struct Exchange {
    const std::wstring* defaultAnswer;
    std::wstring answer;
};

INT_PTR CALLBACK InputBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* exchange = reinterpret_cast<Exchange*>(GetWindowLongPtrW(box, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(box, DWLP_USER, lParam);
            DialogTemplate::FitPrompt(box, kPromptId);
            exchange = reinterpret_cast<Exchange*>(lParam);
            const HWND edit = GetDlgItem(box, kAnswerId);
            SetWindowTextW(edit, exchange->defaultAnswer->c_str());
            SendMessageW(edit, EM_SETSEL, 0, -1);
            SetFocus(edit);
            return FALSE;  // the focus is set
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                const HWND edit = GetDlgItem(box, kAnswerId);
                std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
                text.resize(static_cast<size_t>(
                    GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
                exchange->answer = text;
                EndDialog(box, IDOK);
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

std::optional<std::wstring> RunInputBox(HWND owner, const std::wstring& prompt,
                                        const std::wstring& title,
                                        const std::wstring& defaultAnswer) {
    DialogTemplate layout(title, 260, 82);
    layout.Add(DialogClass::Static, kPromptId, SS_LEFT | SS_NOPREFIX, 7, 7, 246, 34, prompt);
    layout.Add(DialogClass::Edit, kAnswerId, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 44, 246,
               12);
    layout.Add(DialogClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 148, 62, 50, 14, L"OK");
    layout.Add(DialogClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 203, 62, 50, 14,
               L"Cancel");
    Exchange exchange{&defaultAnswer, {}};
    const INT_PTR result =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.Get(), owner, InputBoxProc,
                                reinterpret_cast<LPARAM>(&exchange));
    return result == IDOK ? std::optional(exchange.answer) : std::nullopt;
}

}  // namespace quillon::win32
