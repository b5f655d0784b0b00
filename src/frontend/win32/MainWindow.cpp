#include "MainWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "ChoiceBox.h"
#include "DesktopPlaces.h"
#include "FolderChooser.h"
#include "Fonts.h"
#include "InputBox.h"
#include "MenuLines.h"
#include "Pictures.h"
#include "RememberedPlace.h"
#include "SearchProgressWindow.h"
#include "WindowClasses.h"
#include "app/Program.h"
#include "app/WindowPlace.h"
#include "model/keys/Keypad.h"
#include "model/menu/VoiceMenu.h"
#include "platform/Registry.h"
#include "platform/WideText.h"
#include "resource.h"

namespace quillon::win32 {
namespace {

constexpr UINT_PTR kMenuTimer = 1;
constexpr UINT_PTR kBlinkTimer = 2;
constexpr UINT kShowPictureMessage = WM_APP;  // the window shows: now its picture
constexpr WORD kFromAccelerator = 1;  // the notification code of a WM_COMMAND from an accelerator

std::wstring Wide(const char* text) {
    return WideFromText(text);
}

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

void RegisterClasses(HINSTANCE instance, WNDPROC mainProc) {
    WNDCLASSEXW main{};
    main.cbSize = sizeof main;
    main.lpfnWndProc = mainProc;
    main.hInstance = instance;
    main.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(QUILLON_ICON));
    main.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    main.lpszClassName = kWindowClass;
    RegisterClassExW(&main);

    WNDCLASSEXW line{};
    line.cbSize = sizeof line;
    line.lpfnWndProc = MenuLineProc;
    line.hInstance = instance;
    line.hCursor = main.hCursor;
    line.lpszClassName = kMenuLineClass;
    RegisterClassExW(&line);
}

// The menu command whose item has this id, if any.
std::optional<layout::Command> CommandOf(int id) {
    for (const layout::Menu& menu : layout::kMenus) {
        for (const layout::MenuItem& item : menu.items) {
            if (MainWindow::IdOf(item.command) == id) {
                return item.command;
            }
        }
    }
    return std::nullopt;
}

}  // namespace

MainWindow::MainWindow(const Environment& environment)
    : form_(*this, RealFileSystem(), environment) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClasses(instance, WindowProc);
    // The window procedure binds this object in WM_NCCREATE and sets window_. It is sized once
    // the dpi of the display it opens on is known.
    const std::optional<ScreenRect> place = PlaceToOpenAt();
    CreateWindowExW(0, kWindowClass, Wide(kProgramName).c_str(), kWindowStyle,
                    place ? place->left : CW_USEDEFAULT, place ? place->top : CW_USEDEFAULT, 0, 0,
                    nullptr, nullptr, instance, this);
    dpi_ = GetDpiForWindow(window_);
    BuildMenu();
    FitToDisplay(nullptr);
    BuildControls();
    LayOut(nullptr);
    MoveOntoDisplay();
    AttachSpokenNames();
    SetTimer(window_, kMenuTimer, layout::kMenuTickInterval, nullptr);
    SetTimer(window_, kBlinkTimer, layout::kBlinkInterval, nullptr);
}

MainWindow::~MainWindow() {
    if (IsWindow(window_)) {
        DestroyWindow(window_);
    }
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
            CreateControl(type.windowClass, Wide(control.caption), type.style, control.rect,
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

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self != nullptr ? self->Handle(message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // The dialog keyboard handling sends Enter as IDOK: it presses the focused button,
            // and nothing else, since the window has no default button. Esc, as IDCANCEL, does
            // nothing: Cancel is no Esc button.
            if (LOWORD(wParam) == IDOK) {
                PressFocusedButton();
            } else if (LOWORD(wParam) == IdOf(layout::Role::AssignmentList)) {
                if (HIWORD(wParam) == LBN_SELCHANGE) {
                    listDescriptions_.Follow(Control(layout::Role::AssignmentList), spokenNames_);
                }
            } else if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == kFromAccelerator) {
                OnCommand(LOWORD(wParam));
            }
            return 0;
        case WM_TIMER:
            if (wParam == kMenuTimer) {
                form_.OnMenuTick();
            } else if (wParam == kBlinkTimer) {
                form_.OnBlinkTick();
            }
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                RememberFocus();
            } else if (HIWORD(wParam) == 0) {  // not minimized
                RestoreFocus();
            }
            return 0;
        case WM_SHOWWINDOW:
            if (wParam != FALSE) {
                PostMessageW(window_, kShowPictureMessage, 0, 0);
            }
            return DefWindowProcW(window_, message, wParam, lParam);
        case kShowPictureMessage:
            ShowPage(page_);
            return 0;
        case WM_SETFOCUS:  // the window itself would hold the keyboard, where no key works
            RestoreFocus();
            return 0;
        case WM_CLOSE:
            if (form_.OnCloseRequested()) {
                RememberPlace();
                DestroyWindow(window_);
            }
            return 0;
        case WM_VKEYTOITEM:  // a key on the assignment list: Delete deletes the chosen line
            if (LOWORD(wParam) == VK_DELETE) {
                OnCommand(IdOf(layout::Role::DeleteButton));
                return -2;
            }
            return -1;
        case WM_DPICHANGED:  // moved to a display of another scale, or its scale changed
            dpi_ = HIWORD(wParam);
            LayOut(reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_QUERYENDSESSION:  // the user logs off or the system shuts down
            if (!form_.OnCloseRequested()) {
                return FALSE;
            }
            RememberPlace();
            return TRUE;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void MainWindow::OnCommand(int id) {
    if (id >= kKeypadId && id < kKeypadId + kKeyCount) {
        form_.OnKeypadClicked(static_cast<int16_t>(id - kKeypadId));
    } else if (id > kMenuLineId && id <= kMenuLineId + kMostLinesPerPage) {
        form_.OnMenuLineClicked(static_cast<int16_t>(id - kMenuLineId));
    } else if (id == IdOf(layout::Role::AssignButton)) {
        form_.OnAssignClicked();
    } else if (id == IdOf(layout::Role::CancelButton)) {
        form_.OnCancelClicked();
    } else if (id == IdOf(layout::Role::DeleteButton)) {
        form_.OnDeleteClicked(SelectedAssignment());
    } else if (id == IdOf(layout::Role::HearButton)) {
        form_.OnHearClicked(SelectedAssignment());
    } else if (const std::optional<layout::Command> command = CommandOf(id)) {
        form_.OnMenuCommand(*command, SelectedAssignment());
    }
}

int16_t MainWindow::SelectedAssignment() const {
    const LRESULT selected =
        SendMessageW(Control(layout::Role::AssignmentList), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? int16_t{-1} : static_cast<int16_t>(selected);
}

void MainWindow::ShowAssignments(const std::vector<std::string>& lines) {
    const HWND list = Control(layout::Role::AssignmentList);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : lines) {
        AppendAssignment(line);
    }
}

void MainWindow::AppendAssignment(const std::string& line) {
    SendMessageW(Control(layout::Role::AssignmentList), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(WideFromText(line).c_str()));
}

void MainWindow::RemoveAssignment(int16_t index) {
    const HWND list = Control(layout::Role::AssignmentList);
    SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void MainWindow::ReplaceAssignment(int16_t index, const std::string& line) {
    const HWND list = Control(layout::Role::AssignmentList);
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(WideFromText(line).c_str()));
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void MainWindow::SetPrompt(const std::string& text) {
    SetWindowTextW(Control(layout::Role::Prompt), WideFromText(text).c_str());
}

void MainWindow::ShowCurrentKey(const std::string& caption) {
    SetWindowTextW(Control(layout::Role::CurrentKey), WideFromText(caption).c_str());
}

void MainWindow::SetSpokenText(layout::Role role, const std::string& text) {
    spokenNames_.Name(Control(role), WideFromText(text));
}

void MainWindow::CloseWindow() {
    SendMessageW(window_, WM_CLOSE, 0, 0);
}

void MainWindow::EndProgram() {
    PostQuitMessage(0);
}

}  // namespace quillon::win32
