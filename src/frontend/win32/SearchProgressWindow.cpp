#include "SearchProgressWindow.h"

#include "DialogTemplate.h"
#include "app/Program.h"
#include "platform/WideText.h"

namespace quillon::win32 {
namespace {

constexpr WORD kRootId = 100;
constexpr WORD kCountId = 101;
constexpr WORD kFolderId = 102;

}  // namespace

SearchProgressWindow::SearchProgressWindow(HWND owner) {
    DialogTemplate layout(WideFromText(kProgramName), 280, 74);
    layout.Add(DialogClass::Static, kRootId, SS_LEFT, 7, 7, 266, 10);
    layout.Add(DialogClass::Static, kCountId, SS_LEFT, 7, 20, 266, 10);
    layout.Add(DialogClass::Static, kFolderId, SS_LEFT | SS_PATHELLIPSIS, 7, 33, 266, 10);
    layout.Add(DialogClass::Button, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 223, 53, 50, 14,
               L"Cancel");
    window_.reset(CreateDialogIndirectParamW(GetModuleHandleW(nullptr), layout.Get(), owner, Proc,
                                             reinterpret_cast<LPARAM>(this)));
}

bool SearchProgressWindow::Show(const SearchProgress& progress) {
    const HWND window = window_.get();
    if (window == nullptr) {
        return true;
    }
    SetDlgItemTextW(window, kRootId, WideFromText(progress.SearchingLine()).c_str());
    SetDlgItemTextW(window, kCountId, WideFromText(progress.WalkedLine()).c_str());
    SetDlgItemTextW(window, kFolderId, WideFromText(progress.currentFolder).c_str());
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return !cancelled_;
}

INT_PTR CALLBACK SearchProgressWindow::Proc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return TRUE;
    }
    auto* self = reinterpret_cast<SearchProgressWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self != nullptr &&
        ((message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) || message == WM_CLOSE)) {
        self->cancelled_ = true;
        return TRUE;
    }
    return FALSE;
}

}  // namespace quillon::win32
