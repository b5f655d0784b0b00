#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "MainWindow.h"
#include "ScriptText.h"
#include "TempFolder.h"
#include "ui/Layout.h"

namespace quillon {
namespace {

using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

bool WaitFor(const std::function<bool()>& condition, int milliseconds = 2000) {
    for (int waited = 0; waited < milliseconds; waited += 10) {
        if (condition()) {
            return true;
        }
        QTest::qWait(10);
    }
    return condition();
}

// Answers the next modal box as a person would: reads its text and presses its OK button.
class BoxAnswerer {
  public:
    BoxAnswerer() {
        QTimer::singleShot(10, [this] { Poll(); });
    }
    QString text;
    QString title;

  private:
    void Poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            QTimer::singleShot(10, [this] { Poll(); });
            return;
        }
        text = box->text();
        title = box->windowTitle();
        box->button(QMessageBox::Ok)->click();
    }
};

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        WriteFile("qmscript.txt", "// test\r\n");
        std::filesystem::create_directory("game");
        WriteFile("qm.cfg", folder.Text() + "game/\r\n");
        window = std::make_unique<qt::MainWindow>();
        EXPECT_TRUE(window->Load());
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QWidget* Client() { return window->centralWidget(); }

    template <typename Widget>
    Widget* Find(const char* name) {
        return Client()->findChild<Widget*>(name);
    }

    QPushButton* Key(int index) {
        return Find<QPushButton>(QString("Command1_%1").arg(index).toUtf8().constData());
    }

    // A click at a point of the window's client area, on whatever control lies there.
    void ClickAt(QPoint point) {
        QWidget* target = Client()->childAt(point);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(Client(), point));
    }

    // A click on the middle of the text of line n of the menu picture, where the stretched
    // picture draws it, then time for the menu tick.
    void ClickLine(int line) {
        const int row = 105 + (44 + 20 * (line - 1)) * 217 / 213;
        ClickAt({60, row});
        EXPECT_TRUE(WaitForTick());
    }

    // Waits until a menu tick has acted on the recorded click.
    bool WaitForTick() {
        return WaitFor([&] { return window->TheForm().State().menuPick <= 0; });
    }

    TempFolder folder;
    std::unique_ptr<qt::MainWindow> window;
};

TEST_F(MainWindowTest, TheRoadByMouseExportsTheScript) {
    EXPECT_EQ(Client()->size(), QSize(layout::kClientWidth, layout::kClientHeight));

    QTest::mouseClick(Key(5), Qt::LeftButton);
    EXPECT_TRUE(WaitFor([&] { return Find<QLabel>("Label3")->text() == "8"; }));
    EXPECT_TRUE(WaitFor([&] { return !Key(5)->isVisible(); })) << "the current key blinks";
    EXPECT_TRUE(WaitFor([&] { return Key(5)->isVisible(); }));

    QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_TRUE(WaitFor([&] { return Find<QPushButton>("Command3")->isEnabled(); }));
    ClickLine(2);
    ClickLine(1);
    EXPECT_EQ(Find<QListWidget>("List1")->count(), 1);
    EXPECT_EQ(Find<QListWidget>("List1")->item(0)->text(), "Medic");
    EXPECT_TRUE(WaitFor([&] { return !Find<QPushButton>("Command3")->isEnabled(); }));

    BoxAnswerer answer;
    QTest::keyClick(window.get(), Qt::Key_F12);
    EXPECT_EQ(answer.title, "Script compilation sucessful");
    EXPECT_EQ(ReadFile("game/qmvc.cfg"), "// test\r\n" + test::RoadScriptBody());

    // The menu by its access keys: Alt+F, then E.
    std::filesystem::remove("game/qmvc.cfg");
    BoxAnswerer again;
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(WaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_E);
    EXPECT_TRUE(WaitFor([&] { return !again.title.isEmpty(); }));
    EXPECT_EQ(ReadFile("game/qmvc.cfg"), "// test\r\n" + test::RoadScriptBody());
}

TEST_F(MainWindowTest, NumLockAndClicksBesideTheLinesChangeNothing) {
    {
        BoxAnswerer answer;
        QTest::mouseClick(Key(0), Qt::LeftButton);
        EXPECT_EQ(answer.text, "Num Lock cannot be scripted with Quillon...");
        EXPECT_EQ(answer.title, "Quillon");
    }
    EXPECT_EQ(window->TheForm().State().currentKey, 1);

    QTest::mouseClick(Find<QPushButton>("Command2"), Qt::LeftButton);
    for (const int row : {130, 160, 181, 241, 260, 310}) {  // above, between and below the spots
        ClickAt({60, row});
    }
    ClickAt({221, 150});  // the strip right of the hot-spots
    QTest::qWait(3 * layout::kTimer1Interval);
    EXPECT_EQ(window->TheForm().State().menuPick, -1);
    EXPECT_EQ(window->TheForm().State().menuPage, 1);

    // Row 201 belongs to both hot-spots 2 and 3; the one in front, line 4, takes it.
    ClickAt({60, 201});
    EXPECT_TRUE(WaitForTick());
    EXPECT_EQ(window->TheForm().State().menuPage, 5);

    QTest::mouseClick(Find<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(window->TheForm().State().menuPage, 1);
    EXPECT_EQ(Find<QLabel>("Label1")->text(), "");
}

TEST_F(MainWindowTest, EnterAndEscPressOnlyTheFocusedButton) {
    Find<QListWidget>("List1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::qWait(2 * layout::kTimer1Interval);
    EXPECT_EQ(window->TheForm().State().menuPick, 0);

    Find<QPushButton>("Command2")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(window->TheForm().State().menuPick, -1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(window->TheForm().State().menuPick, -1) << "Cancel is no Esc button";
}

}  // namespace
}  // namespace quillon
