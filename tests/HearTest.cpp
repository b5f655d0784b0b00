#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "FakeView.h"
#include "TempFolder.h"
#include "ZipMaker.h"
#include "app/Form.h"
#include "model/voice/WaveSound.h"

namespace quillon {
namespace {

using test::FakeView;
using test::ReadFile;
using test::TempFolder;
using test::ToneWave;
using test::WriteFile;
using test::ZipMaker;
using ::testing::HasSubstr;
using Lines = std::vector<std::string>;

// The longest sound name the game loads: one byte more is silent.
const std::string kLongestSound(63, 's');
const std::string kAllies =
    "male // the Allies\nMedic {\n sound/al/m1.wav \"Medic!\"\n sound/al/m2.wav \"I need a "
    "medic!\"\n}\n"
    "NeedAmmo { sound/al/gone.wav \"Ammo!\" }\nCoverMe { sound/al/noise.wav \"Cover me!\" }\n"
    "NeedEngineer { " +
    kLongestSound + "s \"Engineer!\" }\nHoldYourFire { " + kLongestSound + " \"Hold!\" }\n";
const std::string kAxis = "male Medic { sound/ax/m.wav \"Sanitaeter!\" }";

std::string SamplesOf(const std::string& wave) {
    return wave.substr(44);
}

// The first game's folder, whose pak holds both teams' voices.
class HearTest : public ::testing::Test {
  protected:
    HearTest() {
        ZipMaker zip;
        zip.Add("scripts/wm_allies_chat.voice", kAllies, true);
        zip.Add("scripts/WM_AXIS_CHAT.VOICE", kAxis);
        zip.Add("sound/al/m1.wav", ToneWave(400), true);
        zip.Add("sound/al/m2.wav", ToneWave(500));
        zip.Add("sound/al/noise.wav", "RIFF but no wave");
        zip.Add("sound/ax/m.wav", ToneWave(300), true);
        WriteFile(folder / "game/mp_pak0.pk3", zip.Archive());
        // As an editor may have left it: a byte-order mark, and the team chosen before.
        WriteFile(folder / "qm.cfg", kSettings + "TeamVoice=Allies\r\n");
        Start(form);
    }
    void Start(Form& window) {
        EXPECT_TRUE(window.OnStart());
        Select(window);
    }
    // Assigns the message at `line` of the first game's Requests page (Medic! at first).
    static void Select(Form& window, int16_t line = 1) {
        window.OnAssignClicked();
        for (const int16_t clicked : {int16_t{2}, line}) {
            window.OnMenuLineClicked(clicked);
            window.OnMenuTick();
        }
    }
    void Hear(int16_t line = 0) { form.OnHearClicked(line); }

    TempFolder folder;
    const std::string kSettings = "\xEF\xBB\xBF" + folder.Text("game/") + "\r\n";
    FakeView view;
    Form form{view, RealFileSystem(), folder.environment, folder.Text()};
};

// Each variant in turn, in the voice of the team chosen and of the game folder in use.
TEST_F(HearTest, PlaysEachVariantInTurnInTheChosenTeamsAndGameFoldersVoice) {
    EXPECT_EQ(view.descriptions, Lines{"Medic!\nI need a medic!"});
    EXPECT_TRUE(view.checked[layout::Command::TeamVoiceAllies]);
    const KeyTable keys = form.Keys();
    Hear();
    EXPECT_EQ(view.status, "Allies, 1 of 2: Medic!");
    Hear();
    EXPECT_EQ(view.status, "Allies, 2 of 2: I need a medic!");
    form.OnMenuCommand(layout::Command::HearMessage, 0);
    EXPECT_EQ(view.status, "Allies, 1 of 2: Medic!");
    ASSERT_EQ(view.played.size(), 3u);
    EXPECT_EQ(view.played[0].samples, SamplesOf(ToneWave(400)));
    EXPECT_EQ(view.played[1].samples, SamplesOf(ToneWave(500)));

    form.OnMenuCommand(layout::Command::TeamVoiceAxis);
    EXPECT_EQ(view.descriptions, Lines{"Sanitaeter!"});
    Hear();
    EXPECT_EQ(view.status, "Axis, 1 of 1: Sanitaeter!");
    EXPECT_EQ(view.played.back().samples, SamplesOf(ToneWave(300)));
    EXPECT_EQ(ReadFile(folder / "qm.cfg"), kSettings + "TeamVoice=Axis\r\n");
    EXPECT_TRUE(form.Keys() == keys);
    EXPECT_TRUE(view.said.empty());

    FakeView again;
    Form next(again, RealFileSystem(), folder.environment, folder.Text());
    Start(next);
    EXPECT_TRUE(again.checked[layout::Command::TeamVoiceAxis]);
    EXPECT_FALSE(again.checked[layout::Command::TeamVoiceAllies]);
    EXPECT_EQ(again.descriptions, Lines{"Sanitaeter!"});
    form.OnMenuCommand(layout::Command::TeamVoiceAllies);  // each team counts its own turns
    Hear();
    EXPECT_EQ(view.status, "Allies, 2 of 2: I need a medic!");

    ZipMaker zip;
    zip.Add("scripts/wm_allies_chat.voice", "male Medic { m.wav \"Medic, over here!\" }");
    zip.Add("m.wav", ToneWave(600));
    WriteFile(folder / "other/mp_pak0.pk3", zip.Archive());
    view.replies = {View::Answer::No};
    view.chosenFolders = {folder.Text("other/")};
    form.OnMenuCommand(layout::Command::ChooseGameFolder);
    ASSERT_EQ(form.ScriptFolder(), folder.Text("other/"));
    Select(form);
    Hear();
    EXPECT_EQ(view.status, "Allies, 1 of 1: Medic, over here!");
}

TEST_F(HearTest, NothingToHearIsSaidOnTheStatusLine) {
    // What is heard, the line of its message on the first game's Requests page (0: none
    // selected) and what the status line says of it.
    const std::tuple<const char*, int16_t, std::string> cases[] = {
        {"no line selected", 0, "Select a message"},
        {"a message the scripts do not name", 3, "have no \"NeedBackup\""},
        {"a sound in none of the folders", 2, "Ammo! (silent: sound/al/gone.wav is in none"},
        {"a sound that is no WAV file", 5, "Cover me! (silent: sound/al/noise.wav is no WAV file)"},
        {"a sound name past the game's 63 bytes", 4,
         "Engineer! (silent: the game loads no sound of so long a name)"},
        {"a sound name of 63 bytes", 6, "Hold! (silent: " + kLongestSound + " is in none"},
    };
    for (const auto& [what, requestsLine, said] : cases) {
        const int16_t selected = requestsLine > 0 ? 1 : -1;
        if (selected > 0) {
            Select(form, requestsLine);
        }
        Hear(selected);
        EXPECT_THAT(view.status, HasSubstr(said)) << what;
        form.OnDeleteClicked(selected);
    }
    view.audio = Status::Failure(ErrorKind::Missing, "the system has no audio output");
    Hear();
    EXPECT_EQ(view.status, "Allies, 1 of 2: Medic! (silent: the system has no audio output)");

    WriteFile(folder / "game/mp_pak0.pk3", std::string(100, 'P'));
    FakeView other;
    Form broken(other, RealFileSystem(), folder.environment, folder.Text());
    Start(broken);
    broken.OnHearClicked(0);
    EXPECT_THAT(other.status, HasSubstr("Nothing to hear"));
    EXPECT_THAT(other.status, HasSubstr("mp_pak0.pk3"));
    EXPECT_TRUE(view.said.empty() && other.said.empty() && other.played.empty());
}

}  // namespace
}  // namespace quillon
