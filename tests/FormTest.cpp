#include <gtest/gtest.h>

#include <string>

#include "FakeView.h"
#include "ScriptText.h"
#include "TempFolder.h"
#include "app/Form.h"

namespace quillon {
namespace {

using test::FakeView;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

constexpr const char* kTemplate = "// Quillon test template\r\nbind KP_UPARROW \"vstr try5bb\"\r\n";

// A started program: the settings file names a game folder, the template lies beside it.
class FormTest : public ::testing::Test {
  protected:
    FormTest() {
        WriteFile("qmscript.txt", kTemplate);
        std::filesystem::create_directory("game");
        WriteFile("qm.cfg", folder.Text() + "game" + kSeparator + "\r\n");
        EXPECT_TRUE(form.Form_Load());
        view.messages.clear();
    }

    // A click on a hot-spot followed by the tick that acts on it.
    void PickLine(int16_t line) {
        form.Image2_Click(static_cast<int16_t>(line - 1));
        form.Timer1_Timer();
    }

    void AssignMessage(int16_t page, int16_t line) {
        form.Command2_Click();
        form.Timer1_Timer();
        if (page == 7) {
            PickLine(5);
            PickLine(8);
        } else if (page > 1) {
            PickLine(static_cast<int16_t>(page - 1));
        }
        PickLine(line);
    }

    const Slot& SlotOf(int16_t key, int16_t slot) { return form.State().keyTable.At(key, slot); }

    std::string Exported() {
        form.mnuexport_Click();
        return ReadFile(std::filesystem::path("game") / "qmvc.cfg");
    }

    TempFolder folder;
    FakeView view;
    Form form{view};
};

TEST_F(FormTest, TheRoadOfOneAssignmentEndsInTheScript) {
    form.Command1_Click(5);  // "8"
    form.Timer2_Timer();
    EXPECT_EQ(view.label3, "8");

    form.Command2_Click();
    EXPECT_EQ(view.label1, "Please select a command");
    form.Timer1_Timer();
    EXPECT_TRUE(view.cancelEnabled);
    PickLine(2);
    EXPECT_EQ(view.pageShown, 3);
    PickLine(1);
    EXPECT_EQ(view.list, std::vector<std::string>{"Medic"});
    EXPECT_EQ(view.pageShown, 1);
    EXPECT_EQ(view.label1, "");
    form.Timer1_Timer();
    EXPECT_FALSE(view.cancelEnabled);

    EXPECT_EQ(Exported(), kTemplate + test::RoadScriptBody());
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_EQ(view.messages[0].second, "Script compilation sucessful");
    EXPECT_EQ(view.messages[0].first,
              "The script has been created and can be activated by typing the following in the "
              "console : /exec qmvc");
}

TEST_F(FormTest, ClassPromptTakesTheFirstLetterAndAnythingElseLeavesNothing) {
    view.answers = {"engineer", "MEDIC", " s", "x-ray", ""};
    for (int i = 0; i < 5; ++i) {
        AssignMessage(1, 6);
    }
    EXPECT_EQ(view.list, (std::vector<std::string>{"I'm a Engineer", "I'm a Medic"}));
    EXPECT_EQ(SlotOf(1, 1).page, 1);
    EXPECT_EQ(SlotOf(1, 1).line, 101);
    EXPECT_EQ(SlotOf(1, 2).line, 109);
    EXPECT_FALSE(SlotOf(1, 3).IsUsed()) << "a rejected answer leaves no numbers behind";
    EXPECT_EQ(view.prompts.size(), 5U);
    EXPECT_EQ(view.prompts[0],
              "Please select the class you would like to bind to this key (S)-Soldier  "
              "(E)-Engineer  (M)-Medic   (L)-Lieutenant... ");
    EXPECT_EQ(view.pageShown, 1);
    EXPECT_EQ(view.label1, "");
    EXPECT_EQ(form.State().menuPick, 0);

    // A prompt answered with Cancel (no answer queued) ends the assignment in the same way.
    AssignMessage(1, 6);
    EXPECT_EQ(view.list.size(), 2U);
    EXPECT_FALSE(SlotOf(1, 3).IsUsed());
}

TEST_F(FormTest, TicksWhileTheClassPromptIsOpenDoNothing) {
    view.answers = {"s"};
    view.whileInputBoxOpen = [&] {
        form.Timer1_Timer();
        form.Timer1_Timer();
    };
    AssignMessage(1, 6);
    EXPECT_EQ(view.prompts.size(), 1U);
    EXPECT_EQ(view.list, std::vector<std::string>{"I'm a Soldier"});
}

TEST_F(FormTest, FullKeyIsRefusedUntilALineIsDeleted) {
    AssignMessage(2, 1);
    AssignMessage(7, 6);
    AssignMessage(4, 5);
    EXPECT_EQ(view.list,
              (std::vector<std::string>{"Path Cleared", "Good game", "Defend The Objective"}));
    EXPECT_EQ(SlotOf(1, 2).page, 7);
    EXPECT_EQ(SlotOf(1, 2).line, 6);

    form.Command2_Click();
    EXPECT_EQ(view.label1, "");
    EXPECT_EQ(form.State().menuPick, 0);

    form.Command4_Click();  // nothing selected: nothing happens
    EXPECT_EQ(view.list.size(), 3U);
    view.selected = 0;
    form.Command4_Click();
    EXPECT_EQ(view.list, (std::vector<std::string>{"Good game", "Defend The Objective"}));
    EXPECT_EQ(SlotOf(1, 1).page, 7);
    EXPECT_EQ(SlotOf(1, 2).page, 4);
    EXPECT_FALSE(SlotOf(1, 3).IsUsed());

    AssignMessage(5, 4);
    EXPECT_EQ(view.list.back(), "You're Welcome");
    EXPECT_EQ(SlotOf(1, 3).page, 5);

    // Switching away and back lists the slots with their numbers, and labels never grow.
    for (int round = 0; round < 3; ++round) {
        form.Command1_Click(2);
        EXPECT_TRUE(view.list.empty());
        form.Command1_Click(1);
    }
    EXPECT_EQ(view.list,
              (std::vector<std::string>{"Good game    7     6", "Defend The Objective    4     5",
                                        "You're Welcome    5     4"}));
    EXPECT_EQ(SlotOf(1, 1).label, "Good game");
}

TEST_F(FormTest, AbandonedPicksFreeTheirSlot) {
    AssignMessage(2, 1);
    AssignMessage(3, 2);
    // Walk to page 7 through line 8 of page 6, which records numbers, then cancel.
    form.Command2_Click();
    PickLine(5);
    PickLine(8);
    EXPECT_EQ(view.pageShown, 7);
    PickLine(7);  // no entry: the page stays
    EXPECT_EQ(view.pageShown, 7);
    form.Command3_Click();
    EXPECT_EQ(view.pageShown, 1);
    EXPECT_FALSE(SlotOf(1, 3).IsUsed());
    EXPECT_EQ(view.list.size(), 2U);

    // Starting again part-way abandons the pick in progress, and the key is not full.
    form.Command2_Click();
    PickLine(2);
    PickLine(8);  // no entry on the requests page, recorded all the same
    form.Command2_Click();
    EXPECT_EQ(view.label1, "Please select a command");
    EXPECT_EQ(view.pageShown, 1);
    PickLine(4);
    PickLine(1);
    EXPECT_EQ(view.list.back(), "Yes (TEAM)");
    EXPECT_EQ(SlotOf(1, 3).page, 5);
    EXPECT_EQ(SlotOf(1, 3).line, 1);

    // Deleting a line while a pick is under way, then cancelling, leaves the later slots free.
    form.Command2_Click();  // refused: full
    view.selected = 0;
    form.Command4_Click();
    form.Command2_Click();
    PickLine(5);
    PickLine(8);  // recorded into slot 3
    view.selected = 0;
    form.Command4_Click();
    form.Command3_Click();
    EXPECT_EQ(view.list, std::vector<std::string>{"Yes (TEAM)"});
    EXPECT_FALSE(SlotOf(1, 2).IsUsed());
    EXPECT_FALSE(SlotOf(1, 3).IsUsed());
}

TEST_F(FormTest, KeypadNumLockAndHotSpotsOutsideAnAssignment) {
    form.Image2_Click(0);
    form.Timer1_Timer();
    EXPECT_EQ(form.State().menuPick, 0);
    EXPECT_FALSE(view.cancelEnabled);

    form.Command1_Click(0);
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_EQ(view.messages[0].first, "Num Lock cannot be scripted with Quillon...");
    EXPECT_EQ(view.messages[0].second, "Quillon");
    EXPECT_EQ(form.State().currentKey, 1);

    // The current key blinks; every other key stays shown.
    form.Timer2_Timer();
    EXPECT_TRUE(view.visible[1]);
    EXPECT_EQ(view.label3, "/");
    form.Timer2_Timer();
    EXPECT_FALSE(view.visible[1]);
    form.Command1_Click(20);
    form.Timer2_Timer();
    EXPECT_TRUE(view.visible[1]);
    EXPECT_EQ(view.label3, "Del");

    // During an assignment the keypad is dead, and of two clicks within one tick the first counts.
    form.Command2_Click();
    form.Command1_Click(3);
    EXPECT_EQ(form.State().currentKey, 20);
    form.Image2_Click(1);
    form.Image2_Click(0);
    form.Timer1_Timer();
    EXPECT_EQ(view.pageShown, 3);
}

TEST(FormStartUp, NoInstallationEndsTheProgramWithoutSettings) {
    TempFolder folder;
    FakeView view;
    view.answers = {""};
    Form form(view);
    EXPECT_FALSE(form.Form_Load());
    EXPECT_TRUE(view.ended);
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_EQ(view.messages[0].first,
              "Quillon will now exit as no Return to Castle Wolfenstein installation was found...");
    EXPECT_FALSE(std::filesystem::exists("qm.cfg"));
}

}  // namespace
}  // namespace quillon
