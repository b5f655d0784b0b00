// The keypad's keys: their own procedure, which paints a key unlit in the blink's dark phase and
// the mark of a key the game binds; their spoken names and descriptions, and the menu lines'.
#include "MainWindow.h"
#include "model/keys/Keypad.h"
#include "platform/WideText.h"

namespace quillon::win32 {

void MainWindow::AttachSpokenNames() {
    for (int16_t key = 0; key < kKeyCount; ++key) {
        const HWND button = Control(kKeypadId + key);
        // Not the system's subclassing: under Wine its lookup at every message costs a request
        // to the server, and the keys get many.
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KeyProc));
        spokenNames_.Name(button, WideFromText(SpokenKeyName(key)));
    }
    for (int16_t line = 1; line <= kMostLinesPerPage; ++line) {
        spokenNames_.Name(Control(kMenuLineId + line),
                          WideFromText(layout::MenuLineSpokenName(line)));
    }
}

LRESULT CALLBACK MainWindow::KeyProc(HWND key, UINT message, WPARAM wParam, LPARAM lParam) {
    // The procedure of the system's buttons, which this one adds to.
    const auto button = reinterpret_cast<WNDPROC>(GetClassLongPtrW(key, GCLP_WNDPROC));
    const auto* self =
        reinterpret_cast<const MainWindow*>(GetWindowLongPtrW(GetParent(key), GWLP_USERDATA));
    if (self != nullptr && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        self->keyMarks_.Relay(key, message, wParam, lParam);
    }
    if (message != WM_PAINT || self == nullptr) {
        return CallWindowProcW(button, key, message, wParam, lParam);
    }
    // Unlit, a key paints only the window behind it, and its focus mark while it has the focus
    // where the keyboard's marks are shown; it keeps the focus and its accessible object, as a
    // hidden window would not.
    const int index = GetDlgCtrlID(key) - kKeypadId;
    if (index >= 0 && index < kKeyCount && self->unlit_[static_cast<size_t>(index)]) {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(key, &paint);
        RECT area{};
        GetClientRect(key, &area);
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        const LRESULT cues = SendMessageW(key, WM_QUERYUISTATE, 0, 0);
        if (GetFocus() == key && (cues & UISF_HIDEFOCUS) == 0) {
            InflateRect(&area, -3, -3);
            DrawFocusRect(dc, &area);
        }
        EndPaint(key, &paint);
        return 0;
    }
    const LRESULT painted = CallWindowProcW(button, key, message, wParam, lParam);
    self->keyMarks_.PaintOver(key);
    return painted;
}

void MainWindow::SetKeyLit(int16_t key, bool lit) {
    if (unlit_.at(key) == lit) {
        unlit_[key] = !lit;
        InvalidateRect(Control(kKeypadId + key), nullptr, TRUE);
    }
}

void MainWindow::ShowGameBinding(int16_t key, const std::string& description) {
    const HWND button = Control(kKeypadId + key);
    keyMarks_.Mark(window_, button, WideFromText(description));
    spokenNames_.Describe(button, WideFromText(description));
}

}  // namespace quillon::win32
