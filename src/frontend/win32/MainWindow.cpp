// The main window's life and its events: it is made and destroyed here, each message goes to the
// form, and here are the view's texts (the assignment list, the prompt, the current key). Its
// other concerns have files of their own, named in MainWindow.h.
#include "MainWindow.h"

#include <optional>
#include <vector>

#include "MenuLines.h"
#include "RememberedPlace.h"
#include "WindowClasses.h"
#include "app/Program.h"
#include "model/keys/Keypad.h"
#include "platform/WideText.h"
#include "resource.h"

namespace quillon::win32 {
namespace {

constexpr UINT_PTR kMenuTimer = 1;
constexpr UINT_PTR kBlinkTimer = 2;
constexpr UINT kShowPictureMessage = WM_APP;  // the window shows: now its picture
constexpr WORD kFromAccelerator = 1;  // the notification code of a WM_COMMAND from an accelerator

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
    CreateWindowExW(0, kWindowClass, WideFromText(kProgramName).c_str(), kWindowStyle,
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
                    sound_.Prepare();  // a message selected is what Hear plays
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
