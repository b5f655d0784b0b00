#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "KeyButton.h"
#include "MainWindow.h"
#include "MenuGeometry.h"
#include "ScriptText.h"
#include "TempFolder.h"
#include "ZipMaker.h"
#include "app/Layout.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using QTest::qWaitFor;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// Answers the modal boxes as they open, one answer each, in turn, as a person would. A message
// box: the button that reads so (without its access key's mark). An input box: the answer typed
// over its default answer, and Enter. A list of choices: "Down", then Enter. A folder chooser:
// the folder typed, and chosen. "Esc" and "Close" close any box with that key or its close
// button, as a box the test did not expect is closed; the search's progress is left alone. What
// each box said and offered (its default answer or its choices) is kept in turn.
class BoxAnswers {
  public:
    explicit BoxAnswers(QStringList answers) : answers_(std::move(answers)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* box = QApplication::activeModalWidget();
            const bool asks = qobject_cast<QMessageBox*>(box) != nullptr ||
                              qobject_cast<QInputDialog*>(box) != nullptr ||
                              qobject_cast<QFileDialog*>(box) != nullptr;
            if (asks && box != answered_ && !Done()) {
                answered_ = box;
                Answer(box, answers_.at(said.size()));
            }
        });
        timer_.start(0);
    }
    bool Done() const { return said.size() == answers_.size(); }

    QStringList said;
    QStringList offered;
    QStringList titles;

  private:
    void Answer(QWidget* box, const QString& answer) {
        auto* message = qobject_cast<QMessageBox*>(box);
        auto* input = qobject_cast<QInputDialog*>(box);
        said << (message != nullptr ? message->text() : input != nullptr ? input->labelText() : "");
        titles << box->windowTitle();
        auto* list = input != nullptr ? box->findChild<QListView*>() : nullptr;
        auto* edit = box->findChild<QLineEdit*>();
        const bool choices = list != nullptr && list->isVisible();
        offered << (choices           ? input->comboBoxItems().join('\n')
                    : edit != nullptr ? edit->text()
                                      : "");
        const auto buttons = message != nullptr ? message->buttons() : QList<QAbstractButton*>();
        const auto named = std::find_if(buttons.begin(), buttons.end(), [&](auto* button) {
            return QString(button->text()).remove('&') == answer && button->isVisible();
        });
        if (answer == "Close") {
            box->close();
        } else if (named != buttons.end()) {
            (*named)->click();
        } else if (message != nullptr) {
            QTest::keyClick(box, Qt::Key_Escape);  // "Esc", or a button it does not have
        } else if (answer == "Esc") {
            QMetaObject::invokeMethod(box, "reject", Qt::QueuedConnection);
        } else if (choices) {
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
        } else if (input != nullptr) {
            edit->selectAll();
            for (const QChar letter : answer) {  // letters outside ASCII too
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, letter, {});
            }
            QTest::keyClick(edit, Qt::Key_Return);
        } else {
            box->findChild<QLineEdit*>("fileNameEdit")->setText(answer);
            QMetaObject::invokeMethod(box, "accept", Qt::QueuedConnection);
        }
    }

    QStringList answers_;
    QPointer<QWidget> answered_;
    QTimer timer_;
};

qt::KeyButton* KeyOf(QWidget* window, int key) {
    return dynamic_cast<qt::KeyButton*>(window->findChild<QPushButton*>(QString("key%1").arg(key)));
}

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() {
        WriteFile(folder / "qmscript.txt", "// test\r\n");
        fs::create_directory(folder / "game");
        WriteFile(folder / "game/mp_pak0.pk3", "");  // a folder of the first game
        WriteFile(folder / "qm.cfg", folder.Text() + "game/\r\n");
        window = std::make_unique<qt::MainWindow>(folder.environment);
        EXPECT_TRUE(window->TheForm().OnStart());
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QWidget* Client() { return window->centralWidget(); }

    template <typename Widget>
    Widget* Find(const char* name) {
        return Client()->findChild<Widget*>(name);
    }
    QListWidget* List() { return Find<QListWidget>("assignments"); }

    void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }

    // A click at a point of the window's client area, on whatever control lies there.
    void ClickAt(QPoint point) {
        QWidget* target = Client()->childAt(point);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(Client(), point));
    }

    // A click on the text of menu line n, then time for the menu tick.
    void ClickLine(int line, Game game = Game::ReturnToCastleWolfenstein) {
        ClickAt({test::kMenuLineColumn, test::MenuLineRow(line, game)});
        EXPECT_TRUE(WaitForTick());
    }

    // Medic on key 5, with the teams' tones in the game folder.
    void MedicOnKeyFive() {
        WriteFile(folder / "game/mp_pak0.pk3", test::TeamTonesPak());
        QTest::mouseClick(KeyOf(Client(), 5), Qt::LeftButton);
        Click("assignButton");
        ClickLine(2);
        ClickLine(1);
    }

    // Waits until a menu tick has acted on the recorded click.
    bool WaitForTick() {
        return qWaitFor([&] {
            return window->TheForm().Menu().CurrentState() != MenuNavigator::State::LinePicked;
        });
    }

    const MenuNavigator& Menu() { return window->TheForm().Menu(); }

    // The window active, as after a click on it, so that its shortcuts work.
    void Activate() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // A key pressed on the control that has the keyboard.
    static void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }

    // Tab moves to any control that takes the focus, the keys of the keypad first.
    static bool TabTo(QWidget* control) {
        for (int tabs = 0; tabs < 40 && !control->hasFocus(); ++tabs) {
            Press(Qt::Key_Tab);
        }
        return control->hasFocus();
    }

    // A menu item by its access keys: Alt and the menu's key, then the item's key.
    void ChooseFromMenu(Qt::Key menu, Qt::Key item) {
        Activate();
        Press(menu, Qt::AltModifier);
        ASSERT_TRUE(qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
        QTest::keyClick(QApplication::activePopupWidget(), item);
    }

    TempFolder folder;
    std::unique_ptr<qt::MainWindow> window;
};

// What a screen reader says of a control.
QString Spoken(QObject* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

TEST_F(MainWindowTest, TheRoadByKeysAloneAsAScreenReaderHearsIt) {
    Activate();
    ASSERT_TRUE(TabTo(KeyOf(Client(), 5)));
    EXPECT_EQ(Spoken(KeyOf(Client(), 5)), "Keypad 8");
    Press(Qt::Key_Space);
    EXPECT_EQ(window->TheForm().CurrentKey(), 5);
    // Unlit by the blink, the key keeps the focus and its place; Space presses it again.
    ASSERT_TRUE(qWaitFor([&] { return !KeyOf(Client(), 5)->IsLit(); })) << "it blinks";
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(KeyOf(Client(), 5))->state().invisible);
    Press(Qt::Key_Space);
    EXPECT_EQ(window->TheForm().CurrentKey(), 5);
    EXPECT_EQ(Spoken(List()), "Messages of keypad 8");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(List())->role(), QAccessible::List);
    EXPECT_EQ(Spoken(Find<QLabel>("currentKey")), "Current key: Keypad 8");

    // Assign, then the game's digits: 2 for Requests, 1 for Medic; the picture reads its page.
    auto* picture = Find<QWidget>("menuPicture");
    EXPECT_FALSE(Find<QWidget>("menuLine9")->isVisible()) << "no such line, nothing to hear";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(picture)->role(), QAccessible::Graphic);
    for (const int line : {1, 2}) {
        ASSERT_TRUE(TabTo(Find<QPushButton>("assignButton")));
        Press(Qt::Key_Return);
        Press(Qt::Key_2);
        ASSERT_TRUE(WaitForTick());
        EXPECT_TRUE(Spoken(picture).startsWith("Requests: 1 Medic!, 2 Ammo!, 3 I need backup!"));
        Press(Qt::Key_0 + line);
        ASSERT_TRUE(WaitForTick());
    }
    EXPECT_TRUE(Spoken(picture).startsWith("Voice chat: 1 Statements, 2 Requests")) << "again";
    // The second line chosen on the list and deleted with the Delete key.
    ASSERT_TRUE(TabTo(List()));
    Press(Qt::Key_End);
    Press(Qt::Key_Delete);
    ASSERT_EQ(List()->count(), 1);
    EXPECT_EQ(List()->item(0)->text(), "Medic");

    BoxAnswers exported({"OK"});
    Press(Qt::Key_F12);
    EXPECT_EQ(ReadFile(folder / "game/qmvc.cfg"), "// test\r\n" + test::RoadScriptBody());
}

TEST_F(MainWindowTest, WhatMustDoNothingDoesNothing) {
    BoxAnswers numLock({"OK"});
    QTest::mouseClick(KeyOf(Client(), 0), Qt::LeftButton);
    EXPECT_EQ(numLock.said, QStringList{"Num Lock cannot be scripted with Quillon..."});
    EXPECT_EQ(window->TheForm().CurrentKey(), 1);
    // Enter and Esc on a control that is no button; then Esc in an assignment, which does
    // nothing to it, and Alt+A, the Assign button's access key.
    Activate();
    const QImage unfocused = List()->grab().toImage();
    TabTo(List());
    EXPECT_NE(List()->grab().toImage(), unfocused) << "the empty list shows that it has the focus";
    Press(Qt::Key_Return);
    Press(Qt::Key_Escape);
    QTest::qWait(2 * layout::kMenuTickInterval);
    EXPECT_FALSE(Menu().InProgress());
    Find<QPushButton>("assignButton")->setFocus();
    EXPECT_EQ(List()->grab().toImage(), unfocused) << "and only while it has the focus";
    Press(Qt::Key_Return);
    EXPECT_TRUE(Menu().InProgress());
    Press(Qt::Key_Escape);
    QTest::qWait(2 * layout::kMenuTickInterval);
    EXPECT_TRUE(Menu().InProgress()) << "Cancel is no Esc button";
    Click("cancelButton");
    Press(Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(qWaitFor([&] { return Menu().InProgress(); }));

    for (const int row : {130, 160, 181, 241, 260, 310}) {  // above, between and below the lines
        ClickAt({test::kMenuLineColumn, row});
    }
    ClickAt({221, 150});  // the strip right of the lines
    // A press on one line let go on another, where the mouse is no longer on the line pressed.
    QWidget* first = Client()->childAt({test::kMenuLineColumn, test::MenuLineRow(1)});
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(
        first, Qt::LeftButton, {},
        first->mapFrom(Client(), QPoint(test::kMenuLineColumn, test::MenuLineRow(3))));
    QTest::qWait(3 * layout::kMenuTickInterval);
    EXPECT_EQ(Menu().CurrentState(), MenuNavigator::State::Waiting);
    EXPECT_EQ(Menu().Page(), 1);

    // Row 201 belongs to both lines 3 and 4; the one in front, line 4, takes it.
    ClickAt({test::kMenuLineColumn, 201});
    EXPECT_TRUE(WaitForTick());
    EXPECT_EQ(Menu().Page(), 5);
    Click("cancelButton");
    EXPECT_EQ(Find<QLabel>("prompt")->text(), "");
}

// The place of a window closed opens the next; a remembered place on no display (one that is
// gone) or no place at all opens on the display.
TEST_F(MainWindowTest, APlaceIsRememberedAndOpensOnADisplay) {
    window->move(60, 50);
    const QPoint closedAt = window->pos();
    window->close();
    EXPECT_TRUE(fs::exists(folder / "home/.config/quillon/quillon.conf"));
    EXPECT_EQ(qt::MainWindow(folder.environment).pos(), closedAt);
    qt::MainWindow beside(folder.environment);  // started while the first holds its working folder
    ASSERT_TRUE(beside.TheForm().OnStart());
    beside.PlaceWhereItWas();
    const QPoint step = beside.pos() - closedAt;
    EXPECT_TRUE(step.x() > 0 && step.x() == step.y()) << step.x() << " " << step.y();
    for (const char* remembered : {"30000 30000 30600 30400", "bottom left"}) {
        QSettings(QString::fromStdString(folder.Text("home/.config/quillon/quillon.conf")),
                  QSettings::IniFormat)
            .setValue("windowPlace", remembered);
        EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(
            qt::MainWindow(folder.environment).pos()))
            << remembered;
    }
}

// The road by mouse: a key clicked is current, the lines clicked open a page and pick a message,
// and Delete takes only the line picked in the list; About, and the folder chooser cancelled,
// after which the control that had the keyboard has it again; then Exit asks while there is
// something to lose: Cancel keeps the window, Yes exports and closes it.
TEST_F(MainWindowTest, TheRoadByMouseToAboutAndExit) {
    EXPECT_EQ(Client()->size(), QSize(layout::kClientWidth, layout::kClientHeight));
    QTest::mouseClick(KeyOf(Client(), 5), Qt::LeftButton);
    EXPECT_TRUE(qWaitFor([&] { return Find<QLabel>("currentKey")->text() == "8"; }));
    auto* cancel = Find<QPushButton>("cancelButton");
    for (const int line : {1, 2}) {
        Click("assignButton");
        EXPECT_TRUE(qWaitFor([&] { return cancel->isEnabled(); }));
        const QImage mainPage = Find<QWidget>("menuPicture")->grab().toImage();
        ClickLine(2);
        EXPECT_NE(Find<QWidget>("menuPicture")->grab().toImage(), mainPage) << "Requests";
        ClickLine(line);
        EXPECT_TRUE(qWaitFor([&] { return !cancel->isEnabled(); }));
    }
    // The player picks the first line and presses Delete twice: only that line goes.
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                      List()->visualItemRect(List()->item(0)).center());
    ASSERT_EQ(List()->selectedItems().size(), 1);
    Click("deleteButton");
    Click("deleteButton");
    ASSERT_EQ(List()->count(), 1);
    EXPECT_EQ(List()->item(0)->text(), "Ammo");
    EXPECT_TRUE(List()->selectedItems().isEmpty());
    // The offscreen platform gives the window back no activation, as a desktop would.
    const auto kept = [&](QWidget* focused) { return (Activate(), focused->hasFocus()); };
    BoxAnswers about({"OK"});
    List()->setFocus();
    ChooseFromMenu(Qt::Key_H, Qt::Key_A);  // Help > About Quillon
    EXPECT_TRUE(about.said.value(0).startsWith("Quillon " QUILLON_VERSION "\n"));
    EXPECT_TRUE(about.said.value(0).contains("GNU General Public License"));
    EXPECT_TRUE(kept(List()));
    BoxAnswers cancelled({"Esc"});
    KeyOf(Client(), 3)->setFocus();
    ChooseFromMenu(Qt::Key_F, Qt::Key_F);
    EXPECT_TRUE(qWaitFor([&] { return cancelled.Done(); }) && kept(KeyOf(Client(), 3)));
    BoxAnswers stay({"Cancel"});
    ChooseFromMenu(Qt::Key_F, Qt::Key_X);
    EXPECT_TRUE(stay.Done());
    EXPECT_TRUE(window->isVisible());
    BoxAnswers exportFirst({"Yes", "OK"});
    window->close();
    EXPECT_TRUE(exportFirst.Done());
    EXPECT_FALSE(window->isVisible());
    EXPECT_NE(ReadFile(folder / "game/qmvc.cfg").find("try5b1  \"vsay_team NeedAmmo;\""),
              std::string::npos);
}

// The game's own binds are marked, and said, for the folder in use: none in the first game. Game
// Folder... to ET: Legacy's user folder (as on Windows), where the status bar names the game, and
// messages picked by the game's digits (line 10 by 0) and by clicks, and a class typed into its
// box with a text of the player's own given by F2, reach the script byte for byte; Load Script at
// Game Start as that folder's autoexec.cfg has it.
TEST_F(MainWindowTest, TheOtherGamesFolderChosenFromTheFileMenu) {
    // The mark: the top right corner in the highlight colour, a quarter of the key's side.
    const auto marked = [](QWidget* key) {
        const QImage face = key->grab().toImage();
        const int half = std::min(face.width(), face.height()) / 8;
        const QColor mark = key->palette().color(QPalette::Highlight);
        return face.pixelColor(face.width() - half, 1) == mark &&
               face.pixelColor(face.width() - 1, half) == mark;
    };
    QWidget* fireTeam = KeyOf(Client(), 11);
    EXPECT_FALSE(marked(fireTeam));
    WriteFile(folder / "ETLegacy/etmain/autoexec.cfg", "exec qmvc\r\n");
    BoxAnswers chosen({QString::fromStdString(folder.Text() + "ETLegacy/etmain")});
    ChooseFromMenu(Qt::Key_F, Qt::Key_F);
    EXPECT_TRUE(qWaitFor([&] { return chosen.Done(); }));
    EXPECT_EQ(window->windowTitle(), "Quillon");
    auto* status = window->findChild<QLabel*>("status");
    EXPECT_EQ(Spoken(status), status->text());
    EXPECT_EQ(status->toolTip(), status->text()) << "a folder cut at the window's edge";
    EXPECT_TRUE(status->text().startsWith("ET: Legacy, game folder "))
        << status->text().toStdString();
    EXPECT_TRUE(Find<QWidget>("menuLine10")->isVisible());
    EXPECT_TRUE(marked(fireTeam));
    const QString member = "In the game: fire team, select member 1";
    EXPECT_EQ(fireTeam->toolTip(), member);
    EXPECT_EQ(fireTeam->accessibleDescription(), member);
    // Digits on the main row, the first on the keypad.
    const auto say = [&](const std::vector<int>& digits) {
        Activate();
        Click("assignButton");
        for (size_t k = 0; k < digits.size(); ++k) {
            QTest::keyClick(window.get(), static_cast<Qt::Key>(Qt::Key_0 + digits[k]),
                            k == 0 ? Qt::KeypadModifier : Qt::NoModifier);
            ASSERT_TRUE(WaitForTick());
        }
    };
    QTest::mouseClick(KeyOf(Client(), 1), Qt::LeftButton);
    say({1, 0});
    say({3, 9});
    Click("assignButton");
    ClickLine(7, Game::EnemyTerritory);
    ClickLine(10, Game::EnemyTerritory);
    QTest::mouseClick(KeyOf(Client(), 2), Qt::LeftButton);
    BoxAnswers covertOps({"c"});
    say({6});
    EXPECT_TRUE(qWaitFor([&] { return covertOps.Done(); }));
    EXPECT_TRUE(covertOps.said.value(0).contains("(F)-Field Ops  (C)-Covert Ops"));
    Activate();
    EXPECT_TRUE(Find<QPushButton>("assignButton")->hasFocus()) << "the keyboard back after the box";
    // The class's line picked, F2, a text typed and Enter: the list shows it beside the label, the
    // line still selected. Again F2: the box offers that text; letters the game would not show
    // are named, and the box cancelled keeps the text.
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {},
                      List()->visualItemRect(List()->item(0)).center());
    BoxAnswers text({"cover me at the gate", "café", "OK", "Esc"});
    Activate();
    QTest::keyClick(List(), Qt::Key_F2);
    Activate();
    QTest::keyClick(List(), Qt::Key_F2);
    EXPECT_EQ(text.offered.value(1), "cover me at the gate");
    EXPECT_TRUE(text.said.value(2).contains("(é)")) << text.said.value(2).toStdString();
    EXPECT_EQ(List()->item(0)->text(), "I'm a Covert Ops \"cover me at the gate\"    1     99");
    EXPECT_TRUE(List()->item(0)->isSelected());
    // A template that binds keypad 1: the export asks, and No leaves that key to the game.
    WriteFile(folder / "qmscript.txt", "// test\r\nbind KP_END \"vstr try11bb\"\r\n");
    BoxAnswers leave({"Leave Them to the Game", "OK"});
    ChooseFromMenu(Qt::Key_F, Qt::Key_E);
    EXPECT_TRUE(qWaitFor([&] { return leave.titles.value(1) == "Script compilation sucessful"; }));
    EXPECT_EQ(ReadFile(folder / "ETLegacy/etmain/qmvc.cfg"),
              "// test\r\n" + test::EnemyTerritoryScriptBody());

    // File > Load Script at Game Start shows that autoexec.cfg runs the script, and takes the
    // line out.
    auto* atGameStart = window->findChild<QAction*>("loadAtGameStart");
    EXPECT_TRUE(atGameStart->isChecked());
    ChooseFromMenu(Qt::Key_F, Qt::Key_S);
    EXPECT_TRUE(qWaitFor([&] { return !atGameStart->isChecked(); }));
    EXPECT_EQ(ReadFile(folder / "ETLegacy/etmain/autoexec.cfg"), "");
    // Checked again, File > Give the Keys Back... says what it does in one box; Yes takes the line
    // out again.
    ChooseFromMenu(Qt::Key_F, Qt::Key_S);
    EXPECT_TRUE(qWaitFor([&] { return atGameStart->isChecked(); }));
    BoxAnswers giveBack({"Yes"});
    ChooseFromMenu(Qt::Key_F, Qt::Key_K);
    EXPECT_TRUE(qWaitFor([&] { return !atGameStart->isChecked(); }));
    EXPECT_TRUE(giveBack.said.value(0).startsWith("Give the game its keys back?"));
    EXPECT_EQ(ReadFile(folder / "ETLegacy/etmain/autoexec.cfg"), "");
}

// Closing the question about changes a window left behind is no answer: they wait for the next
// start. Only No discards them.
TEST_F(MainWindowTest, ClosingTheRestoreQuestionKeepsTheChanges) {
    Click("assignButton");
    ClickLine(2);
    ClickLine(1);
    fs::copy_file(folder / "qmrecovery.cfg", folder / "qmrecovery-9.cfg");  // a window that ended
    for (const char* answer : {"Esc", "Close", "No"}) {
        qt::MainWindow next(folder.environment);
        BoxAnswers answered({answer});
        ASSERT_TRUE(next.TheForm().OnStart());
        EXPECT_TRUE(answered.said.value(0).contains("Restore them?")) << answer;
        EXPECT_EQ(fs::exists(folder / "qmrecovery-9.cfg"), answer != std::string("No")) << answer;
    }
}

// A first start where the game sits where a Wine prefix's installer puts it, which the probe finds.
class FirstStartTest : public ::testing::Test {
  protected:
    FirstStartTest() { WriteFile(folder / "qmscript.txt", "// test\r\n"); }

    TempFolder folder;
    const std::string game =
        folder.MakeWinePrefix("Program Files (x86)/Return to Castle Wolfenstein/Main") +
        "Program Files (x86)/Return to Castle Wolfenstein/Main/";
};

// Yes takes the folder found. At the next first start, No to it: the drive prompt, whose drive
// holds Enemy Territory too, and a box that lists both, where the second is chosen by the keys.
TEST_F(FirstStartTest, TheFolderFoundIsOfferedBeforeTheDriveIsSearched) {
    {
        qt::MainWindow window(folder.environment);
        BoxAnswers yes({"Yes"});
        ASSERT_TRUE(window.TheForm().OnStart());
        EXPECT_EQ(yes.said.value(0).toStdString(),
                  "Quillon found Return to Castle Wolfenstein in:\n" + game + "\nUse this folder?");
        EXPECT_EQ(ReadFile(folder / "qm.cfg"), game + "\r\n");
    }
    fs::remove(folder / "qm.cfg");
    const fs::path territory = folder / "prefix/drive_c/Games/ET/etmain";
    WriteFile(territory / "pak0.pk3", "");
    WriteFile(territory / "mp_bin.pk3", "");
    qt::MainWindow window(folder.environment);
    BoxAnswers answers({"No", "c", "Down"});
    ASSERT_TRUE(window.TheForm().OnStart());
    EXPECT_TRUE(answers.Done());
    EXPECT_EQ(
        answers.offered.value(2),
        QString::fromStdString("Return to Castle Wolfenstein: " + game +
                               "\nWolfenstein: Enemy Territory: " + territory.string() + "/"));
    EXPECT_EQ(window.TheForm().Profile().game, Game::EnemyTerritory);
}

// Hear, by the mouse and by F3, in the voice chosen from the Edit menu; the list's tooltip gives
// what the team reads. Without an audio output the status bar says the message was silent.
TEST_F(MainWindowTest, HearPlaysTheSelectedMessageAndTheStatusBarSaysWhich) {
    MedicOnKeyFive();
    auto* list = Find<QListWidget>("assignments");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->toolTip(), "Medic!\nI need a medic!");
    EXPECT_EQ(list->item(0)->data(Qt::AccessibleDescriptionRole).toString(),
              "Medic!\nI need a medic!");
    auto* hear = Find<QPushButton>("hearButton");
    EXPECT_EQ(Spoken(hear), "Hear");
    auto* status = window->findChild<QLabel*>("status");
    Click("hearButton");
    EXPECT_EQ(status->text(), "Select a message of the key's list to hear it.");
    list->setCurrentRow(0);
    Click("hearButton");
    EXPECT_TRUE(status->text().startsWith("Allies, 1 of 2: Medic!"))
        << status->text().toStdString();
    Activate();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    EXPECT_TRUE(status->text().startsWith("Allies, 2 of 2: I need a medic!"))
        << status->text().toStdString();
    ChooseFromMenu(Qt::Key_E, Qt::Key_A);
    EXPECT_EQ(list->item(0)->toolTip(), "Sanitaeter!");
    EXPECT_EQ(ReadFile(folder / "qm.cfg"), folder.Text() + "game/\r\nTeamVoice=Axis\r\n");
}

// Run by tests/audio/through-pulseaudio.sh, which records the audio server's only output: it
// must hear the Axis tone, not the Allies one, for the whole second it lasts.
TEST_F(MainWindowTest, DISABLED_HearsTheTeamsOwnSoundThroughTheAudioServer) {
    MedicOnKeyFive();
    ChooseFromMenu(Qt::Key_E, Qt::Key_A);
    Find<QListWidget>("assignments")->setCurrentRow(0);
    Click("hearButton");
    EXPECT_EQ(window->findChild<QLabel*>("status")->text(), "Axis, 1 of 1: Sanitaeter!");
    QTest::qWait(1500);  // the sound plays out before the window closes
}

}  // namespace
}  // namespace quillon
