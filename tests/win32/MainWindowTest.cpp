#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <process.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "AnswerBox.h"
#include "Com.h"
#include "MainWindow.h"
#include "MenuGeometry.h"
#include "ScriptText.h"
#include "TempFolder.h"
#include "TestRegistryKey.h"
#include "ZipMaker.h"
#include "platform/WideText.h"
#include "resource.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using layout::Role;
using test::ReadFile;
using test::WriteFile;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using win32::MainWindow;

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// A line of a list box, and all of them.
std::wstring ItemOf(HWND list, LRESULT row) {
    std::wstring item(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)), L' ');
    SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(item.data()));
    return item;
}
std::vector<std::wstring> ItemsOf(HWND list) {
    std::vector<std::wstring> items;
    for (LRESULT row = 0; row < SendMessageW(list, LB_GETCOUNT, 0, 0); ++row) {
        items.push_back(ItemOf(list, row));
    }
    return items;
}

constexpr int kMessageTextId = 0xFFFF;  // the text of a message box

bool IsButton(HWND control) {
    wchar_t name[16] = {};
    return control != nullptr && GetClassNameW(control, name, 16) > 0 &&
           std::wstring(name) == L"Button";
}

// Waits for a shown box with that title and a child of that class (an edit field of an input box
// or the folder picker, the list of choices), or else a message text or the buttons of a
// question. nullptr after 5 s.
HWND WaitForBox(const std::wstring& title, const wchar_t* field = nullptr) {
    for (int waited = 0; waited < 5000; waited += 10) {
        for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", title.c_str()); box != nullptr;
             box = FindWindowExW(nullptr, box, L"#32770", title.c_str())) {
            const bool fits = field != nullptr
                                  ? FindWindowExW(box, nullptr, field, nullptr) != nullptr
                                  : GetDlgItem(box, kMessageTextId) != nullptr ||
                                        IsButton(GetDlgItem(box, win32::kFirstAnswerId));
            if (fits && IsWindowVisible(box)) {
                return box;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return nullptr;
}

// Types into a box's edit field, over what it holds, and presses Enter, as a keyboard would.
void Type(HWND box, const std::wstring& text) {
    const HWND edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
    for (const wchar_t typed : text) {
        PostMessageW(edit, WM_CHAR, typed, 1);
    }
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
}

// Answers the next box with that title on a thread of its own, while the window's thread waits
// inside the box. A message box is read and closed with `button`. A box with an edit field (an
// input box, the folder picker) gets `typed` and Enter, then OK until it closes (the picker
// opens the folder typed first), or `button` when nothing is to be typed; the text is then what
// the edit field offered. IDCLOSE closes a box with its close button.
class BoxAnswerer {
  public:
    BoxAnswerer(std::wstring title, int button = IDOK, std::optional<std::wstring> typed = {})
        : thread_([this, title = std::move(title), button, typed = std::move(typed)] {
              const HWND box = WaitForBox(title, typed ? L"Edit" : nullptr);
              if (box == nullptr) {
                  return;
              }
              const wchar_t* field = typed && typed->empty() ? L"Edit" : L"Static";
              text_ = typed ? TextOf(FindWindowExW(box, nullptr, field, nullptr))
                            : TextOf(GetDlgItem(box, kMessageTextId));
              if (!typed || typed->empty()) {
                  button == IDCLOSE ? PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0)
                                    : PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
                  return;
              }
              Type(box, *typed);
              for (int waited = 0; waited < 3000 && IsWindow(box); waited += 100) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(100));
                  if (IsWindow(box)) {
                      PostMessageW(box, WM_COMMAND, IDOK, 0);
                  }
              }
          }) {}
    ~BoxAnswerer() { Text(); }

    std::wstring Text() {  // once answered
        if (thread_.joinable()) {
            thread_.join();
        }
        return text_;
    }

  private:
    std::wstring text_;
    std::thread thread_;
};

// Does what opens a box and answers the box, as BoxAnswerer does; what the box said or offered.
std::wstring Answer(const std::function<void()>& open, std::wstring title, int button = IDOK,
                    std::optional<std::wstring> typed = {}) {
    BoxAnswerer answer(std::move(title), button, std::move(typed));
    open();
    return answer.Text();
}

// Lets the window handle its messages, timer ticks included: for a while, or until the
// condition holds (ten seconds at the most: a machine under load may be slow to tick).
bool Pump(int milliseconds, const std::function<bool()>& until = nullptr) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end && !(until && until())) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
    return !until || until();
}
bool PumpUntil(const std::function<bool()>& condition) {
    return Pump(10000, condition);
}

// A press of the left button on one window and its release on another, at points of theirs.
void PressAndRelease(HWND pressed, POINT at, HWND released, POINT releasedAt) {
    SendMessageW(pressed, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(released, WM_LBUTTONUP, 0, MAKELPARAM(releasedAt.x, releasedAt.y));
}

RECT PlaceOf(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return place;
}

class Win32WindowTest : public ::testing::Test {
  protected:
    Win32WindowTest() {
        WriteFile(folder / "qmscript.txt", "// test\r\n");
        fs::create_directory(folder / "game");
        WriteFile(folder / "game/mp_pak0.pk3", "");  // a folder of the first game
        WriteFile(folder / "qm.cfg", folder.Text() + "game\\\r\n");
        EXPECT_TRUE(window.TheForm().OnStart());
        ShowWindow(window.Handle(), SW_SHOW);
        Pump(100);
    }

    HWND Control(int id) { return GetDlgItem(window.Handle(), id); }
    HWND Control(Role role) { return Control(MainWindow::IdOf(role)); }
    HWND Key(int key) { return Control(MainWindow::kKeypadId + key); }
    void Click(HWND button) {
        SendMessageW(button, BM_CLICK, 0, 0);
        Pump(10);
    }
    void Click(Role role) { Click(Control(role)); }

    // The control in front at a point of the client area, and the point in its own terms.
    std::pair<HWND, POINT> At(int x, int y) {
        const HWND target = ChildWindowFromPointEx(window.Handle(), POINT{x, y}, CWP_SKIPINVISIBLE);
        POINT local{x, y};
        MapWindowPoints(window.Handle(), target, &local, 1);
        return {target, local};
    }
    void ClickAt(int x, int y) {
        const auto [target, local] = At(x, y);
        PressAndRelease(target, local, target, local);
    }
    void ClickLine(int line, Game game = Game::ReturnToCastleWolfenstein) {
        ClickAt(test::kMenuLineColumn, test::MenuLineRow(line, game));
        EXPECT_TRUE(WaitForTick());
    }
    bool WaitForTick() {
        return PumpUntil([&] { return Menu().CurrentState() != MenuNavigator::State::LinePicked; });
    }
    // Medic on key 5, with the teams' tones in the game folder.
    void MedicOnKeyFive() {
        WriteFile(folder / "game/mp_pak0.pk3", test::TeamTonesPak());
        Click(Control(MainWindow::kKeypadId + 5));
        Click(Role::AssignButton);
        ClickLine(2);
        ClickLine(1);
    }
    const MenuNavigator& Menu() { return window.TheForm().Menu(); }

    // A key pressed on the focused control: first the program's shortcuts, then the dialog
    // keyboard handling, as the message loop of the program does.
    void PressKey(WPARAM key) {
        MSG down{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
        if (!TranslateAcceleratorW(window.Handle(), window.Accelerators(), &down)) {
            IsDialogMessageW(window.Handle(), &down);
        }
        Pump(10);
    }
    // Tab moves to any control that takes the focus, the keys of the keypad first.
    bool TabTo(HWND control) {
        for (int tabs = 0; tabs < 40 && GetFocus() != control; ++tabs) {
            PressKey(VK_TAB);
        }
        return GetFocus() == control;
    }
    // Assign, then the game's digits (or the keypad's), each acted on by a menu tick.
    void Say(std::initializer_list<WPARAM> keys) {
        Click(Role::AssignButton);
        for (const WPARAM key : keys) {
            PressKey(key);
            EXPECT_TRUE(WaitForTick());
        }
    }
    void Choose(layout::Command command) {
        SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(MainWindow::IdOf(command), 0), 0);
    }
    // The command chosen from the menu bar, and the box it opens answered as BoxAnswerer does.
    std::wstring Choose(layout::Command command, std::wstring box, int button = IDOK,
                        std::optional<std::wstring> typed = {}) {
        return Answer([&] { Choose(command); }, std::move(box), button, std::move(typed));
    }

    test::TempFolder folder;
    MainWindow window{folder.environment};
};

// What a screen reader says of a control: its name, or its description.
std::wstring Spoken(HWND control, bool description = false) {
    void* found = nullptr;
    AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                               &found);
    const win32::ComHolder<IAccessible> object(static_cast<IAccessible*>(found));
    VARIANT self{};
    self.vt = VT_I4;  // and CHILDID_SELF: the control itself
    BSTR name = nullptr;
    if (object) {
        description ? object->get_accDescription(self, &name) : object->get_accName(self, &name);
    }
    const std::wstring text = name != nullptr ? name : L"(no name)";
    SysFreeString(name);
    return text;
}

// The colour of a point of a control as it shows now, or as it paints itself afresh.
COLORREF ColourAt(HWND control, POINT point, bool repaint = true) {
    if (repaint) {
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    const HDC dc = GetDC(control);
    const COLORREF colour = GetPixel(dc, point.x, point.y);
    ReleaseDC(control, dc);
    return colour;
}

// A point of a key's left edge, or of its top right corner.
POINT PointOf(HWND key, bool corner) {
    RECT area{};
    GetClientRect(key, &area);
    return corner ? POINT{area.right - 2, 1} : POINT{0, area.bottom / 2};
}

// The tooltip window of the window; none before it has one.
HWND TooltipWindowOf(HWND window) {
    for (HWND tip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tip != nullptr;
         tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) {
        if (GetWindow(tip, GW_OWNER) == window) {
            return tip;
        }
    }
    return nullptr;
}

// The tooltip of a control of the window.
std::wstring TooltipOf(HWND window, HWND control) {
    wchar_t text[256] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    SendMessageW(TooltipWindowOf(window), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    return text;
}

// The mouse comes to rest in the middle of a control.
void RestMouseOn(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    SendMessageW(control, WM_MOUSEMOVE, 0,
                 MAKELPARAM((place.right - place.left) / 2, (place.bottom - place.top) / 2));
}

// The road by keys alone, as a screen reader hears it, and by mouse: a key tabbed to and pressed
// is current; the game's digits pick messages, and the lines clicked open a page and pick one;
// Delete, the key on the list or the button, takes only the line picked; F12 exports. Then the
// File and Help menus, after whose boxes the keyboard is where it was: About; Game Folder...
// cancelled; and the end of the session and Exit, which ask while something would be lost:
// Cancel keeps the session and the window, No closes it.
TEST_F(Win32WindowTest, TheRoadByKeysAndByMouseToTheScriptAboutAndExit) {
    SetFocus(Key(0));
    const HWND key = Key(5);
    ASSERT_TRUE(TabTo(key));
    EXPECT_EQ(SendMessageW(window.Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS, 0);
    EXPECT_EQ(Spoken(key), L"Keypad 8");
    EXPECT_EQ(Spoken(Control(Role::AssignButton)), L"Assign Voice Command") << "no access key mark";
    EXPECT_FALSE(IsWindowVisible(Control(MainWindow::kMenuLineId + 9))) << "no such line";
    PressKey(VK_RETURN);
    EXPECT_EQ(window.TheForm().CurrentKey(), 5);
    EXPECT_TRUE(PumpUntil([&] { return TextOf(Control(Role::CurrentKey)) == L"8"; }));
    // Unlit by the blink, the key keeps the focus and its place; Enter presses it again.
    ASSERT_TRUE(PumpUntil([&] { return !window.IsKeyLit(5); })) << "it blinks";
    EXPECT_EQ(GetFocus(), key);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(ColourAt(key, PointOf(key, false)), face) << "unlit: no button";
    EXPECT_FALSE(ColourAt(key, {4, 3}) == face && ColourAt(key, {5, 3}, false) == face)
        << "but its dotted focus mark";
    EXPECT_NE(ColourAt(Key(6), PointOf(key, false)), face) << "another key is lit";
    PressKey(VK_RETURN);
    EXPECT_EQ(window.TheForm().CurrentKey(), 5);
    const HWND list = Control(Role::AssignmentList);
    EXPECT_EQ(Spoken(list), L"Messages of keypad 8");
    EXPECT_EQ(Spoken(Control(Role::CurrentKey)), L"Current key: Keypad 8");

    // Assign, then the game's digits: 2 for Requests, 1 for Medic; the picture reads its page.
    const HWND picture = Control(Role::MenuPicture);
    ASSERT_TRUE(TabTo(Control(Role::AssignButton)));
    PressKey(VK_RETURN);
    PressKey('2');
    ASSERT_TRUE(WaitForTick());
    EXPECT_THAT(Spoken(picture), StartsWith(L"Requests: 1 Medic!, 2 Ammo!, 3 I need backup!"));
    PressKey('1');
    ASSERT_TRUE(WaitForTick());
    EXPECT_THAT(Spoken(picture), StartsWith(L"Voice chat: 1 Statements, 2 Requests")) << "again";
    // By mouse: Assign, and the lines clicked: the Requests page, Ammo.
    const HWND cancel = Control(Role::CancelButton);
    Click(Role::AssignButton);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(cancel) != FALSE; }));
    const auto shown = [&] { return SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0); };
    const LRESULT mainPage = shown();
    ClickLine(2);
    EXPECT_NE(shown(), mainPage) << "the Requests page";
    ClickLine(2);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowEnabled(cancel); }));
    // The second line chosen on the list and deleted with the Delete key.
    ASSERT_TRUE(TabTo(list));
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_DELETE);
    ASSERT_EQ(ItemsOf(list), std::vector<std::wstring>{L"Medic"});
    // Ammo again, the game's way: Requests on the main row, Ammo on the keypad; the player clicks
    // that second line and presses Delete twice: only that line goes.
    Say({'2', VK_NUMPAD2});
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    const POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    PressAndRelease(list, middle, list, middle);
    ASSERT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
    Click(Role::DeleteButton);
    Click(Role::DeleteButton);
    EXPECT_EQ(ItemsOf(list), std::vector<std::wstring>{L"Medic"});
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(window.TheForm().Keys().At(5, 0)->Label(), "Medic");
    BoxAnswerer stay(L"Quillon", IDCANCEL);
    EXPECT_EQ(SendMessageW(window.Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_FALSE(stay.Text().empty());
    EXPECT_TRUE(IsWindow(window.Handle()));
    Answer([&] { PressKey(VK_F12); }, L"Script compilation sucessful");
    EXPECT_EQ(ReadFile(folder / "game/qmvc.cfg"), "// test\r\n" + test::RoadScriptBody());

    SetFocus(list);
    const std::wstring about = Choose(layout::Command::About, L"About Quillon");
    EXPECT_THAT(about, StartsWith(L"Quillon " QUILLON_VERSION_WIDE L"\n"));
    EXPECT_THAT(about, HasSubstr(L"GNU General Public License"));
    EXPECT_TRUE(Pump(50, [&] { return GetFocus() == list; }));
    SetFocus(Key(3));
    Choose(layout::Command::ChooseGameFolder, L"Choose the game folder", IDCANCEL, L"");
    EXPECT_TRUE(Pump(50, [&] { return GetFocus() == Key(3); }));
    EXPECT_EQ(window.TheForm().ScriptFolder(), folder.Text() + "game\\");
    Say({'1', '1'});  // something to lose again
    EXPECT_FALSE(Choose(layout::Command::Exit, L"Quillon", IDNO).empty());
    EXPECT_FALSE(IsWindow(window.Handle()));
    EXPECT_EQ(ReadFile(folder / "game/qmvc.cfg"), "// test\r\n" + test::RoadScriptBody());
}

TEST_F(Win32WindowTest, WhatMustDoNothingDoesNothing) {
    EXPECT_EQ(Answer([&] { Click(Key(0)); }, L"Quillon"),
              L"Num Lock cannot be scripted with Quillon...");
    EXPECT_EQ(window.TheForm().CurrentKey(), 1);
    PressKey('2');  // a digit outside an assignment
    SetFocus(Control(Role::AssignmentList));
    PressKey(VK_RETURN);  // Enter and Esc on a control that is no button
    PressKey(VK_ESCAPE);
    Pump(2 * layout::kMenuTickInterval);
    EXPECT_FALSE(Menu().InProgress());

    SetFocus(Control(Role::AssignButton));
    PressKey(VK_RETURN);
    EXPECT_TRUE(Menu().InProgress());
    // Cancel, tabbed to, is disabled as the selection ends: the keyboard stays in the window.
    const HWND cancel = Control(Role::CancelButton);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(cancel) != FALSE; }));
    SetFocus(cancel);
    PressKey(VK_ESCAPE);
    Pump(2 * layout::kMenuTickInterval);
    EXPECT_TRUE(Menu().InProgress()) << "Cancel is no Esc button";
    PressKey(VK_RETURN);
    EXPECT_FALSE(Menu().InProgress());
    EXPECT_TRUE(PumpUntil(
        [&] { return !IsWindowEnabled(cancel) && IsChild(window.Handle(), GetFocus()); }));
    SetFocus(Control(Role::AssignmentList));
    const MSG accessKey{GetFocus(), WM_SYSCHAR, 'a', 1 << 29, 0, {}};  // Alt+A
    IsDialogMessageW(window.Handle(), const_cast<MSG*>(&accessKey));
    EXPECT_TRUE(Menu().InProgress()) << "the Assign button's access key";

    // Clicks above, between and below the lines and right of them; a press on one line, or on
    // the picture, let go on another; a release off the line that holds the mouse.
    for (const int row : {130, 160, 181, 241, 260, 310}) {
        ClickAt(test::kMenuLineColumn, row);
    }
    ClickAt(221, 150);
    const auto [first, firstAt] = At(test::kMenuLineColumn, test::MenuLineRow(1));
    const auto [third, thirdAt] = At(test::kMenuLineColumn, test::MenuLineRow(3));
    const auto [picture, pictureAt] = At(221, 150);
    ASSERT_NE(first, third);
    PressAndRelease(first, firstAt, third, thirdAt);
    PressAndRelease(picture, pictureAt, third, thirdAt);
    PressAndRelease(first, firstAt, first, POINT{firstAt.x, firstAt.y + 40});
    Pump(3 * layout::kMenuTickInterval);
    EXPECT_EQ(Menu().CurrentState(), MenuNavigator::State::Waiting);
    EXPECT_EQ(Menu().Page(), 1);

    ClickAt(test::kMenuLineColumn, 201);  // lines 3 and 4 share this row; 4, in front, takes it
    EXPECT_TRUE(WaitForTick());
    EXPECT_EQ(Menu().Page(), 5);
    Click(Role::CancelButton);
    EXPECT_EQ(Menu().Page(), 1);
}

// Hear, by the mouse and by F3, in the voice chosen from the Edit menu; the selected line's
// tooltip and description give what the team reads. The status bar says which sound played, or
// that it was silent where Wine has no audio output.
TEST_F(Win32WindowTest, HearPlaysTheSelectedMessageAndTheStatusBarSaysWhich) {
    MedicOnKeyFive();
    const HWND list = Control(Role::AssignmentList);
    const HWND status = Control(MainWindow::kStatusBarId);
    EXPECT_EQ(Spoken(Control(Role::HearButton)), L"Hear");
    Click(Role::HearButton);
    EXPECT_EQ(TextOf(status), L"Select a message of the key's list to hear it.");
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    PressAndRelease(list, middle, list, middle);
    EXPECT_EQ(TooltipOf(window.Handle(), list), L"Medic!\nI need a medic!");
    EXPECT_EQ(Spoken(list, true), L"Medic!\nI need a medic!");
    Click(Role::HearButton);
    EXPECT_EQ(TextOf(status).rfind(L"Allies, 1 of 2: Medic!", 0), 0U)
        << TextFromWide(TextOf(status));
    PressKey(VK_F3);
    EXPECT_EQ(TextOf(status).rfind(L"Allies, 2 of 2: I need a medic!", 0), 0U)
        << TextFromWide(TextOf(status));
    Choose(layout::Command::TeamVoiceAxis);
    EXPECT_EQ(TooltipOf(window.Handle(), list), L"Sanitaeter!");
    EXPECT_EQ(ReadFile(folder / "qm.cfg"), folder.Text() + "game\\\r\nTeamVoice=Axis\r\n");
}

// Run by tests/audio/through-pulseaudio.sh, which records the audio server's only output: Wine
// plays through it, and it must hear the Axis tone, not the Allies one.
TEST_F(Win32WindowTest, DISABLED_HearsTheTeamsOwnSoundThroughTheAudioServer) {
    MedicOnKeyFive();
    Choose(layout::Command::TeamVoiceAxis);
    SendMessageW(Control(Role::AssignmentList), LB_SETCURSEL, 0, 0);
    Click(Role::HearButton);
    EXPECT_EQ(TextOf(Control(MainWindow::kStatusBarId)), L"Axis, 1 of 1: Sanitaeter!");
    Pump(1500);  // the sound plays out before the window closes
}

// Closing the question about changes a window left behind (its close button) is no answer: they
// wait for the next start; only No discards them.
TEST_F(Win32WindowTest, ClosingTheRestoreQuestionKeepsTheChanges) {
    Say({'2', '1'});
    fs::copy_file(folder / "qmrecovery.cfg", folder / "qmrecovery-9.cfg");  // a window that ended
    for (const int button : {IDCLOSE, win32::kFirstAnswerId + 1}) {
        MainWindow next(folder.environment);
        BoxAnswerer answered(L"Quillon", button);
        ASSERT_TRUE(next.TheForm().OnStart());
        answered.Text();
        EXPECT_EQ(fs::exists(folder / "qmrecovery-9.cfg"), button == IDCLOSE) << button;
    }
}

// Game Folder... with ET: Legacy's user folder typed into it, where the status bar names the game
// and the game's own binds are marked, and messages picked by digits (line 10 by 0) and by clicks,
// and a class typed into its box with a text of the player's own given by F2, reach the script
// byte for byte; Load Script at Game Start; F2 again on the first of two lines.
TEST_F(Win32WindowTest, TheOtherGamesFolderChosenFromTheFileMenu) {
    fs::create_directories(folder / "ETLegacy/etmain");
    const std::wstring territory = WideFromText(folder.Text() + "ETLegacy\\etmain");
    Choose(layout::Command::ChooseGameFolder, L"Choose the game folder", IDOK, territory);
    EXPECT_EQ(WideFromText(window.TheForm().ScriptFolder()), territory + L"\\");
    EXPECT_EQ(TextOf(window.Handle()), L"Quillon");
    const HWND status = Control(MainWindow::kStatusBarId);
    EXPECT_EQ(Spoken(status), L"ET: Legacy, game folder " + territory + L"\\");
    EXPECT_EQ(TextOf(status), Spoken(status));
    EXPECT_TRUE(IsWindowVisible(Control(MainWindow::kMenuLineId + 10)));
    // The game's own binds, marked for this folder at once: the fire team's keys.
    const HWND fireTeam = Key(11);
    const auto marked = [&](bool repaint) {
        return ColourAt(fireTeam, PointOf(fireTeam, true), repaint) == GetSysColor(COLOR_HIGHLIGHT);
    };
    Pump(50);
    EXPECT_TRUE(marked(false));
    EXPECT_EQ(Spoken(fireTeam, true), L"In the game: fire team, select member 1");
    EXPECT_EQ(TooltipOf(window.Handle(), fireTeam), L"In the game: fire team, select member 1");
    RestMouseOn(fireTeam);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(TooltipWindowOf(window.Handle())); }))
        << "the mouse resting on the key shows its tooltip";
    RestMouseOn(Control(Role::AssignButton));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(TooltipWindowOf(window.Handle())); }))
        << "and leaving it hides it";

    Click(Key(1));
    Say({'1', '0'});
    Say({'3', '9'});
    Click(Role::AssignButton);
    ClickLine(7, Game::EnemyTerritory);
    ClickLine(10, Game::EnemyTerritory);
    // The class asked for while Cancel has the keyboard: Cancel, disabled once the class is given,
    // passes it on to a control that takes it.
    Click(Key(2));
    Click(Role::AssignButton);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(Control(Role::CancelButton)) != FALSE; }));
    SetFocus(Control(Role::CancelButton));
    const auto classAsked = [&] {
        PressKey('6');
        EXPECT_TRUE(WaitForTick());
    };
    EXPECT_THAT(Answer(classAsked, L"Select a class", IDOK, L"c"),
                HasSubstr(L"(F)-Field Ops  (C)-Covert Ops"));
    EXPECT_TRUE(PumpUntil([&] { return window.TheForm().Keys().UsedCount(2) == 1; }));
    EXPECT_TRUE(IsChild(window.Handle(), GetFocus()) && IsWindowEnabled(GetFocus()));
    // The class's line chosen, F2, a text typed and Enter: the list shows it beside the label.
    const HWND list = Control(Role::AssignmentList);
    SetFocus(list);
    const auto textOf = [&](WPARAM row, int button, const std::wstring& typed) {
        PressKey(row);
        return Answer([&] { PressKey(VK_F2); }, L"Text of the message", button, typed);
    };
    textOf(VK_DOWN, IDOK, L"cover me at the gate");
    const std::wstring covertOps = L"I'm a Covert Ops \"cover me at the gate\"    1     99";
    EXPECT_EQ(ItemOf(list, 0), covertOps);
    // A template that binds keypad 1: the export asks, and No leaves that key to the game.
    WriteFile(folder / "qmscript.txt", "// test\r\nbind KP_END \"vstr try11bb\"\r\n");
    BoxAnswerer leave(L"Quillon", win32::kFirstAnswerId + 1);  // Leave Them to the Game
    Answer([&] { PressKey(VK_F12); }, L"Script compilation sucessful");
    EXPECT_EQ(ReadFile(folder / "ETLegacy/etmain/qmvc.cfg"),
              "// test\r\n" + test::EnemyTerritoryScriptBody());

    // Load Script at Game Start puts the line into an autoexec.cfg, where ET: Legacy looks
    // first, and shows its check mark. Give the Keys Back: one box, and Yes takes the line out.
    const auto checked = [&] {
        const auto id = static_cast<UINT>(MainWindow::IdOf(layout::Command::LoadScriptAtGameStart));
        return (GetMenuState(GetMenu(window.Handle()), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    EXPECT_FALSE(checked());
    Choose(layout::Command::LoadScriptAtGameStart);
    EXPECT_EQ(ReadFile(folder / "ETLegacy/legacy/autoexec.cfg"), "exec qmvc\r\n");
    EXPECT_TRUE(checked());
    EXPECT_THAT(Choose(layout::Command::GiveKeysBack, L"Quillon", IDYES),
                HasSubstr(L"Give the game its keys back?"));
    EXPECT_EQ(ReadFile(folder / "ETLegacy/legacy/autoexec.cfg"), "");
    EXPECT_FALSE(checked());

    // F2 on the first of two lines: the box offers its text and Cancel keeps it; a new text stays
    // in the line's place, selected.
    Say({'4', '1'});
    SetFocus(list);
    EXPECT_EQ(textOf(VK_HOME, IDCANCEL, L""), L"cover me at the gate");
    EXPECT_EQ(ItemOf(list, 0), covertOps);
    textOf(VK_HOME, IDOK, L"at the gate");
    EXPECT_EQ(ItemsOf(list),
              (std::vector<std::wstring>{L"I'm a Covert Ops \"at the gate\"    1     99", L"Yes"}));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
    // Unmarked at once; the last key blinks as the first does.
    window.ShowGameBinding(11, "");
    Pump(50);
    EXPECT_FALSE(marked(false));
    EXPECT_FALSE(marked(true));
    EXPECT_EQ(TooltipOf(window.Handle(), fireTeam), L"");
    const HWND last = Key(kKeyCount - 1);
    Click(last);
    ASSERT_TRUE(PumpUntil([&] { return !window.IsKeyLit(kKeyCount - 1); }));
    EXPECT_EQ(ColourAt(last, PointOf(last, false)), GetSysColor(COLOR_BTNFACE));
}

// A second start opens beside the first, shown, minimized or still asking at its start, the
// place of a window closed opens the next, and a remembered place on no display (one that is
// gone) or no place at all opens on the display.
TEST_F(Win32WindowTest, ASecondStartOpensBesideTheFirstAndAPlaceIsRemembered) {
    const RECT first = PlaceOf(window.Handle());
    RECT moved{};
    // Minimized, or not shown yet while its start asks something, a window keeps its place.
    ShowWindow(window.Handle(), SW_MINIMIZE);
    {
        const MainWindow asking(folder.environment);
        const RECT beside = PlaceOf(asking.Handle());
        EXPECT_GT(beside.left, first.left);
        EXPECT_GT(PlaceOf(MainWindow(folder.environment).Handle()).left, beside.left);
    }
    ShowWindow(window.Handle(), SW_RESTORE);
    {
        MainWindow second(folder.environment);
        ASSERT_TRUE(second.TheForm().OnStart());
        ShowWindow(second.Handle(), SW_SHOW);
        const RECT beside = PlaceOf(second.Handle());
        EXPECT_GT(beside.left, first.left);
        EXPECT_GT(beside.top, first.top);
        SetWindowPos(second.Handle(), nullptr, beside.left + 50, beside.top + 40, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
        moved = PlaceOf(second.Handle());
        SendMessageW(second.Handle(), WM_CLOSE, 0, 0);
    }
    Pump(10);  // the closed window's quit message
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    test::TestRegistryKey settings(L"Software\\Quillon");
    for (const std::wstring remembered : {L"", L"30000 30000 30600 30400", L"bottom left"}) {
        if (!remembered.empty()) {
            settings.Set(L"WindowPlace", remembered);
        }
        const RECT place = PlaceOf(MainWindow(folder.environment).Handle());
        EXPECT_TRUE(!remembered.empty() || (place.left == moved.left && place.top == moved.top));
        RECT shown{};
        EXPECT_TRUE(IntersectRect(&shown, &place, &screen)) << remembered;
        EXPECT_TRUE(place.left != first.left || place.top != first.top) << remembered;
    }
}

// The icon holds an image drawn for each size the desktop asks for: none is scaled.
TEST(Win32Icon, HoldsAnImageForEachSize) {
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(QUILLON_ICON), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    // The group's header: reserved, type, count; then 14 bytes to an image, its width first.
    const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    std::vector<int> sizes;
    for (int k = 0; k < group[4]; ++k) {
        sizes.push_back(group[6 + 14 * k] == 0 ? 256 : group[6 + 14 * k]);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 64, 256}));
}

// The display's dpi, which Wine reads from the registry as each program starts. Only the tests'
// own Wine prefix is changed, and set back to the standard after.
void SetDisplayDpi(DWORD dpi) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                    sizeof dpi);
}

bool AtAnotherDpi() {
    return GetEnvironmentVariableW(L"QUILLON_TEST_AT_ANOTHER_DPI", nullptr, 0) != 0;
}

// Runs the test that calls it again in a program of its own, which starts at `dpi`, and expects
// it to pass; false when this is that program.
bool RanAtDpi(DWORD dpi) {
    if (AtAnotherDpi()) {
        return false;
    }
    const char* test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    SetDisplayDpi(dpi);
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    _wputenv(L"QUILLON_TEST_AT_ANOTHER_DPI=1");
    const std::wstring filter = WideFromText(std::string("--gtest_filter=*.") + test);
    EXPECT_EQ(_wspawnl(_P_WAIT, self, L"tests", filter.c_str(), nullptr), 0) << dpi << " dpi";
    _wputenv(L"QUILLON_TEST_AT_ANOTHER_DPI=");
    SetDisplayDpi(96);
    return true;
}

LONG FontHeightOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font.lfHeight;
}

// At a display's dpi the window's inside is laid out at the largest scale that fits, at most the
// display's, fonts too, and all of it shows, the window whole on the display. At 192 dpi all is
// twice the size, and a click lands on the menu line under the mouse; moved to a 96-dpi display,
// the window is as at first, where the system puts it. At 480 dpi it would not fit the tests'
// display of 1280 x 1024 pixels, and its frame, title and menu bar take so much of the height
// that the height decides; last closed near the bottom at 96 dpi, grown, it is moved up.
TEST_F(Win32WindowTest, AtEachDpiTheWindowIsAsLargeAsFitsAndWhole) {
    if (!AtAnotherDpi()) {
        RanAtDpi(192);
        test::TestRegistryKey settings(L"Software\\Quillon");
        settings.Set(L"WindowPlace", L"0 600 497 990");
        RanAtDpi(480);
        return;
    }
    MONITORINFO display{};
    display.cbSize = sizeof display;
    ASSERT_TRUE(
        GetMonitorInfoW(MonitorFromWindow(window.Handle(), MONITOR_DEFAULTTONEAREST), &display));
    const RECT place = PlaceOf(window.Handle());
    EXPECT_TRUE(place.left >= display.rcWork.left && place.top >= display.rcWork.top &&
                place.right <= display.rcWork.right && place.bottom <= display.rcWork.bottom)
        << "window " << place.left << "," << place.top << " to " << place.right << ","
        << place.bottom;
    const auto inClient = [&](HWND control) {
        RECT shown = PlaceOf(control);
        MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&shown), 2);
        return shown;
    };
    RECT inside{};
    GetClientRect(window.Handle(), &inside);
    for (const layout::Control& control : layout::kControls) {
        const RECT shown = inClient(Control(control.role));
        EXPECT_TRUE(shown.right <= inside.right && shown.bottom <= inside.bottom) << control.name;
    }
    const int layoutDpi = MulDiv(inside.right, layout::kDotsPerInch, layout::kClientWidth);
    EXPECT_EQ(FontHeightOf(Control(Role::AssignButton)), -MulDiv(8, layoutDpi, 72))
        << "8 points at " << layoutDpi << " dpi";
    if (window.Dpi() == 480U) {
        EXPECT_GT(inside.right, 2 * layout::kClientWidth) << "as large as fits, more than 192 dpi";
        return;
    }
    ASSERT_EQ(window.Dpi(), 192U);
    EXPECT_EQ(std::pair(inside.right, inside.bottom),
              std::pair(2L * layout::kClientWidth, 2L * layout::kInsideHeight))
        << "window " << place.right - place.left << " x " << place.bottom - place.top;
    const layout::Rect& wanted = layout::ControlFor(Role::AssignButton).rect;
    EXPECT_EQ(inClient(Control(Role::AssignButton)).left, 2 * wanted.x);
    EXPECT_EQ(inClient(Control(Role::AssignButton)).bottom, 2 * (wanted.y + wanted.height));

    Click(Role::AssignButton);
    ClickAt(2 * test::kMenuLineColumn, 2 * test::MenuLineRow(2));
    ASSERT_TRUE(WaitForTick());
    ASSERT_EQ(Menu().Page(), 3);
    ClickAt(2 * test::kMenuLineColumn, 2 * test::MenuLineRow(1));
    ASSERT_TRUE(WaitForTick());
    EXPECT_EQ(window.TheForm().Keys().At(1, 0)->Label(), "Medic");

    // Dragged halfway onto the other display: the window stays where the system puts it.
    RECT suggested{-100, 0, 500, 400};
    SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96),
                 reinterpret_cast<LPARAM>(&suggested));
    GetClientRect(window.Handle(), &inside);
    EXPECT_EQ(std::pair(inside.right, inside.bottom),
              std::pair(LONG{layout::kClientWidth}, LONG{layout::kInsideHeight}));
    EXPECT_EQ(PlaceOf(window.Handle()).left, -100);
}

// A first start: no settings file; drive Q, which the test run maps to a folder of its own,
// holds a game, and an installer's registry entry names another.
class Win32FirstStartTest : public ::testing::Test {
  protected:
    Win32FirstStartTest() {
        Pump(10);  // a quit message left by an earlier window would end the boxes at once
        WriteFile("Q:\\Games\\RTCW\\Main\\sp_pak2.pk3", "");
        WriteFile(folder / "qmscript.txt", "// test\r\n");
    }
    ~Win32FirstStartTest() override {
        std::error_code ignored;
        fs::remove_all("Q:\\Games", ignored);
    }

    test::TempFolder folder;
};

// Presses the Cancel button of the search progress window as soon as it appears.
LRESULT CALLBACK CancelTheSearch(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (create->hwndParent != nullptr && create->lpszName != nullptr &&
            !IS_INTRESOURCE(create->lpszName) && std::wstring(create->lpszName) == L"Cancel" &&
            TextOf(create->hwndParent) == L"Quillon") {
            PostMessageW(reinterpret_cast<HWND>(wParam), BM_CLICK, 0, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Yes takes the installation an installer's registry entry names. A first start without it: the
// drive prompt, and the search; its Cancel ends the program, and nothing is remembered.
TEST_F(Win32FirstStartTest, TheInstallationFoundIsOfferedBeforeTheDrivePrompt) {
    ASSERT_TRUE(fs::exists("Q:\\Games\\RTCW\\Main\\sp_pak2.pk3")) << "drive Q is not mapped";
    WriteFile(folder / "Installed\\Main\\sp_pak2.pk3", "");
    const std::string game = folder.Text() + "Installed\\Main\\";
    {
        folder.environment
            .registry["Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillon"] = {
            {"DisplayName", "Return to Castle Wolfenstein"},
            {"InstallLocation", folder.Text("Installed")}};
        MainWindow window(folder.environment);
        EXPECT_EQ(Answer([&] { ASSERT_TRUE(window.TheForm().OnStart()); }, L"Quillon", IDYES),
                  WideFromText("Quillon found Return to Castle Wolfenstein in:\n" + game +
                               "\nUse this folder?"));
        EXPECT_EQ(ReadFile(folder / "qm.cfg"), game + "\r\n");
    }
    folder.environment.registry.clear();
    fs::remove(folder / "qm.cfg");
    Pump(10);
    MainWindow window(folder.environment);
    BoxAnswerer drive(L"RTCW Install drive", IDOK, L"q");
    const HHOOK hook = SetWindowsHookExW(WH_CBT, CancelTheSearch, nullptr, GetCurrentThreadId());
    BoxAnswerer farewell(L"Quillon");
    const bool started = window.TheForm().OnStart();
    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(started);
    EXPECT_THAT(farewell.Text(), HasSubstr(L"cancelled"));
    EXPECT_FALSE(fs::exists(folder / "qm.cfg"));
}

// Whether a box's prompt shows every line of its text, at the box's font and scale.
bool ShowsWhole(HWND prompt) {
    RECT shown{};
    GetClientRect(prompt, &shown);
    const std::wstring text = TextOf(prompt);
    RECT needed{0, 0, shown.right, 0};
    const HDC dc = GetDC(prompt);
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(prompt, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    ReleaseDC(prompt, dc);
    return needed.bottom <= shown.bottom;
}

// A folder typed for the drive holds both games: a box lists them, the first game's first.
// Cancelled, the drive is asked for again with the reason above the question, every line of it
// shown, here and at 144 dpi; the second game is then chosen with the keys, and taken.
TEST_F(Win32FirstStartTest, OfBothGamesOnTheDriveThePlayerChoosesOne) {
    RanAtDpi(144);
    // A folder of a long name, which takes the reason to lines of its own.
    const std::string games = "Q:\\Games\\Where the games went when the first disk was full\\";
    WriteFile(games + "RTCW\\Main\\sp_pak2.pk3", "");
    WriteFile(games + "ET\\etmain\\pak0.pk3", "");
    WriteFile(games + "ET\\etmain\\mp_bin.pk3", "");
    MainWindow window(folder.environment);
    std::vector<std::wstring> listed;
    std::wstring reasoned;
    bool whole = false;
    LRESULT opened = LB_ERR;  // the entry Enter alone takes
    bool stayedOpen = false, doubleClickAnswered = false;
    std::thread player([&] {
        for (const bool take : {false, true}) {
            const HWND drive = WaitForBox(L"RTCW Install drive", L"Edit");
            if (take) {
                reasoned = TextOf(FindWindowExW(drive, nullptr, L"Static", nullptr));
                whole = ShowsWhole(FindWindowExW(drive, nullptr, L"Static", nullptr));
            }
            Type(drive, WideFromText(games));
            const HWND choice = WaitForBox(L"Quillon", L"ListBox");
            const HWND list = FindWindowExW(choice, nullptr, L"ListBox", nullptr);
            listed = ItemsOf(list);
            if (take) {
                opened = SendMessageW(list, LB_GETCURSEL, 0, 0);
                // An arrow key and a click only move the choice; a double click answers.
                const auto mouse = [&](int entry, std::initializer_list<UINT> messages) {
                    RECT item{};
                    SendMessageW(list, LB_GETITEMRECT, entry, reinterpret_cast<LPARAM>(&item));
                    for (const UINT message : messages) {
                        SendMessageW(list, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                                     MAKELPARAM(item.left + 4, (item.top + item.bottom) / 2));
                    }
                };
                SendMessageW(list, WM_KEYDOWN, VK_DOWN, 1);
                mouse(0, {WM_LBUTTONDOWN, WM_LBUTTONUP});
                stayedOpen = IsWindowVisible(choice) != FALSE;
                mouse(1, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
                doubleClickAnswered = IsWindowVisible(choice) == FALSE;
            }
            if (!doubleClickAnswered) {
                PostMessageW(choice, WM_COMMAND, take ? IDOK : IDCANCEL, 0);
            }
        }
    });
    const bool started = window.TheForm().OnStart();
    player.join();
    EXPECT_TRUE(started);
    EXPECT_EQ(listed,
              (std::vector<std::wstring>{
                  WideFromText("Return to Castle Wolfenstein: " + games + "RTCW\\Main\\"),
                  WideFromText("Wolfenstein: Enemy Territory: " + games + "ET\\etmain\\")}));
    EXPECT_THAT(reasoned, HasSubstr(WideFromText("No folder found in \"" + games +
                                                 "\" was taken.\nThis may")));
    EXPECT_TRUE(whole) << "the last line of the prompt is cut off";
    EXPECT_EQ(opened, 0) << "Enter alone takes the first game";
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(doubleClickAnswered);
    EXPECT_EQ(ReadFile(folder / "qm.cfg"), games + "ET\\etmain\\\r\n");
}

}  // namespace
}  // namespace quillon
