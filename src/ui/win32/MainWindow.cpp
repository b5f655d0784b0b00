#include "MainWindow.h"

#include <commctrl.h>

#include "Fonts.h"
#include "InputBox.h"
#include "SearchProgressWindow.h"
#include "platform/WideText.h"
#include "resource.h"
#include "ui/Layout.h"
#include "voicemenu/Catalogue.h"

namespace quillon::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"QuillonForm1";
constexpr wchar_t kHotSpotClass[] = L"QuillonHotSpot";
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT_PTR kTimer2 = 2;
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Image2(k): draws nothing, so the picture behind it shows, and reports a click to the window.
LRESULT CALLBACK HotSpotProc(HWND spot, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(spot, &paint);
            EndPaint(spot, &paint);
            return 0;
        }
        case WM_LBUTTONUP:
            SendMessageW(GetParent(spot), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(spot), BN_CLICKED),
                         reinterpret_cast<LPARAM>(spot));
            return 0;
        default:
            return DefWindowProcW(spot, message, wParam, lParam);
    }
}

void RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = DefWindowProcW;  // replaced per window once it is created
    form.hInstance = instance;
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(QUILLON_ICON));
    form.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = kWindowClass;
    RegisterClassExW(&form);

    WNDCLASSEXW spot{};
    spot.cbSize = sizeof spot;
    spot.lpfnWndProc = HotSpotProc;
    spot.hInstance = instance;
    spot.hCursor = form.hCursor;
    spot.lpszClassName = kHotSpotClass;
    RegisterClassExW(&spot);
}

std::wstring Wide(const char* text) {
    return WideFromText(text);
}

std::wstring WindowText(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

MainWindow::MainWindow() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterClasses(instance);
    for (int16_t page = 1; page <= kPageCount; ++page) {
        pages_[page] = static_cast<HBITMAP>(LoadImageW(
            instance, MAKEINTRESOURCEW(QUILLON_FIRST_PAGE + page - 1), IMAGE_BITMAP, 0, 0, 0));
    }
    for (int font = 0; font < static_cast<int>(fonts_.size()); ++font) {
        fonts_[font] = CreateLayoutFont(static_cast<layout::Font>(font));
    }

    RECT frame{0, 0, layout::kClientWidth, layout::kClientHeight};
    AdjustWindowRectEx(&frame, kWindowStyle, TRUE, 0);
    window_ = CreateWindowExW(0, kWindowClass, Wide(layout::kTitle).c_str(), kWindowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
    BuildMenu();
    BuildControls();
    SetTimer(window_, kTimer1, layout::kTimer1Interval, nullptr);
    SetTimer(window_, kTimer2, layout::kTimer2Interval, nullptr);
}

MainWindow::~MainWindow() {
    progress_.reset();
    if (IsWindow(window_)) {
        DestroyWindow(window_);
    }
    if (accelerators_ != nullptr) {
        DestroyAcceleratorTable(accelerators_);
    }
    for (HBITMAP page : pages_) {
        if (page != nullptr) {
            DeleteObject(page);
        }
    }
    for (size_t font = 1; font < fonts_.size(); ++font) {
        DeleteObject(fonts_[font]);
    }
}

void MainWindow::BuildMenu() {
    const HMENU bar = CreateMenu();
    const HMENU file = CreatePopupMenu();
    const std::wstring item =
        Wide(layout::kExportItem.caption) + L"\t" + Wide(layout::kExportItem.shortcut);
    AppendMenuW(file, MF_STRING, kExportId, item.c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file),
                Wide(layout::kFileMenu.caption).c_str());
    SetMenu(window_, bar);
    ACCEL f12{FVIRTKEY, VK_F12, kExportId};
    accelerators_ = CreateAcceleratorTableW(&f12, 1);
}

// Children are created in tab order: the first created is first in the tab order and on top.
// The frame comes after the keypad and the picture after its hot-spots, so each lies behind
// what stands on it; the hot-spots are created from 7 down to 0, so a higher index lies in front.
void MainWindow::BuildControls() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    auto create = [&](const wchar_t* type, const std::wstring& text, DWORD style,
                      const layout::Rect& rect, int id, layout::Font font, int offsetX = 0,
                      int offsetY = 0) {
        const HWND control =
            CreateWindowExW(0, type, text.c_str(), WS_CHILD | WS_VISIBLE | style, rect.x + offsetX,
                            rect.y + offsetY, rect.width, rect.height, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_[static_cast<int>(font)]),
                     FALSE);
        return control;
    };
    const layout::Rect& frame = layout::kFrame1.rect;

    for (int16_t i = 0; i < static_cast<int16_t>(layout::kKeypad.size()); ++i) {
        const layout::KeypadButton& key = layout::kKeypad[i];
        create(WC_BUTTONW, Wide(key.caption), BS_PUSHBUTTON | BS_MULTILINE | WS_TABSTOP, key.rect,
               kKeypadId + i, key.font, frame.x, frame.y);
    }
    struct Placed {
        const char* name;
        const wchar_t* type;
        DWORD style;
        int id;
    };
    const Placed window[] = {
        {"List1", WC_LISTBOXW,
         WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY, kList1Id},
        {"Command2", WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, kCommand2Id},
        {"Command3", WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, kCommand3Id},
        {"Command4", WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, kCommand4Id},
        {"Label1", WC_STATICW, SS_CENTER, kLabel1Id},
    };
    for (const Placed& placed : window) {
        const layout::Control& control = *layout::FindControl(placed.name);
        create(placed.type, Wide(control.caption), placed.style, control.rect, placed.id,
               control.font);
    }
    for (const layout::Control& control : layout::kFrameControls) {
        const bool isLabel3 = std::string(control.name) == "Label3";
        create(WC_STATICW, Wide(control.caption), SS_CENTER | (isLabel3 ? WS_BORDER : 0),
               control.rect, isLabel3 ? kLabel3Id : -1, control.font, frame.x, frame.y);
    }
    create(WC_BUTTONW, Wide(layout::kFrame1.caption), BS_GROUPBOX, frame, -1, layout::kFrame1.font);

    for (int16_t k = kLinesPerPage - 1; k >= 0; --k) {
        CreateWindowExW(0, kHotSpotClass, L"", WS_CHILD | WS_VISIBLE, layout::kHotSpots[k].x,
                        layout::kHotSpots[k].y, layout::kHotSpots[k].width,
                        layout::kHotSpots[k].height, window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHotSpotId + k)), instance,
                        nullptr);
    }
    const layout::Control& image1 = *layout::FindControl("Image1");
    create(WC_STATICW, L"", SS_BITMAP | SS_REALSIZECONTROL | WS_BORDER, image1.rect, kImage1Id,
           layout::Font::Default);
    Image1ShowPage(kMainPage);
}

bool MainWindow::Load() {
    return form_.Form_Load();
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self != nullptr ? self->Handle(message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // The dialog keyboard handling sends Enter as IDOK: it presses the focused button,
            // and nothing else, since the window has no default button.
            if (LOWORD(wParam) == IDOK) {
                const HWND focus = GetFocus();
                wchar_t type[16] = {};
                if (focus != nullptr && GetParent(focus) == window_ &&
                    GetClassNameW(focus, type, 16) > 0 && lstrcmpiW(type, WC_BUTTONW) == 0) {
                    SendMessageW(focus, BM_CLICK, 0, 0);
                }
                return 0;
            }
            if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == 1 /* accelerator */) {
                OnCommand(LOWORD(wParam));
            }
            return 0;
        case WM_TIMER:
            if (wParam == kTimer1) {
                form_.Timer1_Timer();
            } else if (wParam == kTimer2) {
                form_.Timer2_Timer();
            }
            return 0;
        case WM_CLOSE:
            DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void MainWindow::OnCommand(int id) {
    if (id >= kKeypadId && id < kKeypadId + static_cast<int>(layout::kKeypad.size())) {
        form_.Command1_Click(static_cast<int16_t>(id - kKeypadId));
    } else if (id >= kHotSpotId && id < kHotSpotId + kLinesPerPage) {
        form_.Image2_Click(static_cast<int16_t>(id - kHotSpotId));
    } else if (id == kCommand2Id) {
        form_.Command2_Click();
    } else if (id == kCommand3Id) {
        form_.Command3_Click();
    } else if (id == kCommand4Id) {
        form_.Command4_Click();
    } else if (id == kExportId) {
        form_.mnuexport_Click();
    }
}

void MainWindow::List1Clear() {
    SendMessageW(Control(kList1Id), LB_RESETCONTENT, 0, 0);
}

void MainWindow::List1Append(const std::string& text) {
    SendMessageW(Control(kList1Id), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(WideFromText(text).c_str()));
}

int16_t MainWindow::List1Count() const {
    return static_cast<int16_t>(SendMessageW(Control(kList1Id), LB_GETCOUNT, 0, 0));
}

int16_t MainWindow::List1SelectedIndex() const {
    const LRESULT selected = SendMessageW(Control(kList1Id), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? int16_t{-1} : static_cast<int16_t>(selected);
}

std::string MainWindow::List1Text(int16_t index) const {
    const HWND list = Control(kList1Id);
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) {
        return {};
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return TextFromWide(text);
}

void MainWindow::List1Remove(int16_t index) {
    SendMessageW(Control(kList1Id), LB_DELETESTRING, index, 0);
}

void MainWindow::Label1SetCaption(const std::string& text) {
    SetWindowTextW(Control(kLabel1Id), WideFromText(text).c_str());
}

void MainWindow::Label3SetCaption(const std::string& text) {
    SetWindowTextW(Control(kLabel3Id), WideFromText(text).c_str());
}

void MainWindow::Image1ShowPage(int16_t page) {
    if (page < 1 || page > kPageCount) {
        return;
    }
    const HWND image = Control(kImage1Id);
    if (reinterpret_cast<HBITMAP>(SendMessageW(image, STM_GETIMAGE, IMAGE_BITMAP, 0)) !=
        pages_[page]) {
        SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pages_[page]));
    }
}

std::string MainWindow::Command1Caption(int16_t index) const {
    return TextFromWide(WindowText(Control(kKeypadId + index)));
}

void MainWindow::Command1SetVisible(int16_t index, bool visible) {
    ShowWindow(Control(kKeypadId + index), visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::Command3SetEnabled(bool enabled) {
    EnableWindow(Control(kCommand3Id), enabled ? TRUE : FALSE);
}

void MainWindow::ShowMessageBox(const std::string& text, const std::string& title) {
    MessageBoxW(BoxOwner(), WideFromText(text).c_str(), WideFromText(title).c_str(), MB_OK);
}

std::string MainWindow::ShowInputBox(const std::string& prompt, const std::string& title,
                                     const std::string& defaultAnswer) {
    return TextFromWide(RunInputBox(BoxOwner(), WideFromText(prompt), WideFromText(title),
                                    WideFromText(defaultAnswer)));
}

bool MainWindow::ReportSearchProgress(const SearchProgress& progress) {
    if (!progress_) {
        progress_ = std::make_unique<SearchProgressWindow>(nullptr);
    }
    return progress_->Update(progress);
}

void MainWindow::EndSearchProgress() {
    progress_.reset();
}

void MainWindow::EndProgram() {
    PostQuitMessage(0);
}

}  // namespace quillon::win32
