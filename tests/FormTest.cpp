#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "FakeView.h"
#include "FaultyFileSystem.h"
#include "TempFolder.h"
#include "app/Form.h"

namespace quillon {
namespace {

using test::FakeView;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

constexpr const char* kTemplate = "// Quillon test template\r\nbind KP_UPARROW \"vstr try5bb\"\r\n";

// A view whose prompt label fails once, as a window torn down under the form might.
class FailingView : public FakeView {
  public:
    bool failNextPrompt = false;
    void SetPrompt(const std::string& text) override {
        if (failNextPrompt) {
            failNextPrompt = false;
            throw std::runtime_error("the window is gone");
        }
        FakeView::SetPrompt(text);
    }
};

// A started program: the settings file names a game folder, the template lies beside it.
class FormTest : public ::testing::Test {
  protected:
    FormTest() {
        WriteFile("qmscript.txt", kTemplate);
        std::filesystem::create_directory("game");
        WriteFile("qm.cfg", folder.Text() + "game" + kSeparator + "\r\n");
        EXPECT_TRUE(form.OnStart());
        view.messages.clear();
    }

    // A click on a line of the menu picture followed by the tick that acts on it.
    void PickLine(int16_t line) {
        form.OnMenuLineClicked(line);
        form.OnMenuTick();
    }

    void AssignMessage(int16_t page, int16_t line) {
        form.OnAssignClicked();
        form.OnMenuTick();
        if (page == 7) {
            PickLine(5);
            PickLine(8);
        } else if (page > 1) {
            PickLine(static_cast<int16_t>(page - 1));
        }
        PickLine(line);
    }

    const std::optional<Assignment>& SlotOf(int16_t key, int16_t slot) {
        return form.Keys().At(key, slot);
    }

    std::string Exported() {
        form.OnMenuCommand(layout::Command::ExportScript);
        return ReadFile(std::filesystem::path("game") / "qmvc.cfg");
    }

    TempFolder folder;
    FailingView view;
    test::FaultyFileSystem files;
    Form form{view, files, folder.Text()};
};

TEST_F(FormTest, ClassPromptTakesTheFirstLetterAndAnythingElseLeavesNothing) {
    view.answers = {"engineer", "MEDIC", " s", "x-ray", ""};
    for (int i = 0; i < 5; ++i) {
        AssignMessage(1, 6);
    }
    EXPECT_EQ(view.list, (std::vector<std::string>{"I'm a Engineer", "I'm a Medic"}));
    ASSERT_TRUE(SlotOf(1, 1) && SlotOf(1, 2));
    EXPECT_TRUE(SlotOf(1, 1)->IsClassAnnouncement());
    EXPECT_EQ(SlotOf(1, 1)->Page(), 1);
    EXPECT_EQ(SlotOf(1, 1)->Line(), 101);
    EXPECT_EQ(SlotOf(1, 2)->Line(), 109);
    EXPECT_FALSE(SlotOf(1, 3)) << "a rejected answer leaves nothing behind";
    EXPECT_EQ(view.prompts.size(), 5U);
    EXPECT_EQ(view.prompts[0],
              "Please select the class you would like to bind to this key (S)-Soldier  "
              "(E)-Engineer  (M)-Medic   (L)-Lieutenant... ");
    EXPECT_EQ(view.pageShown, 1);
    EXPECT_EQ(view.prompt, "");
    EXPECT_FALSE(form.Menu().InProgress());

    // A prompt answered with Cancel (no answer queued) ends the assignment in the same way.
    AssignMessage(1, 6);
    EXPECT_EQ(view.list.size(), 2U);
    EXPECT_FALSE(SlotOf(1, 3));
}

TEST_F(FormTest, TicksWhileABoxIsOpenDoNothingAndTheCurrentKeyStaysShown) {
    view.answers = {"s"};
    view.whileBoxOpen = [&] {
        form.OnMenuTick();
        form.OnMenuTick();
        form.OnBlinkTick();
    };
    AssignMessage(1, 6);
    EXPECT_EQ(view.prompts.size(), 1U);
    EXPECT_EQ(view.list, std::vector<std::string>{"I'm a Soldier"});

    // A box that opens while the blinking key is hidden shows it until the box is closed.
    form.OnBlinkTick();
    form.OnBlinkTick();
    ASSERT_FALSE(view.visible[1]);
    form.OnKeypadClicked(0);  // Num Lock answers with a box
    form.OnMenuCommand(layout::Command::ExportScript);
    EXPECT_EQ(view.allKeysShownInBox, (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(view.visible[1]);
    EXPECT_EQ(view.currentKey, "/");
}

TEST_F(FormTest, FullKeyIsRefusedUntilALineIsDeleted) {
    AssignMessage(2, 1);
    AssignMessage(7, 6);
    AssignMessage(4, 5);
    EXPECT_EQ(view.list,
              (std::vector<std::string>{"Path Cleared", "Good game", "Defend The Objective"}));
    EXPECT_EQ(SlotOf(1, 2)->Page(), 7);
    EXPECT_EQ(SlotOf(1, 2)->Line(), 6);

    form.OnAssignClicked();
    EXPECT_EQ(view.prompt, "");
    EXPECT_FALSE(form.Menu().InProgress());

    form.OnDeleteClicked(-1);  // nothing selected: nothing happens
    form.OnDeleteClicked(3);   // no such line
    EXPECT_EQ(view.list.size(), 3U);
    form.OnDeleteClicked(0);
    EXPECT_EQ(view.list, (std::vector<std::string>{"Good game", "Defend The Objective"}));
    EXPECT_EQ(SlotOf(1, 1)->Page(), 7);
    EXPECT_EQ(SlotOf(1, 2)->Page(), 4);
    EXPECT_FALSE(SlotOf(1, 3));

    AssignMessage(5, 4);
    EXPECT_EQ(view.list.back(), "You're Welcome");
    EXPECT_EQ(SlotOf(1, 3)->Page(), 5);

    // Switching away and back lists the slots with their numbers, and labels never grow.
    for (int round = 0; round < 3; ++round) {
        form.OnKeypadClicked(2);
        EXPECT_TRUE(view.list.empty());
        form.OnKeypadClicked(1);
    }
    EXPECT_EQ(view.list,
              (std::vector<std::string>{"Good game    7     6", "Defend The Objective    4     5",
                                        "You're Welcome    5     4"}));
}

TEST_F(FormTest, AbandonedPicksLeaveNothingBehind) {
    AssignMessage(2, 1);
    AssignMessage(3, 2);
    // Walk to page 7 through line 8 of page 6, then cancel.
    form.OnAssignClicked();
    PickLine(5);
    PickLine(8);
    EXPECT_EQ(view.pageShown, 7);
    PickLine(7);  // no entry: the page stays
    EXPECT_EQ(view.pageShown, 7);
    form.OnCancelClicked();
    EXPECT_EQ(view.pageShown, 1);
    EXPECT_FALSE(SlotOf(1, 3));
    EXPECT_EQ(view.list.size(), 2U);

    // Starting again part-way starts on the main page, and the key is not full.
    form.OnAssignClicked();
    PickLine(2);
    PickLine(8);  // no entry on the requests page
    form.OnAssignClicked();
    EXPECT_EQ(view.prompt, "Please select a command");
    EXPECT_EQ(view.pageShown, 1);
    PickLine(4);
    PickLine(1);
    EXPECT_EQ(view.list.back(), "Yes (TEAM)");
    EXPECT_EQ(SlotOf(1, 3)->Page(), 5);
    EXPECT_EQ(SlotOf(1, 3)->Line(), 1);

    // A line deleted while a pick is under way: the pick goes into the next free slot.
    form.OnAssignClicked();  // refused: full
    form.OnDeleteClicked(0);
    form.OnAssignClicked();
    PickLine(5);
    form.OnDeleteClicked(0);
    PickLine(4);
    EXPECT_EQ(view.list, (std::vector<std::string>{"Yes (TEAM)", "Hi"}));
    EXPECT_EQ(SlotOf(1, 2)->Page(), 6);
    EXPECT_FALSE(SlotOf(1, 3));
}

TEST_F(FormTest, TheKeypadDuringAnAssignmentAndTheBlinkAfterIt) {
    // During an assignment the keypad is dead, and of two clicks within one tick the first counts.
    form.OnAssignClicked();
    form.OnKeypadClicked(3);
    EXPECT_EQ(form.CurrentKey(), 1);
    form.OnMenuLineClicked(2);
    form.OnMenuLineClicked(1);
    form.OnMenuTick();
    EXPECT_EQ(view.pageShown, 3);

    // A key hidden by the blink is shown again once another key is current.
    form.OnCancelClicked();
    form.OnBlinkTick();
    form.OnBlinkTick();
    ASSERT_FALSE(view.visible[1]);
    form.OnKeypadClicked(20);
    form.OnBlinkTick();
    EXPECT_TRUE(view.visible[1]);
    EXPECT_EQ(view.currentKey, "Del");
}

TEST_F(FormTest, AFailingStepSaysSoAndKeepsTheAssignments) {
    AssignMessage(3, 1);
    form.OnKeypadClicked(5);
    AssignMessage(3, 1);
    view.failNextPrompt = true;
    form.OnAssignClicked();
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_EQ(view.messages[0].first,
              "Quillon could not finish that step: the window is gone\nYour assignments are kept.");
    EXPECT_EQ(view.messages[0].second, "Quillon");

    // The program goes on: the assignments are all there and the menu still works.
    form.OnCancelClicked();
    const std::string script = Exported();
    EXPECT_NE(script.find("set try1b1  \"vsay_team Medic;\""), std::string::npos);
    EXPECT_NE(script.find("set try5b1  \"vsay_team Medic;\""), std::string::npos);
    AssignMessage(3, 2);
    EXPECT_EQ(view.list.back(), "Ammo");
}

TEST_F(FormTest, ClosingAsksOnlyWhenThereIsSomethingToLose) {
    form.OnMenuCommand(layout::Command::Exit);
    EXPECT_TRUE(view.closeRequested) << "Exit closes the window as its close box does";
    EXPECT_TRUE(form.OnCloseRequested());
    EXPECT_TRUE(view.questions.empty()) << "nothing changed: no question";

    AssignMessage(3, 1);
    view.replies = {View::Answer::Cancel};
    EXPECT_FALSE(form.OnCloseRequested());
    view.replies = {View::Answer::No};
    EXPECT_TRUE(form.OnCloseRequested());
    EXPECT_FALSE(std::filesystem::exists("game/qmvc.cfg")) << "No closes without exporting";
    ASSERT_EQ(view.questions.size(), 2U);
    EXPECT_EQ(view.questions[0], "Export the script before closing?");

    // Yes with an export that fails: the failure is shown and the window stays.
    std::filesystem::remove("qmscript.txt");
    view.replies = {View::Answer::Yes};
    EXPECT_FALSE(form.OnCloseRequested());
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_NE(view.messages[0].first.find("qmscript.txt"), std::string::npos);

    WriteFile("qmscript.txt", kTemplate);
    view.replies = {View::Answer::Yes};
    EXPECT_TRUE(form.OnCloseRequested());
    EXPECT_NE(ReadFile("game/qmvc.cfg").find("vsay_team Medic;"), std::string::npos);

    // Exported, deleted, assigned again as it was: nothing to lose.
    form.OnDeleteClicked(0);
    EXPECT_TRUE(form.HasUnexportedChanges());
    AssignMessage(3, 1);
    EXPECT_FALSE(form.HasUnexportedChanges());
}

TEST_F(FormTest, TheGameFolderCanBeChosenFromTheMenu) {
    AssignMessage(2, 1);
    form.OnMenuCommand(layout::Command::ExportScript);
    const std::string firstGame = form.GamePath();

    // A cancelled chooser, and a folder without the game's data file, change nothing.
    form.OnMenuCommand(layout::Command::ChooseGameFolder);
    EXPECT_EQ(view.chooserStarts.back(), firstGame);
    std::filesystem::create_directories("elsewhere");
    view.chosenFolders = {folder.Text() + "elsewhere"};
    form.OnMenuCommand(layout::Command::ChooseGameFolder);
    ASSERT_FALSE(view.messages.empty());
    EXPECT_NE(view.messages.back().first.find("elsewhere"), std::string::npos);
    EXPECT_NE(view.messages.back().first.find("sp_pak2.pk3"), std::string::npos);
    EXPECT_EQ(form.GamePath(), firstGame);

    // Another installation with a script of its own: its keys come back with it.
    WriteFile("other/Main/SP_PAK2.PK3", "");
    WriteFile("other/Main/qmvc.cfg", std::string(kTemplate) + "\r\nset try1b1  \"vsay Bye;\"\r\n");
    form.OnKeypadClicked(5);
    AssignMessage(3, 2);  // not exported
    view.replies = {View::Answer::Cancel};
    const std::string other = folder.Text() + "other" + kSeparator + "Main";
    view.chosenFolders = {other};
    form.OnMenuCommand(layout::Command::ChooseGameFolder);
    EXPECT_EQ(form.GamePath(), firstGame) << "Cancel keeps the folder and the changes";
    EXPECT_TRUE(form.HasUnexportedChanges());

    view.replies = {View::Answer::No};
    view.chosenFolders = {other};
    form.OnMenuCommand(layout::Command::ChooseGameFolder);
    ASSERT_EQ(view.questions.size(), 2U);
    EXPECT_EQ(form.GamePath(), other + kSeparator);
    EXPECT_EQ(ReadFile("qm.cfg"), other + kSeparator + "\r\n");
    EXPECT_EQ(form.Keys().At(1, 1)->Label(), "Bye");
    EXPECT_FALSE(form.Keys().IsUsed(5, 1)) << "the changes answered No to are gone";
    EXPECT_FALSE(form.HasUnexportedChanges());
    EXPECT_TRUE(view.list.empty()) << "key 5 is current and holds nothing there";

    // A folder without a script of its own starts with no keys at all.
    WriteFile("empty/Main/sp_pak2.pk3", "");
    view.chosenFolders = {folder.Text() + "empty" + kSeparator + "Main"};
    form.OnMenuCommand(layout::Command::ChooseGameFolder);
    EXPECT_EQ(form.Keys(), KeyTable());
}

// A start in a game folder that holds a script: its keys are back, and what could not be read
// is said once.
TEST(FormStartUp, TheExportedScriptIsRestored) {
    TempFolder folder;
    WriteFile("qmscript.txt", kTemplate);
    WriteFile("qm.cfg", folder.Text() + "game" + kSeparator + "\r\n");
    WriteFile(std::filesystem::path("game") / "qmvc.cfg",
              std::string(kTemplate) +
                  "set try1b1  \"vsay_team Medic;set try1bb vstr try1b2\"\r\n"
                  "set try1b2  \"vsay_team iamengineer;set try1bb vstr try1b1\"\r\n"
                  "set try1b3  \";\"\r\n"
                  "set try9b1  \"vsay_team Moonwalk;\"\r\n");
    FakeView view;
    Form form(view, RealFileSystem(), folder.Text());
    ASSERT_TRUE(form.OnStart());
    EXPECT_EQ(view.list,
              (std::vector<std::string>{"Medic    3     1", "I'm a Engineer    1     101"}));
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_NE(view.messages[0].first.find("restored the messages of 1 keys"), std::string::npos)
        << view.messages[0].first;
    EXPECT_NE(view.messages[0].first.find("1 lines of it were not understood"), std::string::npos);
    EXPECT_FALSE(form.HasUnexportedChanges());

    // A script that cannot be read as one starts empty, says why, and writes nothing.
    for (const bool asFolder : {true, false}) {
        std::filesystem::remove_all(std::filesystem::path("game") / "qmvc.cfg");
        if (asFolder) {
            std::filesystem::create_directories(std::filesystem::path("game") / "qmvc.cfg");
        } else {
            WriteFile(std::filesystem::path("game") / "qmvc.cfg", std::string(2 << 20, 'x'));
        }
        FakeView again;
        Form restarted(again, RealFileSystem(), folder.Text());
        ASSERT_TRUE(restarted.OnStart());
        EXPECT_TRUE(again.list.empty());
        ASSERT_EQ(again.messages.size(), 1U);
        EXPECT_NE(again.messages[0].first.find(asFolder ? "it is a folder" : "larger than 1 MiB"),
                  std::string::npos)
            << again.messages[0].first;
    }
    EXPECT_EQ(std::filesystem::file_size(std::filesystem::path("game") / "qmvc.cfg"), 2U << 20);
}

// A script that exists but cannot be read: the keypad starts empty, the message gives the
// system's reason, and the script is left for the player to look at.
TEST(FormStartUp, AnUnreadableScriptSaysWhyAndIsLeftAlone) {
    TempFolder folder;
    WriteFile("qm.cfg", folder.Text() + "\r\n");
    WriteFile("qmvc.cfg", "set try1b1  \"vsay Hi;\"\r\n");
    test::FaultyFileSystem files;
    files.Plant(test::FaultyFileSystem::Step::Read, test::Denied(), "qmvc.cfg");
    FakeView view;
    Form form(view, files, folder.Text());
    ASSERT_TRUE(form.OnStart());
    EXPECT_EQ(form.Keys(), KeyTable());
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_NE(view.messages[0].first.find("could not read your keys"), std::string::npos);
    EXPECT_NE(view.messages[0].first.find("Permission denied"), std::string::npos);
    EXPECT_EQ(ReadFile("qmvc.cfg"), "set try1b1  \"vsay Hi;\"\r\n");
}

TEST(FormStartUp, NoInstallationEndsTheProgramWithoutSettings) {
    TempFolder folder;
    FakeView view;
    view.answers = {""};
    Form form(view, RealFileSystem(), folder.Text());
    EXPECT_FALSE(form.OnStart());
    EXPECT_TRUE(view.ended);
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_EQ(view.messages[0].first,
              "Quillon will now exit as no Return to Castle Wolfenstein installation was found...");
    EXPECT_FALSE(std::filesystem::exists("qm.cfg"));
}

}  // namespace
}  // namespace quillon
