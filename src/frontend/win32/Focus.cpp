// Where the window's keyboard goes: Enter on the focused button, the control that had the
// keyboard given back when the window is active again, and away from Cancel as it is disabled.
#include "MainWindow.h"

#include <commctrl.h>

namespace quillon::win32 {

void MainWindow::PressFocusedButton() {
    const HWND focus = GetFocus();
    constexpr int kClassNameSize = 16;
    wchar_t type[kClassNameSize] = {};
    if (focus != nullptr && GetParent(focus) == window_ &&
        GetClassNameW(focus, type, kClassNameSize) > 0 && lstrcmpiW(type, WC_BUTTONW) == 0) {
        SendMessageW(focus, BM_CLICK, 0, 0);
    }
}

void MainWindow::RememberFocus() {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) {
        focusBeforeDeactivation_ = focus;
    }
}

void MainWindow::RestoreFocus() {
    HWND focus = focusBeforeDeactivation_;
    if (focus == nullptr || !IsWindow(focus) || !IsWindowEnabled(focus)) {
        focus = GetNextDlgTabItem(window_, nullptr, FALSE);  // the first in tab order
    }
    if (focus != nullptr && GetFocus() != focus) {
        SetFocus(focus);
    }
}

void MainWindow::SetCancelEnabled(bool enabled) {
    const HWND cancel = Control(layout::Role::CancelButton);
    // A disabled control loses the keyboard to no control at all: the player who tabbed to
    // Cancel as the selection ended goes on from the next control instead.
    if (!enabled && GetFocus() == cancel) {
        SetFocus(GetNextDlgTabItem(window_, cancel, FALSE));
    }
    EnableWindow(cancel, enabled ? TRUE : FALSE);
}

}  // namespace quillon::win32
