// The window's controls built from the layout tables, and laid out at each display's dpi: the
// scale that fits the display, the fonts, the window's size and its icons.
#include "MainWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>

#include "DesktopPlaces.h"
#include "Fonts.h"
#include "WindowClasses.h"
#include "platform/WideText.h"
#include "resource.h"

namespace quillon::win32 {
namespace {

// The window class and style of a control of the layout.
struct ControlType {
    const wchar_t* windowClass;
    DWORD style;
};

ControlType TypeOf(const layout::Control& control) {
    const DWORD border = control.border ? WS_BORDER : 0;
    switch (control.kind) {
        case layout::ControlKind::Button:
            return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP};
        case layout::ControlKind::ListBox:
            return {WC_LISTBOXW, WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT |
                                     LBS_NOTIFY | LBS_WANTKEYBOARDINPUT};
        case layout::ControlKind::Label:
            return {WC_STATICW, (control.centred ? SS_CENTER : SS_LEFT) | border};
        case layout::ControlKind::Frame:
            return {WC_BUTTONW, BS_GROUPBOX};
        case layout::ControlKind::Picture:
            return {WC_STATICW, SS_BITMAP | SS_REALSIZECONTROL | border};
    }
    return {WC_STATICW, 0};
}

// Siblings are created in tab order, and the first created lies on top: controls that take the
// focus come first, by tab index; then the labels, then the frame behind the keypad, then the
// menu lines and last the picture behind them.
int CreationRank(const layout::Control& control) {
    constexpr int kAfterFocusable = 1000;
    switch (control.kind) {
        case layout::ControlKind::Label:
            return kAfterFocusable;
        case layout::ControlKind::Frame:
            return kAfterFocusable + 1;
        case layout::ControlKind::Picture:
            return kAfterFocusable + 3;
        case layout::ControlKind::Button:
        case layout::ControlKind::ListBox:
            break;
    }
    return control.tabIndex;
}
constexpr int kMenuLinesRank = 1002;

}  // namespace

void MainWindow::BuildControls() {
    // Everything to create, in creation order (see CreationRank).
    std::vector<std::pair<int, std::function<void()>>> steps;
    for (int16_t key = 0; key < kKeyCount; ++key) {
        const layout::KeypadButton& place = layout::kKeypad[key];
        steps.emplace_back(place.tabIndex, [this, key, &place] {
            CreateControl(WC_BUTTONW, WideFromText(layout::KeypadButtonCaption(key)),
                          BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, place.rect, kKeypadId + key,
                          place.font, true);
        });
    }
    for (const layout::Control& control : layout::kControls) {
        steps.emplace_back(CreationRank(control), [this, &control] {
            const ControlType type = TypeOf(control);
            CreateControl(type.windowClass, WideFromText(control.caption), type.style, control.rect,
                          IdOf(control.role), control.font, control.inKeyFrame);
        });
    }
    // From the last line to the first, so that a higher line lies in front; placed by ShowGame.
    steps.emplace_back(kMenuLinesRank, [this] {
        for (int16_t k = kMostLinesPerPage - 1; k >= 0; --k) {
            CreateControl(kMenuLineClass, L"", 0, layout::MenuLinesOf(game_)[k],
                          kMenuLineId + k + 1, layout::Font::Default, false);
        }
    });
    std::stable_sort(steps.begin(), steps.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& step : steps) {
        step.second();
    }
    BuildStatusBar();
}

HWND MainWindow::CreateControl(const wchar_t* type, const std::wstring& text, DWORD style,
                               const layout::Rect& rect, int id, layout::Font font,
                               bool inKeyFrame) {
    const layout::Rect& frame = layout::ControlFor(layout::Role::KeyFrame).rect;
    const int16_t x = static_cast<int16_t>(rect.x + (inKeyFrame ? frame.x : 0));
    const int16_t y = static_cast<int16_t>(rect.y + (inKeyFrame ? frame.y : 0));
    // Made at its place at the window's dpi: moving it there afterwards costs Wine a round of
    // requests per control.
    const HWND control = CreateWindowExW(
        0, type, text.c_str(), WS_CHILD | WS_VISIBLE | style, Scaled(x), Scaled(y),
        Scaled(rect.width), Scaled(rect.height), window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    placements_.push_back({control, {x, y, rect.width, rect.height}, font});
    controls_.emplace(id, control);
    return control;
}

void MainWindow::FitToDisplay(const RECT* suggested) {
    const std::optional<ScreenRect> area =
        WorkAreaOf(suggested != nullptr ? MonitorFromRect(suggested, MONITOR_DEFAULTTONEAREST)
                                        : MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST));
    RECT frame{};
    if (!area || !AdjustWindowRectExForDpi(&frame, kWindowStyle, TRUE, 0, dpi_)) {
        layoutDpi_ = dpi_;
        return;
    }
    layoutDpi_ = static_cast<UINT>(LayoutDpiToFit(static_cast<int>(dpi_), frame.right - frame.left,
                                                  frame.bottom - frame.top, *area));
}

void MainWindow::MoveOntoDisplay() {
    RECT place{};
    const std::optional<ScreenRect> area =
        WorkAreaOf(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST));
    if (area && GetWindowRect(window_, &place)) {
        const ScreenRect inside = Inside(ScreenRectOf(place), *area);
        if (inside.left != place.left || inside.top != place.top) {
            SetWindowPos(window_, nullptr, inside.left, inside.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

void MainWindow::LayOut(const RECT* suggested) {
    if (suggested != nullptr) {
        FitToDisplay(suggested);
    }
    std::array<OwnedFont, layout::kFontCount> fonts;
    for (size_t font = 0; font < fonts.size(); ++font) {
        fonts[font] = CreateLayoutFont(static_cast<layout::Font>(font), layoutDpi_);
    }
    for (const Placement& placed : placements_) {
        if (suggested != nullptr) {  // another dpi; the controls were made at the first one's
            Place(placed);
        }
        HFONT font = fonts[static_cast<size_t>(placed.font)].get();
        if (font == nullptr) {
            font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        }
        SendMessageW(placed.control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    fonts_.swap(fonts);  // the fonts of the earlier dpi go once no control uses them

    const SIZE client{Scaled(layout::kClientWidth), Scaled(layout::kInsideHeight)};
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, kWindowStyle, TRUE, 0, dpi_);
    const POINT at = suggested != nullptr ? POINT{suggested->left, suggested->top} : POINT{};
    const UINT move = (suggested != nullptr ? 0U : SWP_NOMOVE) | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(window_, nullptr, at.x, at.y, frame.right - frame.left, frame.bottom - frame.top,
                 move);
    // The frame's parts may keep the size of another dpi for a while, and a narrow window
    // wraps its menu bar: what the client area lacks, the window gets.
    RECT shown{};
    GetClientRect(window_, &shown);
    if (shown.right != client.cx || shown.bottom != client.cy) {
        SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left + client.cx - shown.right,
                     frame.bottom - frame.top + client.cy - shown.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    LoadPages();
    LoadIcons();
    InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::LoadIcons() {
    constexpr std::array<std::pair<int, WPARAM>, 2> kSizes = {
        {{SM_CXSMICON, ICON_SMALL}, {SM_CXICON, ICON_BIG}}};
    for (size_t k = 0; k < kSizes.size(); ++k) {
        const int size = GetSystemMetricsForDpi(kSizes[k].first, dpi_);
        const auto icon =
            static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(QUILLON_ICON),
                                          IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        SendMessageW(window_, WM_SETICON, kSizes[k].second, reinterpret_cast<LPARAM>(icon));
        icons_[k].reset(icon);  // once the window no longer shows the earlier one
    }
}

}  // namespace quillon::win32
