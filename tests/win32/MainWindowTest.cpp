#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "MainWindow.h"
#include "ScriptText.h"
#include "TempFolder.h"
#include "platform/WideText.h"
#include "ui/Layout.h"

namespace quillon {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;
using win32::MainWindow;

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// Answers the next message box with the given title as a person would: reads its text and
// presses OK. Runs beside the window's thread, which waits inside the box.
class BoxAnswerer {
  public:
    explicit BoxAnswerer(std::wstring title)
        : title_(std::move(title)), thread_([this] { Answer(); }) {}
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
        for (int waited = 0; waited < 5000; waited += 10) {
            if (const HWND box = FindWindowW(L"#32770", title_.c_str())) {
                wchar_t text[512] = {};
                GetDlgItemTextW(box, 0xFFFF, text, 512);
                text_ = text;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    std::wstring title_;
    std::wstring text_;
    std::thread thread_;
};

class Win32WindowTest : public ::testing::Test {
  protected:
    Win32WindowTest() {
        WriteFile("qmscript.txt", "// test\r\n");
        std::filesystem::create_directory("game");
        WriteFile("qm.cfg", folder.Text() + "game\\\r\n");
        EXPECT_TRUE(window.Load());
        ShowWindow(window.Handle(), SW_SHOW);
        Pump(100);
    }

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

    HWND Control(int id) { return GetDlgItem(window.Handle(), id); }

    void Click(int id) {
        SendMessageW(Control(id), BM_CLICK, 0, 0);
        Pump(10);
    }

    // A press and release at a point of the client area, on whatever lies there in front.
    void ClickAt(int x, int y) {
        const HWND target = ChildWindowFromPointEx(window.Handle(), POINT{x, y}, CWP_SKIPINVISIBLE);
        ASSERT_NE(target, nullptr);
        POINT local{x, y};
        MapWindowPoints(window.Handle(), target, &local, 1);
        SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(local.x, local.y));
        SendMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(local.x, local.y));
    }

    void ClickLine(int line) {
        ClickAt(60, 105 + (44 + 20 * (line - 1)) * 217 / 213);
        EXPECT_TRUE(WaitForTick());
    }

    // Lets the window run until the condition holds, for two seconds at the most.
    bool PumpUntil(const std::function<bool()>& condition) {
        for (int waited = 0; waited < 2000 && !condition(); waited += 10) {
            Pump(10);
        }
        return condition();
    }

    // Until a menu tick has acted on the recorded click.
    bool WaitForTick() {
        return PumpUntil([&] { return window.TheForm().State().menuPick <= 0; });
    }

    void PressF12() {
        MSG key{window.Handle(), WM_KEYDOWN, VK_F12, 0, 0, {}};
        TranslateAcceleratorW(window.Handle(), window.Accelerators(), &key);
    }

    TempFolder folder;
    MainWindow window;
};

TEST_F(Win32WindowTest, TheRoadByMouseExportsTheScript) {
    RECT client{};
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, layout::kClientWidth);
    EXPECT_EQ(client.bottom, layout::kClientHeight);

    Click(MainWindow::kKeypadId + 5);
    EXPECT_TRUE(PumpUntil([&] { return TextOf(Control(MainWindow::kLabel3Id)) == L"8"; }));
    const HWND key = Control(MainWindow::kKeypadId + 5);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(key); })) << "the current key blinks";
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(key) != FALSE; }));

    const HWND cancel = Control(MainWindow::kCommand3Id);
    Click(MainWindow::kCommand2Id);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(cancel) != FALSE; }));
    ClickLine(2);
    ClickLine(1);
    EXPECT_EQ(SendMessageW(Control(MainWindow::kList1Id), LB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(window.List1Text(0), "Medic");
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowEnabled(cancel); }));

    BoxAnswerer answer(L"Script compilation sucessful");
    PressF12();
    EXPECT_EQ(answer.Text(),
              L"The script has been created and can be activated by typing the following in the "
              L"console : /exec qmvc");
    EXPECT_EQ(ReadFile("game/qmvc.cfg"), "// test\r\n" + test::RoadScriptBody());
}

TEST_F(Win32WindowTest, NumLockAndClicksBesideTheLinesChangeNothing) {
    {
        BoxAnswerer answer(L"Quillon");
        Click(MainWindow::kKeypadId + 0);
        EXPECT_EQ(answer.Text(), L"Num Lock cannot be scripted with Quillon...");
    }
    EXPECT_EQ(window.TheForm().State().currentKey, 1);

    Click(MainWindow::kCommand2Id);
    for (const int row : {130, 160, 181, 241, 260, 310}) {
        ClickAt(60, row);
    }
    ClickAt(221, 150);
    Pump(3 * layout::kTimer1Interval);
    EXPECT_EQ(window.TheForm().State().menuPick, -1);
    EXPECT_EQ(window.TheForm().State().menuPage, 1);

    ClickAt(60, 201);  // hot-spots 2 and 3 share this row; 3, in front, takes it
    EXPECT_TRUE(WaitForTick());
    EXPECT_EQ(window.TheForm().State().menuPage, 5);

    Click(MainWindow::kCommand3Id);
    EXPECT_EQ(window.TheForm().State().menuPage, 1);
}

TEST_F(Win32WindowTest, EnterPressesOnlyTheFocusedButton) {
    // A key pressed on the focused control, through the dialog keyboard handling of the
    // program's message loop.
    auto press = [&](WPARAM key) {
        MSG down{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
        IsDialogMessageW(window.Handle(), &down);
        Pump(10);
    };
    SetFocus(Control(MainWindow::kList1Id));
    press(VK_RETURN);
    press(VK_ESCAPE);
    EXPECT_EQ(window.TheForm().State().menuPick, 0);

    SetFocus(Control(MainWindow::kCommand2Id));
    press(VK_RETURN);
    EXPECT_EQ(window.TheForm().State().menuPick, -1);
    press(VK_ESCAPE);
    EXPECT_EQ(window.TheForm().State().menuPick, -1) << "Cancel is no Esc button";
}

}  // namespace
}  // namespace quillon
