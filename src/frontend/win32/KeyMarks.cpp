#include "KeyMarks.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace quillon::win32 {
namespace {

// The device context of a window's client area, released with its holder.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// The corner, over what the button drew itself.
void PaintMark(HWND button) {
    RECT area{};
    GetClientRect(button, &area);
    const LONG corner = std::max<LONG>(4, std::min(area.right, area.bottom) / 4);
    const POINT points[] = {{area.right - corner, 0}, {area.right, 0}, {area.right, corner}};
    const WindowDc dc(button);
    const HGDIOBJ brushBefore = SelectObject(dc.get(), GetSysColorBrush(COLOR_HIGHLIGHT));
    const HGDIOBJ penBefore = SelectObject(dc.get(), GetStockObject(NULL_PEN));
    Polygon(dc.get(), points, 3);
    SelectObject(dc.get(), penBefore);
    SelectObject(dc.get(), brushBefore);
}

}  // namespace

void KeyMarks::Mark(HWND window, HWND button, const std::wstring& text) {
    if (!tooltip_) {
        tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                       GetModuleHandleW(nullptr), nullptr));
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    // The buttons hand their mouse messages on (see Relay): the tooltip's own subclassing would
    // look itself up in the Wine server at every message of the button.
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(button);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());  // copied by the tooltip
    if (marked_.count(button) == 0) {
        SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        SendMessageW(tooltip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (std::exchange(marked_[button], !text.empty()) != !text.empty()) {
        InvalidateRect(button, nullptr, TRUE);
    }
}

void KeyMarks::Relay(HWND button, UINT message, WPARAM wParam, LPARAM lParam) const {
    if (tooltip_ && marked_.count(button) != 0) {
        MSG relayed{button, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
        GetCursorPos(&relayed.pt);
        SendMessageW(tooltip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
    }
}

void KeyMarks::PaintOver(HWND button) const {
    const auto found = marked_.find(button);
    if (found != marked_.end() && found->second) {
        PaintMark(button);
    }
}

}  // namespace quillon::win32
