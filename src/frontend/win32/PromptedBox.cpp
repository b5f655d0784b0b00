#include "PromptedBox.h"

namespace quillon::win32 {
namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kFieldId = 101;

INT_PTR CALLBACK PromptedBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* field = reinterpret_cast<BoxField*>(GetWindowLongPtrW(box, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            SetWindowLongPtrW(box, DWLP_USER, lParam);
            DialogTemplate::FitPrompt(box, kPromptId);
            const HWND control = GetDlgItem(box, kFieldId);
            reinterpret_cast<BoxField*>(lParam)->Fill(control);
            SetFocus(control);
            return FALSE;  // the focus is set
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK ||
                (LOWORD(wParam) == kFieldId && field->Answers(HIWORD(wParam)))) {
                if (field->Take(GetDlgItem(box, kFieldId))) {
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

bool RunPromptedBox(HWND owner, const std::wstring& prompt, const std::wstring& title,
                    const BoxShape& shape, BoxField& field) {
    // A margin of 7 around the controls, the field 3 below the prompt, and the buttons 6 below
    // the field, at the right end of the foot.
    constexpr short kMargin = 7;
    constexpr short kButtonWidth = 50;
    constexpr short kButtonHeight = 14;
    constexpr short kButtonGap = 5;
    const auto inner = static_cast<short>(shape.width - 2 * kMargin);
    const auto fieldTop = static_cast<short>(kMargin + shape.promptHeight + 3);
    const auto buttonsTop = static_cast<short>(fieldTop + shape.fieldHeight + 6);
    DialogTemplate layout(title, shape.width, static_cast<short>(buttonsTop + kButtonHeight + 6));
    layout.Add(DialogClass::Static, kPromptId, SS_LEFT | SS_NOPREFIX, kMargin, kMargin, inner,
               shape.promptHeight, prompt);
    layout.Add(shape.fieldType, kFieldId, shape.fieldStyle, kMargin, fieldTop, inner,
               shape.fieldHeight);
    layout.Add(DialogClass::Button, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP,
               static_cast<short>(shape.width - kMargin - 2 * kButtonWidth - kButtonGap),
               buttonsTop, kButtonWidth, kButtonHeight, L"OK");
    layout.Add(DialogClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP,
               static_cast<short>(shape.width - kMargin - kButtonWidth), buttonsTop, kButtonWidth,
               kButtonHeight, L"Cancel");
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.Get(), owner, PromptedBoxProc,
                                   reinterpret_cast<LPARAM>(&field)) == IDOK;
}

}  // namespace quillon::win32
