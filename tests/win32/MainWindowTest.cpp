#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "MainWindow.h"
#include "MenuGeometry.h"
#include "ScriptText.h"
#include "TempFolder.h"
#include "TestRegistryKey.h"
#include "app/Layout.h"
#include "platform/WideText.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using layout::Role;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;
using win32::MainWindow;

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

void Pump(int milliseconds);

// A message box's text has this id.
constexpr int kMessageTextId = 0xFFFF;

// Waits, beside the window's thread, for a box with the given title to be shown, which it is
// once its controls are made and filled: a message box, or an input box with its edit field.
// nullptr after 5 s.
HWND WaitForBox(const std::wstring& title, bool inputBox) {
    for (int waited = 0; waited < 5000; waited += 10) {
        for (HWND box = FindWindowExW(nullptr, nullptr, L"#32770", title.c_str()); box != nullptr;
             box = FindWindowExW(nullptr, box, L"#32770", title.c_str())) {
            const bool fits = inputBox ? FindWindowExW(box, nullptr, L"Edit", nullptr) != nullptr
                                       : GetDlgItem(box, kMessageTextId) != nullptr;
            if (fits && IsWindowVisible(box)) {
                return box;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return nullptr;
}

// Answers the next box with the given title as a person would, on a thread of its own while
// the window's thread waits inside the box. A message box is read and closed with OK; an input
// box gets `typed` (not empty) by keyboard, over its default answer, and Enter. A message box
// is closed with `button`.
class BoxAnswerer {
  public:
    explicit BoxAnswerer(std::wstring title, std::wstring typed = {}, int button = IDOK)
        : title_(std::move(title)),
          typed_(std::move(typed)),
          button_(button),
          thread_([this] { Answer(); }) {}
    ~BoxAnswerer() { Text(); }

    // The text of the box, once it has been answered.
    std::wstring Text() {
        if (thread_.joinable()) {
            thread_.join();
        }
        return text_;
    }

  private:
    void Answer() {
        const bool inputBox = !typed_.empty();
        const HWND box = WaitForBox(title_, inputBox);
        if (box == nullptr) {
            return;
        }
        // An input box's prompt is its first label.
        text_ = TextOf(inputBox ? FindWindowExW(box, nullptr, L"Static", nullptr)
                                : GetDlgItem(box, kMessageTextId));
        if (!inputBox) {
            PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button_), 0);
            return;
        }
        const HWND edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
        for (const wchar_t typed : typed_) {
            PostMessageW(edit, WM_CHAR, typed, 1);
        }
        PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
        PostMessageW(edit, WM_KEYUP, VK_RETURN, 0xC0000001);
    }

    std::wstring title_;
    std::wstring typed_;
    int button_;
    std::wstring text_;
    std::thread thread_;
};

// Lets the window handle its messages, timer ticks included, for a while.
void Pump(int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
}

// Lets the window run until the condition holds, for two seconds at the most.
bool PumpUntil(const std::function<bool()>& condition) {
    for (int waited = 0; waited < 2000 && !condition(); waited += 10) {
        Pump(10);
    }
    return condition();
}

// A press and release of the left button on a window, at a point of its client area.
void PressAndRelease(HWND pressed, POINT at, HWND released, POINT releasedAt) {
    SendMessageW(pressed, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageW(released, WM_LBUTTONUP, 0, MAKELPARAM(releasedAt.x, releasedAt.y));
}

class Win32WindowTest : public ::testing::Test {
  protected:
    Win32WindowTest() {
        WriteFile("qmscript.txt", "// test\r\n");
        fs::create_directory("game");
        WriteFile("qm.cfg", folder.Text() + "game\\\r\n");
        EXPECT_TRUE(window.TheForm().OnStart());
        ShowWindow(window.Handle(), SW_SHOW);
        Pump(100);
    }

    HWND Control(int id) { return GetDlgItem(window.Handle(), id); }
    HWND Control(Role role) { return Control(MainWindow::IdOf(role)); }

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
        ASSERT_NE(target, nullptr);
        PressAndRelease(target, local, target, local);
    }

    void ClickLine(int line) {
        ClickAt(test::kMenuLineColumn, test::MenuLineRow(line));
        EXPECT_TRUE(WaitForTick());
    }

    // Until a menu tick has acted on the recorded click.
    bool WaitForTick() {
        return PumpUntil([&] {
            return window.TheForm().Menu().CurrentState() != MenuNavigator::State::LinePicked;
        });
    }

    const MenuNavigator& Menu() { return window.TheForm().Menu(); }

    // A key pressed while the window is active, through the program's keyboard shortcuts.
    void PressKey(WPARAM key) {
        MSG down{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
        TranslateAcceleratorW(window.Handle(), window.Accelerators(), &down);
        Pump(10);
    }

    void Choose(layout::Command command) {
        SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(MainWindow::IdOf(command), 0), 0);
    }

    TempFolder folder;
    MainWindow window;
};

TEST_F(Win32WindowTest, TheRoadByMouseExportsTheScript) {
    RECT client{};
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, layout::kClientWidth);
    EXPECT_EQ(client.bottom, layout::kClientHeight);

    Click(Control(MainWindow::kKeypadId + 5));
    EXPECT_TRUE(PumpUntil([&] { return TextOf(Control(Role::CurrentKey)) == L"8"; }));
    const HWND key = Control(MainWindow::kKeypadId + 5);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(key); })) << "the current key blinks";
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(key) != FALSE; }));

    const HWND cancel = Control(Role::CancelButton);
    Click(Role::AssignButton);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(cancel) != FALSE; }));
    ClickLine(2);
    ClickLine(1);
    const HWND list = Control(Role::AssignmentList);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
    wchar_t line[64] = {};
    SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(line));
    EXPECT_EQ(std::wstring(line), L"Medic");
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowEnabled(cancel); }));

    BoxAnswerer answer(L"Script compilation sucessful");
    PressKey(VK_F12);
    EXPECT_EQ(answer.Text(),
              L"The script has been created and can be activated by typing the following in the "
              L"console : /exec qmvc");
    EXPECT_EQ(ReadFile("game/qmvc.cfg"), "// test\r\n" + test::RoadScriptBody());
}

TEST_F(Win32WindowTest, NumLockAndClicksBesideTheLinesChangeNothing) {
    {
        BoxAnswerer answer(L"Quillon");
        Click(Control(MainWindow::kKeypadId + 0));
        EXPECT_EQ(answer.Text(), L"Num Lock cannot be scripted with Quillon...");
    }
    EXPECT_EQ(window.TheForm().CurrentKey(), 1);

    Click(Role::AssignButton);
    for (const int row : {130, 160, 181, 241, 260, 310}) {
        ClickAt(test::kMenuLineColumn, row);
    }
    ClickAt(221, 150);
    Pump(3 * layout::kMenuTickInterval);
    EXPECT_EQ(Menu().CurrentState(), MenuNavigator::State::Waiting);
    EXPECT_EQ(Menu().Page(), 1);

    ClickAt(test::kMenuLineColumn, 201);  // lines 3 and 4 share this row; 4, in front, takes it
    EXPECT_TRUE(WaitForTick());
    EXPECT_EQ(Menu().Page(), 5);

    Click(Role::CancelButton);
    EXPECT_EQ(Menu().Page(), 1);
}

TEST_F(Win32WindowTest, ALineCountsOnlyWhenPressedAndReleasedOnIt) {
    Click(Role::AssignButton);
    const auto [first, firstAt] = At(test::kMenuLineColumn, test::MenuLineRow(1));
    const auto [third, thirdAt] = At(test::kMenuLineColumn, test::MenuLineRow(3));
    const auto [picture, pictureAt] = At(221, 150);
    ASSERT_NE(first, third);

    PressAndRelease(first, firstAt, third, thirdAt);      // pressed on line 1, let go on line 3
    PressAndRelease(picture, pictureAt, third, thirdAt);  // pressed on the picture
    // Pressed on line 1 and let go below it: the line, holding the mouse, hears the release.
    PressAndRelease(first, firstAt, first, POINT{firstAt.x, firstAt.y + 40});
    Pump(3 * layout::kMenuTickInterval);
    EXPECT_EQ(Menu().CurrentState(), MenuNavigator::State::Waiting);
    EXPECT_EQ(Menu().Page(), 1);

    ClickLine(3);
    EXPECT_EQ(Menu().Page(), 4);
}

TEST_F(Win32WindowTest, EnterPressesOnlyTheFocusedButton) {
    // A key pressed on the focused control, through the dialog keyboard handling of the
    // program's message loop.
    auto press = [&](WPARAM key) {
        MSG down{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
        IsDialogMessageW(window.Handle(), &down);
        Pump(10);
    };
    SetFocus(Control(Role::AssignmentList));
    press(VK_RETURN);
    press(VK_ESCAPE);
    EXPECT_FALSE(Menu().InProgress());

    SetFocus(Control(Role::AssignButton));
    press(VK_RETURN);
    EXPECT_TRUE(Menu().InProgress());
    press(VK_ESCAPE);
    EXPECT_TRUE(Menu().InProgress()) << "Cancel is no Esc button";
}

TEST_F(Win32WindowTest, TheClassIsTypedIntoItsBoxAndDeleteRemovesOnlyThePickedLine) {
    for (const int line : {1, 2}) {
        Click(Role::AssignButton);
        ClickLine(2);
        ClickLine(line);
    }
    {
        BoxAnswerer answer(L"Select a class", L"medic");
        Click(Role::AssignButton);
        ClickLine(6);
        EXPECT_NE(answer.Text().find(L"(E)-Engineer"), std::wstring::npos);
    }
    const HWND list = Control(Role::AssignmentList);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 3; }));
    EXPECT_EQ(window.TheForm().Keys().At(1, 3)->Label(), "I'm a Medic");

    // The player clicks the first line and presses Delete twice: only that line goes.
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    PressAndRelease(list, middle, list, middle);
    ASSERT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
    Click(Role::DeleteButton);
    Click(Role::DeleteButton);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
    EXPECT_EQ(window.TheForm().Keys().UsedCount(1), 2);
    EXPECT_EQ(window.TheForm().Keys().At(1, 1)->Label(), "Ammo");
}

TEST_F(Win32WindowTest, DigitsPickLinesAndExitAsksWhenSomethingWouldBeLost) {
    PressKey('2');
    Pump(2 * layout::kMenuTickInterval);
    EXPECT_FALSE(Menu().InProgress()) << "outside an assignment the digits do nothing";

    // The game's way: 2 for Requests on the main row, 1 for Medic on the keypad.
    Click(Role::AssignButton);
    PressKey('2');
    ASSERT_TRUE(WaitForTick());
    EXPECT_EQ(Menu().Page(), 3);
    PressKey(VK_NUMPAD1);
    ASSERT_TRUE(WaitForTick());
    EXPECT_EQ(window.TheForm().Keys().At(1, 1)->Label(), "Medic");

    {
        BoxAnswerer about(L"About Quillon");
        Choose(layout::Command::About);
        EXPECT_EQ(about.Text().rfind(L"Quillon " QUILLON_VERSION_WIDE L"\n", 0), 0U);
    }
    {
        BoxAnswerer stay(L"Quillon", {}, IDCANCEL);
        Choose(layout::Command::Exit);
        EXPECT_EQ(stay.Text(), L"Export the script before closing?");
    }
    EXPECT_TRUE(IsWindow(window.Handle()));
    BoxAnswerer leave(L"Quillon", {}, IDNO);
    Choose(layout::Command::Exit);
    EXPECT_FALSE(leave.Text().empty());
    EXPECT_FALSE(IsWindow(window.Handle()));
    EXPECT_FALSE(fs::exists("game/qmvc.cfg"));
}

// Answers the system's folder picker, on a thread of its own: types the folder into the
// picker's field with Enter, which opens it, then presses OK to choose it; with no folder,
// presses Cancel.
class FolderPickerAnswerer {
  public:
    explicit FolderPickerAnswerer(std::wstring folder)
        : folder_(std::move(folder)), thread_([this] { Answer(); }) {}
    ~FolderPickerAnswerer() { thread_.join(); }

  private:
    void Answer() {
        const HWND picker = WaitForBox(L"Choose the game folder", true);
        if (picker == nullptr) {
            return;
        }
        if (folder_.empty()) {
            PostMessageW(picker, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        const HWND edit = FindWindowExW(picker, nullptr, L"Edit", nullptr);
        for (const wchar_t typed : folder_) {
            PostMessageW(edit, WM_CHAR, typed, 1);
        }
        PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
        for (int waited = 0; waited < 3000 && IsWindow(picker); waited += 300) {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            PostMessageW(picker, WM_COMMAND, IDOK, 0);
        }
    }

    std::wstring folder_;
    std::thread thread_;
};

TEST_F(Win32WindowTest, TheGameFolderIsChosenInTheSystemsFolderPicker) {
    const std::string game = folder.Text() + "game\\";
    {
        FolderPickerAnswerer cancelled({});
        Choose(layout::Command::ChooseGameFolder);
    }
    EXPECT_EQ(window.TheForm().GamePath(), game);

    WriteFile("other\\Main\\sp_pak2.pk3", "");
    const std::string other = folder.Text() + "other\\Main";
    {
        FolderPickerAnswerer typed(WideFromText(other));
        Choose(layout::Command::ChooseGameFolder);
    }
    EXPECT_EQ(window.TheForm().GamePath(), other + "\\");
    EXPECT_EQ(ReadFile("qm.cfg"), other + "\\\r\n");
}

// A first start: no settings file, and drive Q, which the test run maps to a folder of its own,
// holds a game.
class Win32FirstStartTest : public ::testing::Test {
  protected:
    Win32FirstStartTest() {
        Pump(10);  // a quit message left by an earlier window would end the boxes at once
        WriteFile("Q:\\Games\\RTCW\\Main\\sp_pak2.pk3", "");
        WriteFile("qmscript.txt", "// test\r\n");
    }
    ~Win32FirstStartTest() override {
        std::error_code ignored;
        fs::remove_all("Q:\\Games", ignored);
    }

    TempFolder folder;
};

// Presses the Cancel button of the search progress window as soon as it appears.
LRESULT CALLBACK CancelTheSearch(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        const auto button = reinterpret_cast<HWND>(wParam);
        if (create->hwndParent != nullptr && create->lpszName != nullptr &&
            !IS_INTRESOURCE(create->lpszName) && std::wstring(create->lpszName) == L"Cancel" &&
            TextOf(create->hwndParent) == L"Quillon") {
            PostMessageW(button, BM_CLICK, 0, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(Win32FirstStartTest, AsksForTheDriveSearchesAndRemembersTheFolder) {
    ASSERT_TRUE(fs::exists("Q:\\Games\\RTCW\\Main\\sp_pak2.pk3")) << "drive Q is not mapped";
    MainWindow window;
    BoxAnswerer drive(L"RTCW Install drive", L"q");
    ASSERT_TRUE(window.TheForm().OnStart());
    EXPECT_NE(drive.Text().find(L"drive letter"), std::wstring::npos);
    EXPECT_EQ(window.TheForm().GamePath(), "Q:\\Games\\RTCW\\Main\\");
    EXPECT_EQ(ReadFile("qm.cfg"), "Q:\\Games\\RTCW\\Main\\\r\n");
}

TEST_F(Win32FirstStartTest, CancellingTheSearchEndsTheProgramAndRemembersNothing) {
    ASSERT_TRUE(fs::exists("Q:\\Games\\RTCW\\Main\\sp_pak2.pk3")) << "drive Q is not mapped";
    MainWindow window;
    BoxAnswerer drive(L"RTCW Install drive", L"Q");
    const HHOOK hook = SetWindowsHookExW(WH_CBT, CancelTheSearch, nullptr, GetCurrentThreadId());
    BoxAnswerer farewell(L"Quillon");
    const bool started = window.TheForm().OnStart();
    UnhookWindowsHookEx(hook);
    EXPECT_FALSE(started);
    EXPECT_NE(farewell.Text().find(L"exit"), std::wstring::npos);
    EXPECT_FALSE(fs::exists("qm.cfg"));
}

// A first start where an installer's registry entry names the game's folder: it is offered.
TEST_F(Win32FirstStartTest, TheInstallationFoundIsOfferedBeforeTheDrivePrompt) {
    WriteFile("Installed\\Main\\sp_pak2.pk3", "");
    test::TestRegistryKey entry(
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QuillonWindowTest");
    entry.Set(L"DisplayName", L"Return to Castle Wolfenstein");
    entry.Set(L"InstallLocation", (folder.Path() / "Installed").wstring());
    const std::string game = folder.Text() + "Installed\\Main\\";
    {
        MainWindow window;
        BoxAnswerer no(L"Quillon", {}, IDNO);
        BoxAnswerer drive(L"RTCW Install drive", L"Q");
        ASSERT_TRUE(window.TheForm().OnStart());
        EXPECT_EQ(no.Text(), WideFromText("Quillon found Return to Castle Wolfenstein in:\n" +
                                          game + "\nUse this folder?"));
        EXPECT_EQ(window.TheForm().GamePath(), "Q:\\Games\\RTCW\\Main\\");
    }
    std::filesystem::remove("qm.cfg");
    Pump(10);
    MainWindow window;
    BoxAnswerer yes(L"Quillon", {}, IDYES);
    ASSERT_TRUE(window.TheForm().OnStart());
    EXPECT_EQ(window.TheForm().GamePath(), game);
    EXPECT_EQ(ReadFile("qm.cfg"), game + "\r\n");
}

}  // namespace
}  // namespace quillon
