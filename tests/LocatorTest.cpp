#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "FakeView.h"
#include "FakeWinePrefix.h"
#include "TempFolder.h"
#include "app/GameFolderLocator.h"
#include "model/install/DriveRoot.h"
#include "model/install/SettingsFile.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using test::FakeView;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

TEST(SettingsFile, ReadsTheWholeLineAndTreatsUnusableFilesAsAbsent) {
    TempFolder folder;
    EXPECT_FALSE(ReadSettingsFile().gamePath);

    const std::string game = std::string("Games, Old") + kSeparator + "RTCW" + kSeparator;
    ASSERT_TRUE(WriteSettingsFile(game).Succeeded());
    EXPECT_EQ(ReadFile(kSettingsFileName), game + "\r\n");
    EXPECT_EQ(ReadSettingsFile().gamePath, game) << "a comma does not cut the path";

    WriteFile(kSettingsFileName, "\"" + game + "\"\r\n");
    EXPECT_EQ(ReadSettingsFile().gamePath, game);
    WriteFile(kSettingsFileName, "Games" + std::string(1, kSeparator) + "Main");
    EXPECT_EQ(ReadSettingsFile().gamePath,
              "Games" + std::string(1, kSeparator) + "Main" + kSeparator);

    for (const char* unusable : {"", "\r\n", "  \r\nsecond line\r\n", "\"\"", "  \"  \"  "}) {
        WriteFile(kSettingsFileName, unusable);
        EXPECT_FALSE(ReadSettingsFile().gamePath) << unusable;
    }
    fs::remove(kSettingsFileName);
    fs::create_directory(kSettingsFileName);
    EXPECT_FALSE(ReadSettingsFile().gamePath) << "a folder in its place cannot be read";
    EXPECT_FALSE(WriteSettingsFile(game).Succeeded());
}

TEST(SettingsFile, BlanksAroundThePathAreNotPartOfIt) {
    const std::string s(1, kSeparator);
    const std::string game = s + "games" + s + "x" + s;
    EXPECT_EQ(GameFolderFromSettings("  " + game + "\r\n"), game);
    EXPECT_EQ(GameFolderFromSettings("\t" + game + "  \r\n"), game);
    EXPECT_EQ(GameFolderFromSettings("  \"" + s + "my x" + s + "\"  \r\n"), s + "my x" + s);
    EXPECT_EQ(GameFolderFromSettings("\" " + s + "\"x\"" + s + "\"\r\n"), " " + s + "\"x\"" + s)
        << "a quoted field runs to its last quote";
}

#ifdef _WIN32
TEST(DriveRoot, DriveAnswersNameTheDriveRoot) {
    for (const char* answer : {"C", "c", "C:", "c:\\", "C:/", " C", "C \t"}) {
        EXPECT_EQ(RootForDriveAnswer(answer), "C:\\") << answer;
    }
    for (const char* answer : {"", "  ", "CC", "C:\\x", "1", "C:\\\\", "C D"}) {
        EXPECT_FALSE(RootForDriveAnswer(answer)) << answer;
    }
}

TEST(SettingsFile, IsFoundWhateverItsLetterCase) {
    TempFolder folder;
    WriteFile("QM.CFG", "C:\\Games\\RTCW\\Main\\\r\n");
    EXPECT_EQ(ReadSettingsFile().gamePath, "C:\\Games\\RTCW\\Main\\");
}
#else
// A Wine prefix of the test's own whose drive C holds a game.
class WineDriveTest : public ::testing::Test {
  protected:
    TempFolder folder;
    test::FakeWinePrefix prefix{folder.Path(), "Program Files/RTCW/Main"};
    const std::string& driveC = prefix.driveC;
};

TEST_F(WineDriveTest, DriveAnswersMapToWineDrives) {
    for (const char* answer : {"C", "c", "C:", "c:\\", "C:/", " C", "C "}) {
        EXPECT_EQ(RootForDriveAnswer(answer), driveC) << answer;
    }
    for (const char* answer : {"", " ", "D", "CC", "C:\\x", "1", "C;", "C D"}) {
        EXPECT_FALSE(RootForDriveAnswer(answer)) << answer;
    }
    EXPECT_EQ(RootForDriveAnswer("/srv/games"), "/srv/games/");
}

TEST_F(WineDriveTest, SearchesOnceThenRemembersTheFolder) {
    FakeView view;
    view.answers = {"c"};
    const std::string expected = driveC + "Program Files/RTCW/Main/";
    EXPECT_EQ(LocateGameFolder(view, {}), expected);
    EXPECT_EQ(view.prompts.size(), 1U);
    EXPECT_GE(view.progressReports, 1);
    EXPECT_FALSE(view.progressOpen);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(ReadFile(kSettingsFileName), expected + "\r\n");

    // The next start uses the settings without asking, even when the folder has gone.
    fs::remove_all(folder.Path() / "prefix/drive_c/Program Files");
    FakeView again;
    EXPECT_EQ(LocateGameFolder(again, {}), expected);
    EXPECT_TRUE(again.prompts.empty());

    // A settings file in another letter case is not this program's: ask again.
    fs::rename(kSettingsFileName, "QM.CFG");
    FakeView third;
    third.answers = {"C"};
    EXPECT_EQ(LocateGameFolder(third, {}), "");
    EXPECT_EQ(third.prompts.size(), 1U);
    EXPECT_FALSE(fs::exists(kSettingsFileName));
}

TEST_F(WineDriveTest, CancelledSearchSaysSoAndWritesNothing) {
    FakeView view;
    view.answers = {"C"};
    view.onProgress = [](const SearchProgress& progress) {
        EXPECT_EQ(progress.root.back(), '/');
        return false;
    };
    EXPECT_EQ(LocateGameFolder(view, {}), "");
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_EQ(view.messages[0].first,
              "Quillon will now exit as the search for Return to Castle Wolfenstein was "
              "cancelled...");
    EXPECT_EQ(view.messages[0].second, "Quillon");
    EXPECT_FALSE(fs::exists(kSettingsFileName));
}
#endif

}  // namespace
}  // namespace quillon
