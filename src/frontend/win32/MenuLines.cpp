// A menu line: draws nothing, so the picture behind it shows, and reports a click to the window
// when the mouse is pressed and released on it, as a button does.
#include "MenuLines.h"

#include <windowsx.h>

namespace quillon::win32 {
namespace {

constexpr LONG_PTR kPressed = 1;  // a menu line's user data while the mouse was pressed on it

}  // namespace

LRESULT CALLBACK MenuLineProc(HWND line, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(line, &paint);
            EndPaint(line, &paint);
            return 0;
        }
        case WM_LBUTTONDOWN:
            SetWindowLongPtrW(line, GWLP_USERDATA, kPressed);
            SetCapture(line);
            return 0;
        case WM_LBUTTONUP: {
            const bool pressed = GetWindowLongPtrW(line, GWLP_USERDATA) == kPressed;
            SetWindowLongPtrW(line, GWLP_USERDATA, 0);
            if (GetCapture() == line) {
                ReleaseCapture();
            }
            RECT area{};
            GetClientRect(line, &area);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (pressed && PtInRect(&area, at)) {
                SendMessageW(GetParent(line), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(line), BN_CLICKED),
                             reinterpret_cast<LPARAM>(line));
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            SetWindowLongPtrW(line, GWLP_USERDATA, 0);
            return 0;
        default:
            return DefWindowProcW(line, message, wParam, lParam);
    }
}

}  // namespace quillon::win32
