#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>

#include "FakeView.h"
#include "ScriptText.h"
#include "TempFolder.h"
#include "app/Form.h"
#include "app/WindowPlace.h"
#include "app/WorkingFolder.h"
#include "model/script/ScriptGenerator.h"
#include "platform/FaultyFileSystem.h"

namespace quillon {
namespace {

using ::testing::_;
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

namespace fs = std::filesystem;
using layout::Command;
using test::FakeView;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;
using Lines = std::vector<std::string>;
using Choices = std::deque<std::optional<size_t>>;
using Step = FaultyFileSystem::Step;
constexpr size_t kYes = 0;  // the buttons of a question with Yes and No
constexpr size_t kNo = 1;
constexpr size_t kTake = 0;  // of the question before the game's keys are taken
constexpr size_t kLeave = 1;
constexpr size_t kCancel = 2;

constexpr const char* kTemplate = "// Quillon test template\r\nbind KP_UPARROW \"vstr try5bb\"\r\n";

// A window started in the folder, which holds its settings and its template; its boxes of
// choices are answered with `choices`.
std::unique_ptr<Form> StartedIn(TempFolder& folder, FakeView& view, FileSystem& files,
                                Choices choices = {}) {
    view.choices = std::move(choices);
    auto window = std::make_unique<Form>(view, files, folder.environment, folder.Text());
    EXPECT_TRUE(window->OnStart());
    return window;
}

// A started program: the settings file names a game folder, the template lies beside it.
class FormTest : public ::testing::Test {
  protected:
    FormTest() {
        WriteFile(folder / "qmscript.txt", kTemplate);
        WriteFile(folder / "game/mp_pak0.pk3", "");  // a folder of the first game
        WriteFile(folder / "qm.cfg", folder.Text("game/") + "\r\n");
        EXPECT_TRUE(form.OnStart());
        view.said.clear();
    }

    // Clicks on lines of the menu picture, each followed by the tick that acts on it.
    static void Pick(Form& window, std::initializer_list<int16_t> lines) {
        for (const int16_t line : lines) {
            window.OnMenuLineClicked(line);
            window.OnMenuTick();
        }
    }
    void Pick(std::initializer_list<int16_t> lines) { Pick(form, lines); }

    // Assign, then the lines picked on each page in turn, as the game's digits would pick them.
    static void Assign(Form& window, std::initializer_list<int16_t> lines) {
        window.OnAssignClicked();
        Pick(window, lines);
    }
    void Assign(std::initializer_list<int16_t> lines) { Assign(form, lines); }

    // Another window started in the same working folder, which a test may end as a crash would.
    std::unique_ptr<Form> Window(FakeView& shown, Choices choices = {}) {
        return StartedIn(folder, shown, files, std::move(choices));
    }

    // What a window started now shows of the game's binds of the keys.
    Lines BindingsAtStart() {
        FakeView shown;
        Window(shown);
        return shown.gameBindings;
    }

    // File, Game Folder..., answered with these folders, one box after the other.
    void Choose(std::initializer_list<std::optional<std::string>> chosen) {
        view.chosenFolders = chosen;
        form.OnMenuCommand(Command::ChooseGameFolder);
    }

    // The script in the game folder after an export by the window, the test's own by default.
    std::string Exported(Form& window, const fs::path& gameFolder = "game") {
        window.OnMenuCommand(Command::ExportScript);
        return ReadFile(folder / gameFolder / "qmvc.cfg");
    }
    std::string Exported(const fs::path& gameFolder = "game") { return Exported(form, gameFolder); }

    std::string LastMessage() const { return view.said.empty() ? "" : view.said.back(); }

    TempFolder folder;
    FakeView view;
    FakeView otherView, thirdView;  // of other windows a test starts
    FaultyFileSystem files;
    Form form{view, files, folder.environment, folder.Text()};
};

TEST_F(FormTest, TheClassIsTheAnswersFirstLetterAndTicksWaitForTheBox) {
    view.texts = {"engineer", "MEDIC", "x-ray"};  // and the fourth box is closed
    view.whileBoxOpen = [&] {
        form.OnMenuTick();
        form.OnBlinkTick();
    };
    const std::string inUse = "Return to Castle Wolfenstein, game folder " + form.ScriptFolder();
    EXPECT_EQ(view.status, inUse);
    for (int i = 0; i < 4; ++i) {
        Assign({6});
        EXPECT_EQ(view.prompt, "") << "the prompt line stays the menu's";
        EXPECT_EQ(view.status, i != 2 ? inUse
                                      : "No class has that letter (S, E, M or L). The "
                                        "message was not assigned.");
    }
    EXPECT_EQ(view.list, (Lines{"I'm a Engineer", "I'm a Medic"}));
    EXPECT_EQ(form.Keys().At(1, 1)->Line(), 'm');
    EXPECT_FALSE(form.Keys().At(1, 2)) << "a rejected or closed box leaves nothing behind";
    EXPECT_EQ(view.prompts.size(), 4U) << "a tick while the box is open asks nothing more";
    EXPECT_EQ(view.pageShown, kMainPage);
}

// The texts players know, word for word: a first start whose drive prompt is answered with
// nothing (its end is the drive search's test's), then a start with the settings, Num Lock, the
// class prompt and an export. Quillon's own words come after them, on lines of their own.
TEST_F(FormTest, TheBoxesAndThePromptPlayersKnowWordForWord) {
    fs::remove(folder / "qm.cfg");
    EXPECT_FALSE(Form(otherView, files, folder.environment, folder.Text()).OnStart());
    WriteFile(folder / "qm.cfg", folder.Text("game/") + "\r\n");
    const std::unique_ptr<Form> window = Window(otherView);
    window->OnKeypadClicked(kNumLockKey);
    window->OnAssignClicked();
    const std::string selecting = otherView.prompt;
    otherView.texts = {"s"};
    Pick(*window, {6});
    window->OnMenuCommand(Command::ExportScript);
    EXPECT_EQ(otherView.titles, (Lines{"RTCW Install drive", "Quillon", "Quillon", "Select a class",
                                       "Script compilation sucessful"}));
    EXPECT_EQ(otherView.textsOffered, (Lines{"C", "S"}));
    const auto firstLine = [](const std::string& text) { return text.substr(0, text.find('\n')); };
    EXPECT_EQ(
        firstLine(otherView.prompts.at(0)),
        "This may take a few seconds while Quillon searches for Wolfenstein. Please enter the "
        "drive letter where you installed RTCW (eg C)");
    EXPECT_EQ(otherView.said.at(1), "Num Lock cannot be scripted with Quillon...");
    EXPECT_EQ(selecting, "Please select a command");
    EXPECT_EQ(otherView.prompts.at(1),
              "Please select the class you would like to bind to this key (S)-Soldier  "
              "(E)-Engineer  (M)-Medic   (L)-Lieutenant... ");
    EXPECT_EQ(firstLine(otherView.said.at(2)),
              "The script has been created and can be activated by typing the following in the "
              "console : /exec qmvc");
}

TEST_F(FormTest, AKeyTakesThreeAndDeletingMovesTheRestUp) {
    Assign({1, 1});
    Assign({5, 8, 6});
    Assign({3, 5});
    form.OnAssignClicked();
    EXPECT_FALSE(form.Menu().InProgress()) << "a full key takes no more";
    EXPECT_EQ(view.prompt, "") << "not even the prompt line changes";
    EXPECT_EQ(view.status, "Keypad / holds 3 messages already. Delete one to assign another.");
    form.OnMenuTick();
    EXPECT_THAT(view.status, HasSubstr("holds 3")) << "until the next step";
    form.OnDeleteClicked(-1);  // nothing selected
    form.OnDeleteClicked(3);   // no such line
    EXPECT_EQ(form.Keys().UsedCount(1), 3);
    form.OnDeleteClicked(0);
    form.OnMenuTick();
    EXPECT_THAT(view.status, HasSubstr("game folder")) << "the key has room again";
    EXPECT_EQ(view.list, (Lines{"Good game", "Defend The Objective"}));
    Assign({4, 4});
    form.OnAssignClicked();  // full again

    // Switching away and back lists the slots with their numbers.
    form.OnKeypadClicked(2);
    EXPECT_THAT(view.status, HasSubstr("game folder")) << "another key is another step";
    EXPECT_TRUE(view.list.empty());
    view.status.clear();
    form.OnKeypadClicked(1);
    EXPECT_EQ(view.status, "") << "an unchanged line is not given again";
    EXPECT_EQ(view.list, (Lines{"Good game    7     6", "Defend The Objective    4     5",
                                "You're Welcome    5     4"}));
}

TEST_F(FormTest, AbandonedPicksLeaveNothingBehind) {
    Assign({1, 1});
    Assign({2, 2});
    Assign({5, 8, 7});  // line 7 of that page holds nothing: the page stays
    EXPECT_EQ(view.pageShown, 7);
    form.OnCancelClicked();
    EXPECT_EQ(view.pageShown, kMainPage);

    // Starting again part-way starts on the main page, and the key is not full.
    Assign({2});
    form.OnAssignClicked();
    EXPECT_EQ(view.pageShown, kMainPage);
    EXPECT_EQ(view.prompt, "Please select a command");
    Pick({4, 1});
    EXPECT_EQ(view.list, (Lines{"Path Cleared", "Ammo", "Yes (TEAM)"}));

    // A line deleted while a pick is under way: the pick goes into the next free slot.
    form.OnDeleteClicked(0);
    Assign({5});
    form.OnDeleteClicked(0);
    Pick({4});
    EXPECT_EQ(view.list, (Lines{"Yes (TEAM)", "Hi"}));
    EXPECT_FALSE(form.Keys().At(1, 2));
}

// During an assignment the keypad is dead, and of two clicks within one tick the first counts.
// A box that opens while the blinking key is unlit lights it until the box is closed; a key
// unlit by the blink is lit again once another key is current.
TEST_F(FormTest, TheKeypadDuringAnAssignmentAndTheBlinkAroundBoxesAndKeys) {
    form.OnAssignClicked();
    form.OnKeypadClicked(3);
    EXPECT_EQ(form.CurrentKey(), 1);
    form.OnMenuLineClicked(2);
    form.OnMenuLineClicked(1);
    form.OnMenuTick();
    EXPECT_EQ(view.pageShown, 3);
    form.OnCancelClicked();
    for (const int16_t key : {kNumLockKey, int16_t{20}}) {  // Num Lock is answered with a box
        form.OnBlinkTick();
        form.OnBlinkTick();
        ASSERT_FALSE(view.lit[1]);
        form.OnKeypadClicked(key);
    }
    EXPECT_EQ(view.allKeysLitInBox, std::vector<bool>(view.allKeysLitInBox.size(), true));
    EXPECT_EQ(view.said.size(), 1U);
    form.OnBlinkTick();
    EXPECT_TRUE(view.lit[1]);
    EXPECT_EQ(view.currentKey, "Del");
    EXPECT_EQ(view.spoken.at(layout::Role::AssignmentList), "Messages of Delete");
}

TEST_F(FormTest, AFailingStepSaysSoAndKeepsTheAssignments) {
    Assign({2, 1});
    view.failNextPrompt = true;
    form.OnAssignClicked();
    EXPECT_EQ(view.said, Lines{"Quillon could not finish that step: the window is gone\nYour "
                               "assignments are kept."});

    // The program goes on: the assignment is there and the menu still works.
    form.OnCancelClicked();
    EXPECT_THAT(Exported(), HasSubstr("set try1b1  \"vsay_team Medic;\""));
    EXPECT_THAT(LastMessage(), HasSubstr("in the console : /exec qmvc"));
    Assign({2, 2});
    EXPECT_EQ(view.list.back(), "Ammo");
}

// A template saved as UTF-16 is read as its text: its lines in the script are neither said at
// start nor asked about at the export.
TEST_F(FormTest, AUtf16TemplateIsTheTemplateStill) {
    const std::string text = kTemplate + std::string("set try9b1 \"echo mine\"\r\n");
    WriteFile(folder / "qmscript.txt", test::Utf16(std::u16string(text.begin(), text.end())));
    Assign({2, 1});
    Exported();
    const std::unique_ptr<Form> other = Window(otherView);
    Assign(*other, {2, 2});
    EXPECT_THAT(Exported(*other), StartsWith(text));
    EXPECT_THAT(otherView.said, ElementsAre(HasSubstr("has been created")));
    EXPECT_TRUE(otherView.questions.empty());
}

// A script too long for the game is exported all the same, and the player is told why; one
// holding a NUL byte, after which the game would read nothing, is not.
TEST_F(FormTest, AScriptTheGameWouldNotRunIsSaidToBeSo) {
    WriteFile(folder / "qmscript.txt",
              "// " + std::string(ReturnToCastleWolfenstein().scriptLimit, 'x') + "\r\n");
    Exported();
    const std::string size = std::to_string(fs::file_size(folder / "game/qmvc.cfg"));
    // In the box of the export's result: no success is read first.
    EXPECT_THAT(view.said, ElementsAre(AllOf(Not(HasSubstr("has been created")),
                                             HasSubstr("qmvc.cfg\", but the game will not run"),
                                             HasSubstr("The script is " + size + " bytes long"),
                                             HasSubstr("131071"))));
    EXPECT_EQ(view.titles.back(), "Quillon") << "no success in the title either";

    // A template the game cannot read as written is said before any question is asked.
    WriteFile(folder / "game/qmvc.cfg", "changed behind the window");
    WriteFile(folder / "qmscript.txt", std::string("//\0", 3));
    view.said.clear();
    Exported();
    EXPECT_THAT(view.said, ElementsAre(HasSubstr("holds a NUL byte")));
    // So is a folder in the script's place, which no answer could let Quillon replace.
    WriteFile(folder / "qmscript.txt", kTemplate);
    fs::remove(folder / "game/qmvc.cfg");
    fs::create_directory(folder / "game/qmvc.cfg");
    form.OnMenuCommand(Command::ExportScript);
    EXPECT_THAT(view.said, ElementsAre(_, HasSubstr("qmvc.cfg\" is a folder")));
    EXPECT_TRUE(view.questions.empty());
}

// Closing asks only when there is something to lose. Changes not exported are kept in a
// recovery file of the window's own until they are exported, dropped at closing, or undone by
// hand.
TEST_F(FormTest, ClosingAsksOnlyWhenThereIsSomethingToLoseWhichIsKeptMeanwhile) {
    form.OnMenuCommand(Command::Exit);
    EXPECT_TRUE(view.closeRequested) << "Exit closes the window as its close box does";
    EXPECT_TRUE(form.OnCloseRequested());
    EXPECT_TRUE(view.questions.empty()) << "nothing changed: no question";

    Assign({2, 1});
    ASSERT_TRUE(fs::exists(folder / "qmrecovery.cfg"));
    view.replies = {View::Answer::Cancel, View::Answer::No};
    EXPECT_FALSE(form.OnCloseRequested());
    EXPECT_TRUE(form.OnCloseRequested());
    EXPECT_TRUE(form.OnCloseRequested());
    EXPECT_FALSE(fs::exists(folder / "game/qmvc.cfg")) << "No closes without exporting";
    EXPECT_FALSE(fs::exists(folder / "qmrecovery.cfg")) << "and drops the changes";
    EXPECT_EQ(view.questions, Lines(2, "Export the script before closing?")) << "once";
    Assign({2, 2});

    // Yes with an export that fails: the failure is shown and the window stays.
    files.Plant(Step::Replace, Denied(), "qmvc.cfg", 1);
    view.replies = {View::Answer::Yes, View::Answer::Yes};
    EXPECT_FALSE(form.OnCloseRequested());
    EXPECT_THAT(view.said, ElementsAre(HasSubstr("Permission denied")));
    EXPECT_TRUE(form.OnCloseRequested());
    EXPECT_THAT(ReadFile(folder / "game/qmvc.cfg"), HasSubstr("vsay_team Medic;"));

    // Exported, deleted, assigned again as it was: nothing to lose, nor kept.
    form.OnDeleteClicked(1);
    EXPECT_TRUE(form.HasUnexportedChanges());
    ASSERT_TRUE(fs::exists(folder / "qmrecovery.cfg"));
    Assign({2, 2});
    EXPECT_FALSE(form.HasUnexportedChanges());
    EXPECT_FALSE(fs::exists(folder / "qmrecovery.cfg"));
    Assign({2, 3});
    Exported();
    EXPECT_FALSE(form.HasUnexportedChanges());
    EXPECT_FALSE(fs::exists(folder / "qmrecovery.cfg"));
}

// A start offers the changes of every window that ended without asking (a crash, a power cut),
// never those of a window still running, whatever became of the lock file, and an export clears
// only its own window's. A closed box is no answer: only No drops them.
TEST_F(FormTest, EveryWindowsUnexportedChangesOutliveItsEnding) {
    const std::string question =
        "Quillon was closed with changes that were not exported. Restore them?\nGame folder: \"" +
        folder.Text("game/") + "\"";
    FakeView firstView, secondView;
    std::unique_ptr<Form> first = Window(firstView);
    first->OnKeypadClicked(4);
    Assign(*first, {2, 1});
    std::error_code heldOpen;  // Windows keeps a held lock file
    fs::remove(folder / "qmrecovery.lock", heldOpen);
    std::unique_ptr<Form> second = Window(secondView);
    EXPECT_TRUE(secondView.questions.empty()) << "the first window still runs";
    EXPECT_EQ(second->OtherWindowsAtStart(), 2U);
    second->OnKeypadClicked(2);
    Assign(*second, {2, 2});
    second->OnMenuCommand(Command::ExportScript);
    first.reset();  // ended as a crash ends it, after the other's export
    Window(firstView);
    first = Window(firstView, {kNo});
    ASSERT_THAT(firstView.questions, ElementsAre(HasSubstr(question), HasSubstr(question)));
    EXPECT_EQ(firstView.buttons, (std::vector<Lines>(2, {"Yes", "No"})));
    EXPECT_FALSE(first->Keys().IsUsed(4, 0)) << "closed, then No: dropped";

    // Both end without asking: the changes of each are offered, one after the other.
    first->OnKeypadClicked(4);
    Assign(*first, {2, 1});
    second->OnKeypadClicked(3);
    Assign(*second, {2, 3});
    first.reset();
    second.reset();
    std::unique_ptr<Form> third = Window(thirdView, {kYes});
    ASSERT_EQ(thirdView.questions.size(), 1U) << "the others wait for the next start";
    EXPECT_TRUE(third->Keys().IsUsed(3, 0));
    third.reset();
    third = Window(thirdView, {kNo, kYes});
    EXPECT_THAT(thirdView.questions, ElementsAre(_, _, HasSubstr("\n(Changes 2 of 2")));
    EXPECT_TRUE(third->Keys().IsUsed(4, 0));
    EXPECT_FALSE(third->Keys().IsUsed(3, 0));
    EXPECT_TRUE(third->HasUnexportedChanges()) << "restored, still to be exported";
    EXPECT_FALSE(fs::exists(folder / "qmrecovery-4.cfg")) << "the other's file, taken over";
    third.reset();
    third = Window(thirdView, {kYes});
    EXPECT_TRUE(third->Keys().IsUsed(4, 0)) << "kept by the window that restored them";
    EXPECT_TRUE(fs::exists(folder / "qmrecovery-2.cfg")) << "and kept again";

    // Changes the script holds already are nothing to offer, now or later.
    third->OnMenuCommand(Command::ExportScript);
    EXPECT_FALSE(third->HasUnexportedChanges());
    WriteFile(folder / "qmrecovery-16.cfg", GenerateScriptBody(third->Keys()));
    third.reset();
    Window(thirdView);
    EXPECT_EQ(thirdView.questions.size(), 4U);
    EXPECT_FALSE(fs::exists(folder / "qmrecovery-16.cfg"));
}

// Changes left for one game folder wait there, whatever windows of other games and folders do
// meanwhile, and are offered, with their folder named, at the next start in it.
TEST_F(FormTest, ChangesKeptForOneFolderWaitForIt) {
    Assign({2, 1});
    fs::create_directories(folder / "ETLegacy/etmain");
    WriteFile(folder / "qm.cfg", folder.Text("ETLegacy/etmain/") + "\r\n");
    // The file names its game; one from before there were others is the first game's.
    const std::string kept = ReadFile(folder / "qmrecovery.cfg");
    for (const std::string& recovery :
         {kept, kept.substr(0, kept.find("// game:")) + kept.substr(kept.find("\r\n\r\n"))}) {
        WriteFile(folder / "qmrecovery-2.cfg", recovery);
        std::unique_ptr<Form> otherGame = Window(otherView);
        ASSERT_EQ(otherGame->Keys(), KeyTable());
        EXPECT_TRUE(otherView.questions.empty());
        Assign(*otherGame, {2, 1});
        EXPECT_EQ(ReadFile(folder / "qmrecovery-2.cfg"), recovery) << "left to its game's";
        otherGame->OnDeleteClicked(0);
    }
    WriteFile(folder / "qmrecovery-2.cfg", kept);
    WriteFile(folder / "other/mp_pak0.pk3", "");
    WriteFile(folder / "qm.cfg", folder.Text("other/") + "\r\n");
    Window(otherView);
    EXPECT_TRUE(otherView.questions.empty()) << "nor offered in another folder of the game";
    WriteFile(folder / "qm.cfg", folder.Text("game/") + "\r\n");
    EXPECT_EQ(Window(thirdView, {kYes})->Keys(), form.Keys());
    EXPECT_THAT(thirdView.questions, ElementsAre(HasSubstr(folder.Text("game/"))));
}

// Exports into one game folder take turns: one that finds the folder held waits, and says so
// when it stays held; a script changed while the question is open is asked about again. What
// killed exports left beside the script goes, and nothing else.
TEST_F(FormTest, ExportsIntoOneFolderTakeTurns) {
    Assign({2, 1});
    {
        const auto held = RealFileSystem().TryLockFolder(folder.Text("game/"));
        ASSERT_TRUE(held.Ok());
        EXPECT_EQ(Exported(), "");
        EXPECT_THAT(view.said, ElementsAre(HasSubstr("has not finished")));
    }
#ifdef _WIN32
    const std::string unfinished = "qmvc.cfg.4242-1-123456.tmp";
#else
    const std::string unfinished = "qmvc.cfg.quillon-Ab12Cd";
#endif
    // The player's own files beside the script stay, whatever their names look like.
    const std::vector<std::string> players = {"qmvc.cfg.quillon-Ab12C", "qmvc.cfg.backup",
                                              "qmvc.cfg.201226", "qmvc.cfg.1-2-3a.tmp", "x"};
    WriteFile(folder / "game" / unfinished, "");
    for (const std::string& name : players) {
        WriteFile(folder / "game" / name, "");
    }
    const std::string ours = Exported();
    EXPECT_FALSE(fs::exists(folder / "game" / unfinished));
    for (const std::string& name : players) {
        EXPECT_TRUE(fs::exists(folder / "game" / name)) << name;
    }

    std::unique_ptr<Form> other = Window(otherView);
    other->OnKeypadClicked(6);
    Assign(*other, {2, 4});
    WriteFile(folder / "game/qmvc.cfg", ours + "// mine\r\n");
    otherView.yesNoReplies = {true};
    view.whileBoxOpen = [&] {
        view.whileBoxOpen = nullptr;
        other->OnMenuCommand(Command::ExportScript);
    };
    view.yesNoReplies = {true, false};
    form.OnKeypadClicked(3);
    Assign({2, 2});
    EXPECT_THAT(Exported(), HasSubstr("set try6b1  \"vsay_team NeedEngineer;"));
    EXPECT_THAT(view.questions, ElementsAre(HasSubstr("changed since"), HasSubstr("Keypad 9")));
}

// Changes taken up after a crash take the place of a script changed meanwhile: an export asks
// before it drops a message of the script that the player did not delete in this window.
TEST_F(FormTest, AnExportAfterARestoreAsksBeforeDroppingWhatItReplaced) {
    Assign({2, 1});
    form.OnKeypadClicked(5);
    Assign({2, 2});
    Exported();
    form.OnKeypadClicked(1);  // left by a window that ended: Keypad / says another message
    form.OnDeleteClicked(0);
    Assign({2, 3});
    WriteFile(folder / "qmrecovery-9.cfg", ReadFile(folder / "qmrecovery.cfg"));
    view.replies = {View::Answer::No};
    EXPECT_TRUE(form.OnCloseRequested());
    std::unique_ptr<Form> other = Window(otherView);
    other->OnKeypadClicked(6);
    Assign(*other, {2, 4});
    const std::string script = Exported(*other);
    std::unique_ptr<Form> restored = Window(thirdView, {kYes});
    restored->OnKeypadClicked(5);
    restored->OnDeleteClicked(0);
    EXPECT_EQ(Exported(*restored), script);
    EXPECT_THAT(thirdView.questions,
                ElementsAre(_, HasSubstr("after the changes Quillon restored were made: messages "
                                         "on Keypad /, Keypad 9 would be lost.")));
}

// Where the changes cannot be kept, the player is told once, plainly, that only an export keeps
// them.
TEST_F(FormTest, ChangesThatCannotBeKeptAreSaidOnce) {
    files.Plant(Step::Create, Denied(), "qmrecovery");
    Assign({2, 1});
    Assign({2, 2});
    EXPECT_THAT(view.said,
                ElementsAre(AllOf(HasSubstr("cannot keep your changes"),
                                  HasSubstr("Permission denied"), HasSubstr("export them"))));

    // A working folder where no place of the lock file can be had is no place for them either;
    // changes left there are still offered, and stay where they are when taken up.
    files.Plant(Step::Lock, Denied(), "qmrecovery");
    WriteFile(folder / "qmrecovery-16.cfg", GenerateScriptBody(form.Keys()));
    std::error_code heldOpen;  // where the system keeps a held lock's file, it stays
    fs::remove(folder / "qmrecovery.lock", heldOpen);
    std::unique_ptr<Form> locked = Window(otherView, {kYes});
    EXPECT_EQ(otherView.questions.size(), 1U);
    EXPECT_EQ(locked->Keys(), form.Keys());
    Assign(*locked, {2, 1});
    EXPECT_THAT(otherView.said, ElementsAre(HasSubstr("qmrecovery.lock")));
    EXPECT_TRUE(fs::exists(folder / "qmrecovery-16.cfg"));
}

// An export never replaces, unasked, what the window did not read: another window's export made
// meanwhile, a hand edit, a read-only mark. No writes nothing.
TEST_F(FormTest, AnExportAsksBeforeReplacingAScriptChangedBehindIt) {
    std::unique_ptr<Form> other = Window(otherView);
    form.OnKeypadClicked(22);  // the last key is weighed like the others
    Assign({2, 4});
    form.OnKeypadClicked(1);
    Assign({2, 1});
    Assign({2, 2});
    const std::string ours = Exported();
    Assign(*other, {2, 2});  // of the two on this key, the first is lost
    other->OnKeypadClicked(5);
    Assign(*other, {2, 2});
    EXPECT_EQ(Exported(*other), ours);
    EXPECT_THAT(otherView.questions,
                ElementsAre(HasSubstr("changed since Quillon last read or wrote it: "
                                      "messages on Keypad /, Page Down would be lost")));
    EXPECT_TRUE(other->HasUnexportedChanges());
    otherView.yesNoReplies = {true};
    EXPECT_THAT(Exported(*other), HasSubstr("set try5b1  \"vsay_team NeedAmmo;"));
    other->OnMenuCommand(Command::ExportScript);
    EXPECT_EQ(otherView.questions.size(), 2U) << "its own export is no change";

    // A hand edit of a script this window wrote; messages moved between slots of a key are no loss.
    WriteFile(folder / "game/qmvc.cfg", ours + "// mine\r\n");
    form.OnDeleteClicked(0);
    Assign({2, 3});
    Assign({2, 1});
    EXPECT_EQ(Exported(), ours + "// mine\r\n");
    EXPECT_THAT(view.questions.back(), HasSubstr("changed since Quillon last read or wrote it.\n"));

    // Read-only is the owner's mark, whatever the others may do.
    fs::permissions(folder / "game/qmvc.cfg", fs::perms(0464));
    view.yesNoReplies = {true, true};
    Exported();
    EXPECT_THAT(view.questions.back(), HasSubstr("It is marked read-only; Quillon keeps the mark"));
    EXPECT_FALSE(form.HasUnexportedChanges());
    EXPECT_TRUE(files.IsReadOnly(folder.Text("game/qmvc.cfg")));
}

// A cancelled chooser, and a folder without the game's data file, change nothing. Another
// installation with a script of its own: its keys come back with it. The folder in use chosen
// again, by any spelling, asks nothing and loses nothing. ET: Legacy's user folder: the game,
// its menu and its keys follow the folder, and a class of the other game is no key of this one.
TEST_F(FormTest, AnotherGameFolderBringsItsOwnGameAndKeys) {
    const std::string firstGame = form.ScriptFolder();
    form.OnMenuCommand(Command::ChooseGameFolder);
    EXPECT_EQ(view.chooserStarts.back(), firstGame);
    const std::string other = folder.Text("other/Main");
    fs::create_directories(folder / "other/Main");
    Choose({other});
    EXPECT_THAT(view.said, ElementsAre(HasSubstr("is no game folder")));
    EXPECT_EQ(form.ScriptFolder(), firstGame);
    // The game's file put there since, the folder is taken: nothing seen before is kept.
    WriteFile(folder / "other/Main/SP_PAK2.PK3", "");
    WriteFile(folder / "other/Main/qmvc.cfg",
              std::string(kTemplate) + "\r\nset try1b1  \"vsay Bye;\"\r\n");
    form.OnKeypadClicked(5);
    Assign({2, 2});  // not exported
    view.replies = {View::Answer::Cancel, View::Answer::No};
    Choose({other, folder.Text() + "other//Main"});
    EXPECT_EQ(form.ScriptFolder(), firstGame) << "Cancel keeps the folder and the changes";
    EXPECT_TRUE(form.HasUnexportedChanges());
    form.OnMenuCommand(Command::ChooseGameFolder);
    EXPECT_EQ(form.ScriptFolder(), other + kSeparator);
    EXPECT_EQ(ReadFile(folder / "qm.cfg"), other + kSeparator + "\r\n");
    EXPECT_EQ(form.Keys().At(1, 0)->Label(), "Bye");
    EXPECT_FALSE(form.Keys().IsUsed(5, 0)) << "the changes answered No to are gone";
    EXPECT_FALSE(form.HasUnexportedChanges());
    EXPECT_FALSE(fs::exists(folder / "qmrecovery.cfg")) << "nor kept for a later start";
    EXPECT_TRUE(view.list.empty()) << "key 5 is current and holds nothing there";

    // The folder in use chosen again.
    Assign({2, 2});
    std::vector<std::string> spellings = {other};
#ifndef _WIN32
    fs::create_directory_symlink("other", folder / "linked");
    spellings = {other, folder.Text("other/../other/Main"), folder.Text("linked/Main")};
#endif
    for (const std::string& chosen : spellings) {
        view.replies = {View::Answer::No};
        Choose({chosen});
        EXPECT_TRUE(form.HasUnexportedChanges()) << chosen;
    }
    EXPECT_TRUE(form.Keys().IsUsed(5, 0));

    // ET: Legacy's user folder.
    WriteFile(folder / ".etlegacy/etmain/qmvc.cfg",
              std::string(kTemplate) +
                  "\r\nset try1b1  \"vsay_team IamFieldOps;\"\r\n"
                  "set try2b1  \"vsay_team iamlieutenant;\"\r\n");
    view.replies = {View::Answer::No};
    Choose({folder.Text(".etlegacy/etmain")});
    EXPECT_EQ(view.gameShown, Game::EnemyTerritory);
    EXPECT_EQ(form.Keys().At(1, 0)->Label(), "I'm a Field Ops");
    EXPECT_FALSE(form.Keys().IsUsed(2, 0));
    EXPECT_THAT(view.said.back(), HasSubstr("1 line of it was not understood"));
}

#ifndef _WIN32
// An ET: Legacy installation: its game reads the scripts from the user folder, which is made;
// the installation chosen again is the folder in use. ET: Legacy searches its user folder's
// legacy, its installation's legacy, then the etmain folders in that order: the first
// autoexec.cfg it finds is the one it runs, the first qmvc.cfg the one "/exec qmvc" runs, and the
// profile's configuration says what the keys do.
TEST_F(FormTest, EtLegacyReadsItsUserFolderAndRunsTheFirstFileOfItsSearchPath) {
    const std::string install = folder.Text() + "Legacy/";
    WriteFile(install + "etmain/pak0.pk3", "");
    WriteFile(install + "legacy/legacy_v2.83.1.pk3", "");
    files.Plant(Step::MakeFolder, Failure("Input/output error"), ".etlegacy", 1);
    Choose({install + "etmain"});
    EXPECT_EQ(form.ScriptFolder(), folder.Text() + "Legacy/etmain/");
    EXPECT_THAT(view.said.back(), HasSubstr("which Quillon could not make: Input/output error"));
    Choose({folder.Text("game")});
    Choose({install + "etmain"});
    EXPECT_EQ(form.ScriptFolder(), folder.Text() + "home/.etlegacy/etmain/");
    EXPECT_THAT(view.status, HasSubstr("home/.etlegacy/etmain")) << "the folder scripts go to";
    EXPECT_TRUE(fs::is_directory(folder / "home/.etlegacy/etmain"));
    EXPECT_THAT(view.said.back(), HasSubstr("reads your scripts from its user folder"));
    EXPECT_EQ(ReadFile(folder / "qm.cfg"), folder.Text() + "Legacy/etmain/\r\n");
    Assign({2, 2});
    view.replies = {View::Answer::No};
    Choose({install + "etmain"});
    EXPECT_TRUE(form.HasUnexportedChanges());
    // Under Wine, a prefix without Documents has no user folder yet: the installation serves.
    WriteFile(folder / "bare/drive_c/ETL/etmain/pak0.pk3", "");
    WriteFile(folder / "bare/drive_c/ETL/legacy/legacy_v2.83.1.pk3", "");
    view.replies = {View::Answer::No};
    Choose({folder.Text() + "bare/drive_c/ETL/etmain"});
    EXPECT_EQ(form.ScriptFolder(), folder.Text() + "bare/drive_c/ETL/etmain/");
    EXPECT_THAT(view.said.back(), HasSubstr("has no Documents folder yet"));

    // The search path, from windows started in the installation.
    const std::string home = folder.Text() + "home/.etlegacy/";
    WriteFile(folder / "qmscript.txt", "// t\r\n");
    WriteFile(folder / "qm.cfg", install + "etmain/\r\n");
    Window(otherView)->OnMenuCommand(Command::LoadScriptAtGameStart);
    EXPECT_EQ(ReadFile(home + "legacy/autoexec.cfg"), "exec qmvc\r\n") << "none: the first";
    // No profile yet: the game's defaults.
    EXPECT_EQ(otherView.gameBindings[7], "In the game: fire team, select all members");
    fs::remove(home + "legacy/autoexec.cfg");
    // An empty name in defaultprofile.dat is no profile: the game runs the configuration beside.
    WriteFile(install + "legacy/profiles/defaultprofile.dat", "\"\"");
    WriteFile(install + "etmain/etconfig.cfg", "bind KP_END \"+jump\"\n");
    EXPECT_EQ(BindingsAtStart()[11], "In the game: +jump");
    WriteFile(install + "legacy/profiles/defaultprofile.dat", "..");  // no profile folder
    EXPECT_EQ(BindingsAtStart(), Lines(kKeyCount));
    WriteFile(install + "legacy/profiles/defaultprofile.dat", "\"Me\"");
    for (const std::string& searched :
         {install + "etmain/", home + "etmain/", install + "legacy/", home + "legacy/"}) {
        WriteFile(searched + "autoexec.cfg", "// mine\n");
        FakeView shown;
        const std::unique_ptr<Form> window = Window(shown);
        EXPECT_FALSE(shown.checked.at(Command::LoadScriptAtGameStart));
        window->OnMenuCommand(Command::LoadScriptAtGameStart);
        EXPECT_EQ(ReadFile(searched + "autoexec.cfg"), "// mine\nexec qmvc\n");
        EXPECT_TRUE(shown.checked.at(Command::LoadScriptAtGameStart)) << searched;
        EXPECT_EQ(shown.gameBindings[14], "In the game: fire team, its menu") << "no configuration";
    }

    // The profile's configuration, and a script the game runs before this one.
    WriteFile(install + "legacy/profiles/Me/etconfig.cfg",
              "unbindall\nbind KP_END \"+attack\"/*\nbind KP_END x*/\n"
              "bind KP_5 \"\xEF\xBB\xBFvsay Hi\"\n");
    WriteFile(install + "legacy/qmvc.cfg", "");
    Window(thirdView)->OnMenuCommand(Command::ExportScript);
    EXPECT_TRUE(thirdView.questions.empty()) << "ET: Legacy reads no voice message in Keypad 5";
    EXPECT_EQ(thirdView.gameBindings[11], "In the game: +attack");
    EXPECT_EQ(thirdView.gameBindings[14], "");
    EXPECT_THAT(thirdView.said,
                ElementsAre(AllOf(HasSubstr("will not run it as written"),
                                  HasSubstr("before this one: \"" + install + "legacy/qmvc.cfg"))));
    // A configuration that cannot be read, or is too large, says nothing of the keys.
    WriteFile(install + "legacy/profiles/Me/etconfig.cfg", std::string(2 << 20, '\n'));
    EXPECT_EQ(BindingsAtStart(), Lines(kKeyCount));
    files.Plant(Step::Read, Denied(), "etconfig.cfg");
    EXPECT_EQ(BindingsAtStart(), Lines(kKeyCount));
    files.Plant(Step::Read, Failure("Input/output error"), "defaultprofile");
    EXPECT_EQ(BindingsAtStart(), Lines(kKeyCount));
}
#endif

// ET: Legacy's folder: a message carries a text of the player's own, refused with the reasons
// until the game would show it as written, kept over a crash, written after the message's name.
// Read back where the game shows no text, or a text it would show otherwise: said, and left out.
TEST_F(FormTest, ATextOfThePlayersOwnGoesWhereTheGameShowsIt) {
    Assign({2, 1});
    form.OnMenuCommand(Command::EditMessageText, 0);
    EXPECT_THAT(LastMessage(), HasSubstr("Only ET: Legacy shows"));
    fs::create_directories(folder / "ETLegacy/etmain");
    // No to exporting first, and the fire team's keypad 8 left to the game at each export.
    view.replies = {View::Answer::No, View::Answer::No, View::Answer::No, View::Answer::No};
    view.choices = {kLeave, kLeave, kLeave};
    Choose(
        {folder.Text("ETLegacy/etmain"), folder.Text("ET/etmain"), folder.Text("ETLegacy/etmain")});
    Assign({2, 1});
    form.OnMenuCommand(Command::EditMessageText, -1);
    EXPECT_THAT(LastMessage(), HasSubstr("Select a message"));
    view.texts = {"say \"hi\"; now", " medic at the gate "};
    form.OnMenuCommand(Command::EditMessageText, 0);
    EXPECT_EQ(view.textsOffered, (Lines{"", "say \"hi\"; now"}));
    EXPECT_THAT(LastMessage(), HasSubstr("ends the slot's value\n- it holds a semicolon"));
    // The second message's own text, then a box cancelled: nothing changes.
    Assign({2, 2});
    view.texts = {"ammo"};
    form.OnMenuCommand(Command::EditMessageText, 1);
    form.OnMenuCommand(Command::EditMessageText, 1);
    EXPECT_EQ(view.textsOffered, (Lines{"", "say \"hi\"; now", "", "ammo"}));
    EXPECT_EQ(view.list, (Lines{"Need Medic! \"medic at the gate\"    3     1",
                                "Need Ammo! \"ammo\"    3     2"}));
    form.OnDeleteClicked(1);
    // Left as a window that ended leaves it, taken up where the game shows no text.
    WriteFile(folder / "ET/etmain/pak0.pk3", "");
    WriteFile(folder / "ET/etmain/mp_bin.pk3", "");
    std::string left = ReadFile(folder / "qmrecovery.cfg");
    left.replace(left.find("ETLegacy"), 8, "ET");
    WriteFile(folder / "qmrecovery-9.cfg", left);
    WriteFile(folder / "qm.cfg", folder.Text("ET/etmain/") + "\r\n");
    Window(otherView, {kYes});
    EXPECT_THAT(otherView.said.at(0), HasSubstr("not exported, 1 message carries a text"));
    const std::string script = Exported("ETLegacy/etmain");
    EXPECT_THAT(script, HasSubstr("set try1b1  \"vsay_team Medic medic at the gate;\"\r\n"));
    view.texts = {""};
    form.OnMenuCommand(Command::EditMessageText, 0);
    EXPECT_EQ(view.list, Lines{"Need Medic!    3     1"}) << "an empty text removes it";
    EXPECT_TRUE(form.HasUnexportedChanges()) << "a text is a change of its own";

    // Read back where the game shows no text, or shows it otherwise.
    WriteFile(folder / "ET/etmain/qmvc.cfg", script);
    form.OnMenuCommand(Command::ChooseGameFolder);
    EXPECT_THAT(LastMessage(), HasSubstr("1 message carries a text of your own"));
    EXPECT_THAT(Exported("ET/etmain"), HasSubstr("set try1b1  \"vsay_team Medic;\"\r\n"));
    WriteFile(folder / "ETLegacy/etmain/qmvc.cfg",
              "set try22b1 \"vsay_team Medic 100% sure;\"\r\n");
    form.OnMenuCommand(Command::ChooseGameFolder);
    EXPECT_THAT(LastMessage(), HasSubstr("Need Medic!, \"100% sure\":\n- it holds a percent sign"));
    EXPECT_EQ(form.Keys().At(kLastKey, 0)->Command(), "vsay_team Medic;");
}

// The menu item shows whether the game runs the script at its start, and changes only that line.
TEST_F(FormTest, TheScriptRunAtGameStartIsOneLineOfAutoexec) {
    const auto shown = [&] { return view.checked.at(Command::LoadScriptAtGameStart); };
    EXPECT_FALSE(shown());
    form.OnMenuCommand(Command::LoadScriptAtGameStart);
    EXPECT_EQ(ReadFile(folder / "game/autoexec.cfg"), "exec qmvc\r\n");
    EXPECT_TRUE(shown());
    WriteFile(folder / "game/autoexec.cfg", "seta name \"me\"\nEXEC qmvc.cfg\nbind x y");
    form.OnMenuCommand(Command::LoadScriptAtGameStart);
    EXPECT_EQ(ReadFile(folder / "game/autoexec.cfg"), "seta name \"me\"\nbind x y");
    EXPECT_FALSE(shown());

    // A write that fails says so and leaves the file and the mark as they were.
    files.Plant(Step::Create, Failure("Input/output error"), "autoexec", 1);
    form.OnMenuCommand(Command::LoadScriptAtGameStart);
    EXPECT_THAT(view.said, ElementsAre(HasSubstr("beside it (Input/output error)")));
    EXPECT_EQ(ReadFile(folder / "game/autoexec.cfg"), "seta name \"me\"\nbind x y");
    EXPECT_FALSE(shown());

    // A file that cannot be read is never replaced.
    files.Plant(Step::Read, FoundFolder(), "autoexec", 1);
    const int created = files.Taken(Step::Create);
    form.OnMenuCommand(Command::LoadScriptAtGameStart);
    EXPECT_THAT(view.said, ElementsAre(_, AllOf(HasSubstr("could not read"), HasSubstr("folder"))));
    EXPECT_EQ(files.Taken(Step::Create), created);

    // A read-only file is changed only when the player says so, as a read-only script is.
    fs::permissions(folder / "game/autoexec.cfg", fs::perms::owner_write, fs::perm_options::remove);
    view.yesNoReplies = {false, true};
    form.OnMenuCommand(Command::LoadScriptAtGameStart);
    EXPECT_EQ(ReadFile(folder / "game/autoexec.cfg"), "seta name \"me\"\nbind x y");
    form.OnMenuCommand(Command::LoadScriptAtGameStart);
    EXPECT_EQ(ReadFile(folder / "game/autoexec.cfg"), "seta name \"me\"\nbind x y\nexec qmvc");
    EXPECT_THAT(view.questions, ElementsAre(HasSubstr("It is marked read-only"), _));

    // A game folder that is gone is not made again, and the player is told so.
    fs::permissions(folder / "game/autoexec.cfg", fs::perms::owner_write, fs::perm_options::add);
    fs::remove_all(folder / "game");
    form.OnMenuCommand(Command::LoadScriptAtGameStart);
    EXPECT_FALSE(fs::exists(folder / "game"));
    EXPECT_THAT(LastMessage(),
                HasSubstr("game" + std::string(1, kSeparator) + "\" does not exist"));
}

// An export that would take keys the game binds to something else asks first: Yes takes them,
// No leaves those without messages to the game, Cancel writes nothing; the same question is
// answered once.
TEST_F(FormTest, AnExportThatWouldTakeTheGamesKeysAsksFirst) {
    // The template binds keypad 8; the game binds it, and keypad 5 to Quillon's own pointer.
    WriteFile(folder / "game/wolfconfig_mp.cfg",
              "unbindall\nbind KP_UPARROW \"+forward\"\nbind KP_5 "
              "\"vstr try9bb\"\nbind INS \"+attack\"\nbind PGDN \"+reload\"\n");
    view.choices = {std::nullopt, kLeave, kCancel, kCancel, kLeave};  // a closed box cancels too
    Exported();
    EXPECT_FALSE(fs::exists(folder / "game/qmvc.cfg"));
    EXPECT_THAT(view.questions, ElementsAre(HasSubstr(":\nKeypad 8: +forward\n\n")));
    EXPECT_THAT(view.buttons,
                ElementsAre(Lines{"Leave Them to the Game", "Take the Keys", "Cancel"}));
    EXPECT_EQ(view.gameBindings[5], "In the game: +forward");
    EXPECT_EQ(view.gameBindings[9], "");
    EXPECT_EQ(view.gameBindings[22], "In the game: +reload");
    EXPECT_EQ(Exported(), "// Quillon test template\r\n" + test::FreeBlocks(1, 22));
    EXPECT_EQ(Exported(), "// Quillon test template\r\n" + test::FreeBlocks(1, 22));
    EXPECT_FALSE(fs::exists(folder / "game/qmvcundo.cfg")) << "the key left is the game's still";
    EXPECT_EQ(view.questions.size(), 2U) << "the same question, answered before";
    // Another game folder is asked again.
    WriteFile(folder / "other/Main/SP_PAK2.PK3", "");
    fs::copy_file(folder / "game/wolfconfig_mp.cfg", folder / "other/Main/wolfconfig_mp.cfg");
    Choose({folder.Text("other/Main")});
    EXPECT_EQ(Exported("other/Main"), "") << "asked again, and cancelled";
    EXPECT_EQ(Exported("other/Main"), "") << "a cancel is no answer to keep: asked again";

    // With messages the key is bound all the same, even when the keys are left to the game,
    // and the question says so.
    form.OnKeypadClicked(5);
    Assign({2, 1});
    EXPECT_EQ(Exported("other/Main"), kTemplate + test::RoadScriptBody());
    EXPECT_THAT(view.questions, ElementsAre(_, _, _, _, HasSubstr("+forward (it has messages")));

    // A long command is said in lines that a box can wrap.
    WriteFile(folder / "other/Main/wolfconfig_mp.cfg",
              "bind KP_UPARROW \"vstr " + std::string(150, 'x') + "\"\n");
    Exported("other/Main");
    std::istringstream question(view.questions.back());
    for (std::string word; question >> word;) {
        EXPECT_LE(word.size(), 64U) << word;
    }
}

// A start in a folder without a script offers the voice messages of the player's own binds: Yes
// makes them unexported changes, which the question about the game's keys no longer names; No
// is not asked again in the run; Cancel is, when the folder is used again.
TEST_F(FormTest, ThePlayersOwnVoiceBindsAreOfferedForTheKeypad) {
    WriteFile(folder / "qmscript.txt", std::string(kTemplate) + "bind KP_5 \"vstr try9bb\"\r\n" +
                                           "bind INS \"vstr try17bb\"\r\n");
    WriteFile(folder / "game/wolfconfig_mp.cfg",
              "unbindall\nbind KP_UPARROW \"vsay_team Medic;vsay Hi;+zoom\"\nbind KP_5 "
              "\"VSAY_TEAM NeedAmmo\"\nbind INS \"vsay_team Moonwalk\"\n");
    WriteFile(folder / "other/Main/SP_PAK2.PK3", "");
    using Answer = View::Answer;
    for (const Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
        FakeView shown;
        shown.replies = {answer};
        const auto window = Window(shown, {kTake});
        EXPECT_THAT(shown.questions,
                    ElementsAre(HasSubstr("Your game says voice messages on 2 keys (Keypad 8: "
                                          "Medic / Hi, Keypad 5: Ammo). Put them on the keypad?")));
        EXPECT_EQ(window->HasUnexportedChanges(), answer == Answer::Yes);
        if (answer != Answer::Yes) {
            shown.chosenFolders = {folder.Text("other/Main"), folder.Text("game")};
            window->OnMenuCommand(Command::ChooseGameFolder);
            window->OnMenuCommand(Command::ChooseGameFolder);
            EXPECT_EQ(shown.questions.size(), answer == Answer::Cancel ? 2U : 1U);
            continue;
        }
        EXPECT_EQ(window->Keys().At(5, 1)->Label(), "Hi");
        EXPECT_TRUE(fs::exists(folder / "qmrecovery-2.cfg")) << "kept as any change is";
        EXPECT_THAT(Exported(*window), HasSubstr("try9b1  \"vsay_team NeedAmmo;"));
        EXPECT_THAT(shown.questions.back(),
                    AllOf(HasSubstr(":\nKeypad 8: +zoom (it has messages"),
                          HasSubstr("\nInsert: vsay_team Moonwalk\n"), Not(HasSubstr("Keypad 5"))));
        FakeView later;  // the folder has a script now: nothing is offered
        EXPECT_TRUE(Window(later)->Keys().IsUsed(9, 0) && later.questions.empty());
    }
}

// The first export that takes keys keeps the game's binds of them in qmvcundo.cfg and says how
// to run it; a later export adds only the keys it takes first. One that is not Quillon's, or is
// read-only, is left as it is, and the player is told.
TEST_F(FormTest, TheGamesBindsOfTheKeysTakenAreKeptToGiveBack) {
    WriteFile(folder / "game/wolfconfig_mp.cfg", "bind KP_UPARROW \"+forward\"\n");
    view.choices = {kTake, kTake};
    Exported();
    const std::string undo = ReadFile(folder / "game/qmvcundo.cfg");
    EXPECT_THAT(undo, HasSubstr("binds them so again.\r\nbind KP_UPARROW \"+forward\"\r\n"));
    EXPECT_THAT(
        view.said,
        ElementsAre(HasSubstr("/exec qmvc\n\nTo give the game its keys back: /exec qmvcundo")));
    // The game saved the script's binds; the template takes one more key.
    WriteFile(folder / "game/wolfconfig_mp.cfg",
              "bind KP_UPARROW \"vstr try5bb\"\nbind PGDN \"+reload\"\n");
    WriteFile(folder / "qmscript.txt", std::string(kTemplate) + "bind PGDN \"vstr try22bb\"\r\n");
    Exported();
    EXPECT_EQ(ReadFile(folder / "game/qmvcundo.cfg"), undo + "bind PGDN \"+reload\"\r\n");
    EXPECT_THAT(view.said, ElementsAre(_, Not(HasSubstr("qmvcundo"))));

    WriteFile(folder / "qmscript.txt", std::string(kTemplate) + "bind END \"vstr try21bb\"\r\n");
    for (const char* kept : {"read-only", "not written by Quillon", "could not read"}) {
        const std::string text = kept[0] == 'n' ? "// mine\nbind KP_5 \"+mine\"\n" : undo;
        WriteFile(folder / "game/qmvcundo.cfg", text);
        fs::permissions(folder / "game/qmvcundo.cfg", fs::perms(kept[0] == 'r' ? 0444 : 0644));
        files.Plant(Step::Read, Denied(), "qmvcundo.cfg", kept[0] == 'c');
        Exported();
        EXPECT_EQ(ReadFile(folder / "game/qmvcundo.cfg"), text);
        EXPECT_THAT(LastMessage(), AllOf(HasSubstr(kept), HasSubstr("note them before")));
    }
    // Binds the game's configuration does not tell are not written as none.
    fs::remove(folder / "game/qmvcundo.cfg");
    files.Plant(Step::Read, Denied(), "wolfconfig_mp.cfg");
    Exported();
    EXPECT_FALSE(fs::exists(folder / "game/qmvcundo.cfg"));
    EXPECT_THAT(LastMessage(), HasSubstr("could not read what the game binds"));
}

// Give the Keys Back says what it does and, only when the player goes on, takes the script's run
// out of autoexec.cfg, and nothing else: the keys stay.
TEST_F(FormTest, GivingTheKeysBackStopsTheScriptAtGameStart) {
    Assign({2, 1});
    WriteFile(folder / "game/autoexec.cfg", "exec qmvc\r\nseta x 1\r\n");
    view.yesNoReplies = {false, true, true};
    form.OnMenuCommand(Command::GiveKeysBack);
    EXPECT_EQ(ReadFile(folder / "game/autoexec.cfg"), "exec qmvc\r\nseta x 1\r\n");
    WriteFile(folder / "game/qmvcundo.cfg", "// mine\n");
    form.OnMenuCommand(Command::GiveKeysBack);
    EXPECT_EQ(ReadFile(folder / "game/autoexec.cfg"), "seta x 1\r\n");
    EXPECT_FALSE(view.checked.at(Command::LoadScriptAtGameStart));
    EXPECT_THAT(view.questions, ElementsAre(HasSubstr("qmvcundo.cfg\" is missing"),
                                            HasSubstr("\" was not written by Quillon")));
    EXPECT_THAT(view.status, Not(HasSubstr("qmvcundo"))) << "none to run";
    fs::remove(folder / "game/qmvcundo.cfg");
    Exported();
    form.OnMenuCommand(Command::GiveKeysBack);
    EXPECT_THAT(view.questions.back(), HasSubstr("Then type /exec qmvcundo in the game console"));
    EXPECT_EQ(view.status, "To give the game its keys back, type /exec qmvcundo in its console.");
    EXPECT_EQ(ReadFile(folder / "game/autoexec.cfg"), "seta x 1\r\n");
    EXPECT_EQ(form.Keys().UsedCount(1), 1);
}

// Where Windows lets only administrators write, the game's files go to the folder's VirtualStore
// copy, where the game run without those rights looks first, and the player is told. Only a
// refusal below Program Files goes there: another failure, a folder elsewhere, or a copy that
// cannot be made leave the failure as it is.
TEST_F(FormTest, WhatWindowsRefusesInProgramFilesGoesToTheVirtualStore) {
    const std::string game = folder.Text("Program Files/RTCW/");
    folder.environment.knownFolders = {{KnownFolder::ProgramFiles, folder.Text() + "Program Files"},
                                       {KnownFolder::LocalAppData, folder.Text() + "Local"}};
    const ProtectedFolders guarded = ProtectedFoldersOf(folder.environment);
    const std::string copy = VirtualStoreCopy(game, guarded);
    WriteFile(PathFromText(game + "sp_pak2.pk3"), "");
    WriteFile(PathFromText(game + "qmvc.cfg"), "set try1b1 \"vsay Hi;\"\r\n");
    WriteFile(folder / "qm.cfg", game + "\r\n");
    files.Plant(Step::Create, Denied(), game);  // the folder itself, not the copy
    const auto window = Window(otherView);
    EXPECT_TRUE(window->Keys().IsUsed(1, 0)) << "read from the folder while it has no copy";
    window->OnMenuCommand(Command::ExportScript);
    EXPECT_THAT(otherView.said, ElementsAre(HasSubstr("has been created"),
                                            HasSubstr("Quillon put \"qmvc.cfg\" in \"" + copy)));
    EXPECT_THAT(ReadFile(PathFromText(copy + "qmvc.cfg")), HasSubstr(kTemplate));
    window->OnMenuCommand(Command::LoadScriptAtGameStart);
    EXPECT_EQ(ReadFile(PathFromText(copy + "autoexec.cfg")), "exec qmvc\r\n");
    // The copy now comes first, for reading and for writing.
    WriteFile(PathFromText(copy + "qmvc.cfg"), "set try2b1 \"vsay Bye;\"\r\n");
    EXPECT_TRUE(Window(thirdView)->Keys().IsUsed(2, 0));
    EXPECT_TRUE(thirdView.checked.at(Command::LoadScriptAtGameStart));

    // Only a refusal below Program Files.
    const Status refused = Status::Failure(ErrorKind::Denied, "refused");
    for (const auto& [gameFolder, failure, madeCopy, toCopy] :
         {std::tuple{game, refused, true, true},
          {game, Status::Failure(ErrorKind::Other, "full"), true, false},
          {folder.Text("Games/RTCW/"), refused, true, false},
          {game, refused, false, false}}) {
        if (!madeCopy) {
            files.Plant(Step::MakeFolder, Denied(), folder.Text("Local"));
        }
        std::vector<std::string> tried;
        std::string storedIn;
        const auto write = [&](const std::string& where) {
            tried.push_back(where);
            return tried.size() == 1 ? failure : Status::Success();
        };
        const Status written = GameFiles(files, gameFolder, guarded).Write("x", write, storedIn);
        EXPECT_EQ(tried.size(), toCopy ? 2U : 1U) << gameFolder << failure.Message();
        EXPECT_EQ(written.Message(), toCopy ? "" : failure.Message());
        EXPECT_EQ(storedIn, toCopy ? copy : "");
    }
}

// A start in a game folder that holds a script: its keys are back, and what could not be read
// is said once. A script that cannot be read starts empty, says why and is left alone.
TEST_F(FormTest, AStartRestoresTheExportedScript) {
    // A template that sets a key's variable itself is no key that could not be read.
    const std::string templateText = std::string(kTemplate) + "set try2b1 \"echo hello\"\r\n";
    WriteFile(folder / "qmscript.txt", templateText);
    const std::string script = templateText +
                               "set try1b1  \"vsay_team Medic;set try1bb vstr try1b2\"\r\n"
                               "set try1b2  \"vsay_team iamengineer;set try1bb vstr try1b1\"\r\n"
                               "set try9b1  \"vsay_team Moonwalk;\"\r\n"
                               "set\vtry3b1\f\"vsay Hi;\"\r\n";
    WriteFile(folder / "game/qmvc.cfg", script);
    const auto window = Window(otherView);
    EXPECT_EQ(otherView.list, (Lines{"Medic    3     1", "I'm a Engineer    1     101"}));
    EXPECT_THAT(otherView.said, ElementsAre(AllOf(HasSubstr("restored the messages of 2 keys"),
                                                  HasSubstr("1 line of it was not understood"))));
    EXPECT_FALSE(window->HasUnexportedChanges());

    // What could not be read is not dropped unasked: No writes nothing, Yes replaces it.
    otherView.yesNoReplies = {false, true};
    EXPECT_EQ(Exported(*window), script);
    EXPECT_THAT(Exported(*window), HasSubstr("set try3b1  \"vsay Hi;\""));
    EXPECT_THAT(otherView.questions,
                ElementsAre(HasSubstr("1 line of it that Quillon could not read "
                                      "would be lost, such as:\n  set try9b1  "
                                      "\"vsay_team Moonwalk;\""),
                            _));
    WriteFile(folder / "game/qmvc.cfg", script);
    WriteFile(folder / "game/wolfconfig_mp.cfg", "bind KP_END \"vsay Hi\"\n");  // offered if none

    files.Plant(Step::Read, FoundFolder(), "qmvc.cfg");
    const auto restarted = Window(thirdView);
    EXPECT_EQ(restarted->Keys(), KeyTable());
    EXPECT_THAT(thirdView.said, ElementsAre(AllOf(HasSubstr("could not read your keys"),
                                                  HasSubstr("it is a folder"))));
    EXPECT_EQ(Exported(*restarted), script);
    EXPECT_THAT(thirdView.questions, ElementsAre(HasSubstr("could not read it (it is a folder)")));
}

// A start reads the keys and the script run at start as the engine of the folder reads them: ET
// 2.60b runs what follows a ";" in a comment, ET: Legacy does not. The known places (Steam's, the
// installers', Wine's) are looked at only when the settings name no game folder to take: on
// Windows that lists every installer's registry entry.
TEST_F(FormTest, AStartReadsTheFolderAsItsEngineAndLooksNowhereElse) {
    for (const auto& [user, runs] : {std::pair(".etwolf", true), std::pair(".etlegacy", false)}) {
        const std::string game = folder.Text(std::string(user) + "/etmain/");
        WriteFile(game + "qmvc.cfg", "// mine; set try9b1 \"vsay Hi\"\r\n");
        WriteFile(game + "autoexec.cfg", "// off; exec qmvc\r\n");
        WriteFile(folder / "qm.cfg", game + "\r\n");
        EXPECT_EQ(Window(otherView)->Keys().UsedCount(9), runs ? 1 : 0) << user;
        EXPECT_EQ(otherView.checked[Command::LoadScriptAtGameStart], runs) << user;
    }
    for (const bool remembered : {true, false}) {
        WriteFile(folder / "qm.cfg", remembered ? folder.Text("game/") + "\r\n" : "");
        folder.environment.looks.clear();
        // The drive prompt is cancelled.
        EXPECT_EQ(Form(thirdView, files, folder.environment, folder.Text()).OnStart(), remembered);
        // Wine's prefix on Linux, the installers' entries on Windows.
        EXPECT_EQ(::testing::Value(folder.environment.looks,
                                   ::testing::Contains(::testing::AnyOf(std::string("WINEPREFIX"),
                                                                        HasSubstr("Uninstall")))),
                  !remembered);
    }
}

// Started from a folder that holds the settings, from one that holds nothing of Quillon's (the
// program's own folder serves), and from there again when the program's folder cannot be
// written: the user's folder is made, with the default template, and the starting folder is
// left as it was. On Linux, a first start elsewhere than in a folder of its files, as from a
// desktop menu, on a machine without the game: a folder of its own is made, what is missing
// there is said, and the program ends without settings.
TEST(WorkingFolder, ChosenByWhereTheProgramStartsAndWhereItMayWrite) {
    TempFolder folder;
    WriteFile(folder / "program/qmscript.txt", "default");
    WriteFile(folder / "player/qm.cfg", "");
    fs::create_directory(folder / "elsewhere");
    const auto startedIn = [&](const std::string& current) {
        return WorkingFolderPlaces{folder.Text(current + "/"), folder.Text("program/"),
                                   folder.Text("user/Quillon/"),
                                   folder.Text("program/qmscript.txt")};
    };
    FaultyFileSystem files;
    EXPECT_EQ(ChooseWorkingFolder(files, startedIn("player")).folder, folder.Text("player/"));
    EXPECT_EQ(ChooseWorkingFolder(files, startedIn("elsewhere")).folder, folder.Text("program/"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "program"), {}), 1) << "none left";

    files.Plant(Step::Read, Failure("Input/output error"), folder.Text("program/qmscript.txt"), 1);
    files.Plant(Step::Create, Failure("Read-only file system"), folder.Text("program"));
    EXPECT_THAT(
        ChooseWorkingFolder(files, startedIn("elsewhere")).status.Message(),
        HasSubstr(folder.Text("program/qmscript.txt") + "\" cannot be used: Input/output error"));
    EXPECT_FALSE(fs::exists(folder / "user/Quillon/qmscript.txt"));
    const WorkingFolder chosen = ChooseWorkingFolder(files, startedIn("elsewhere"));
    EXPECT_EQ(chosen.folder, folder.Text("user/Quillon/"));
    EXPECT_TRUE(chosen.status.Ok());
    EXPECT_EQ(ReadFile(folder / "user/Quillon/qmscript.txt"), "default");
    EXPECT_TRUE(fs::is_empty(folder / "elsewhere"));
    for (const char* program : {"program", "PROGRAM"}) {  // the same folder on Windows
        EXPECT_EQ(ChooseWorkingFolder(files, startedIn(program)).folder, chosen.folder);
    }
#ifdef _WIN32
    EXPECT_EQ(WorkingFolderPlacesOf(RealEnvironment()).own,
              std::string(std::getenv("APPDATA")) + "\\Quillon\\");
#else
    // A first start elsewhere, on a machine without the game.
    folder.environment.variables["XDG_CONFIG_HOME"] = folder.Text() + "config";
    const std::string own = folder.Text() + "config/quillon/";
    FakeView view;
    Form form(view, files, folder.environment);
    EXPECT_FALSE(form.OnStart());
    EXPECT_TRUE(view.ended);
    EXPECT_EQ(form.WorkingFolderPath(), own);
    EXPECT_TRUE(fs::is_directory(own));
    EXPECT_THAT(view.said,
                ElementsAre(HasSubstr("could not put the default template \"qmscript.txt\" there"),
                            HasSubstr("Quillon will now exit as no")));
    EXPECT_FALSE(fs::exists(own + "qm.cfg"));

    // A template of the player's own there is kept as it is.
    WriteFile(own + "qmscript.txt", "mine");
    EXPECT_TRUE(ChooseWorkingFolder(files, folder.environment).status.Ok());
    EXPECT_EQ(ReadFile(own + "qmscript.txt"), "mine");

    // A folder that cannot be made, or none at all: the current one, given the template, and why.
    WriteFile(folder / "installed.txt", "default");
    fs::create_directory(folder / "current");
    for (const auto& [userFolder, why] : {std::pair(folder.Text("refused/q/"), "Permission denied"),
                                          std::pair(std::string(), "found no folder of yours")}) {
        files.Plant(Step::MakeFolder, Denied(), "refused");
        fs::remove(folder / "current/qmscript.txt");
        const WorkingFolder mine = ChooseWorkingFolder(
            files, {folder.Text("current/"), {}, userFolder, folder.Text("installed.txt")});
        EXPECT_EQ(mine.folder, folder.Text("current/"));
        EXPECT_THAT(mine.status.Message(), HasSubstr(why));
        EXPECT_EQ(ReadFile(folder / "current/qmscript.txt"), "default");
    }

    // The current folder holds the settings: it stays the working folder.
    WriteFile(folder / "qm.cfg", "");
    EXPECT_EQ(ChooseWorkingFolder(files, folder.environment).folder, folder.Text());
    folder.environment.variables["XDG_CONFIG_HOME"] = "config";  // relative, so not taken
    EXPECT_EQ(WorkingFolderPlacesOf(folder.environment).own, folder.Text("home/.config/quillon/"));
#endif
}

// Two displays side by side; a title bar's step of 30 pixels.
TEST(WindowPlace, OpensOnADisplayAndBesideAnotherQuillonWindow) {
    const std::vector<ScreenRect> displays = {{0, 0, 1280, 1000}, {1280, 0, 2560, 1000}};
    const ScreenRect place{100, 100, 600, 500};
    // The place remembered, the other windows' places, the place the window opens at.
    const std::tuple<std::optional<ScreenRect>, std::vector<ScreenRect>, std::optional<ScreenRect>>
        cases[] = {
            {place, {}, place},
            {ScreenRect{3000, 100, 3500, 500}, {}, std::nullopt},  // on a display that is gone
            {ScreenRect{2400, -50, 2900, 350}, {}, ScreenRect{2060, 0, 2560, 400}},  // half off
            {place, {place}, ScreenRect{130, 130, 630, 530}},
            {std::nullopt, {place}, ScreenRect{130, 130, 630, 530}},
            {place, {ScreenRect{130, 130, 630, 530}, place}, ScreenRect{160, 160, 660, 560}},
            {place, {ScreenRect{100, 100, 900, 700}}, ScreenRect{130, 130, 630, 530}},  // resized
            {ScreenRect{1200, -50, 2700, 1050}, {}, ScreenRect{1280, 0, 2780, 1100}},   // too large
            {ScreenRect{700, 600, 1200, 1000},
             {ScreenRect{700, 600, 1200, 1000}},
             ScreenRect{0, 0, 500, 400}},  // no room below: from the display's corner
        };
    for (const auto& [remembered, others, opening] : cases) {
        EXPECT_EQ(OpeningPlace(remembered, displays, others, 30), opening)
            << (remembered ? PlaceText(*remembered) : "none");
    }
    EXPECT_EQ(OpeningPlaceAfter(place, displays, 2, 30), (ScreenRect{160, 160, 660, 560}));
    EXPECT_EQ(PlaceFromText(PlaceText(place)), place);
    for (const char* damaged :
         {"", "100 100", "a b c d", "100 100 50 500", "99999999999 0 1 1", "100 100 600 500 7"}) {
        EXPECT_EQ(PlaceFromText(damaged), std::nullopt) << damaged;
    }
}

// A frame of 12 by 92 pixels at 192 dpi, as Windows draws one with a menu bar.
TEST(WindowPlace, OnAScreenTooSmallForItsScaleTheInsideIsLaidOutSmaller) {
    EXPECT_EQ(LayoutDpiToFit(192, 12, 92, {0, 0, 1920, 1040}), 192);
    // 1280 x 720 at 200% less its taskbar: 163 dpi makes the inside, status bar included,
    // 816 x 587 pixels.
    EXPECT_EQ(LayoutDpiToFit(192, 12, 92, {0, 0, 1280, 680}), 163);
    EXPECT_EQ(LayoutDpiToFit(192, 12, 92, {1280, -200, 2560, 480}), 163);  // a second display
    EXPECT_EQ(LayoutDpiToFit(192, 12, 92, {0, 0, 1920, 610}), 143);        // 144 needs 519 of 518
    EXPECT_EQ(LayoutDpiToFit(288, 12, 92, {0, 0, 1280, 1024}), 253);       // too narrow
    EXPECT_EQ(LayoutDpiToFit(144, 12, 92, {0, 0, 400, 300}), 96);  // never below players' size
    EXPECT_EQ(LayoutDpiToFit(72, 12, 92, {0, 0, 400, 300}), 72);
}

}  // namespace
}  // namespace quillon
