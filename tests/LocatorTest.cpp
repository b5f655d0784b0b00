#include <gmock/gmock.h>
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

using ::testing::HasSubstr;

namespace fs = std::filesystem;
using test::FakeView;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// What the settings file holds is read back exactly as it was written: blanks, quotes and
// commas included. Anything else is read as well as it can be, or is no path at all.
TEST(SettingsFile, ReadsBackWhatItWroteAndNoMore) {
    TempFolder folder;
    const auto read = [&] { return ReadSettingsFile(RealFileSystem(), folder.Text()).gamePath; };
    const auto write = [&](const std::string& path) {
        return WriteSettingsFile(RealFileSystem(), folder.Text(), path);
    };
    EXPECT_FALSE(read());
    const std::string s(1, kSeparator);
    for (const std::string& path :
         {s + " leading blank" + s, "\"quoted\"" + s, s + "trailing blank " + s,
          "Games, Old" + s + "RTCW" + s, "\tx" + s, s + "games" + s + "\"x\" y" + s}) {
        ASSERT_TRUE(write(path).Succeeded()) << path;
        EXPECT_EQ(read(), path) << ReadFile(kSettingsFileName);
    }
    for (const std::string& path : {s + "a\nb" + s, s + "a\rb" + s}) {
        EXPECT_THAT(write(path).Message(), HasSubstr("line break"));
    }
    EXPECT_EQ(read(), s + "games" + s + "\"x\" y" + s) << "left as it was";

    // Lines written by hand.
    const std::string game = s + "games" + s + "x" + s;
    EXPECT_EQ(GameFolderFromSettings("  " + game + "\r\n"), game);
    EXPECT_EQ(GameFolderFromSettings("\t" + game + "  \r\n"), game);
    EXPECT_EQ(GameFolderFromSettings("  \"" + s + "my x" + s + "\"  \r\n"), s + "my x" + s);
    EXPECT_EQ(GameFolderFromSettings("Games" + s + "Main"), "Games" + s + "Main" + s);
    for (const std::string& unusable : std::vector<std::string>{
             "", "\r\n", "  \r\nsecond line\r\n", "\"\"", "  \"  \"  ", std::string("/a\0b/", 5)}) {
        EXPECT_FALSE(GameFolderFromSettings(unusable)) << unusable;
    }
    fs::remove(kSettingsFileName);
    fs::create_directory(kSettingsFileName);
    EXPECT_FALSE(read()) << "a folder in its place cannot be read";
    EXPECT_FALSE(write(game).Succeeded());
}

// Settings files that hold no usable path: the program asks for the drive, as for an empty one,
// and says why when the file itself is the trouble.
TEST(SettingsFile, AHugeOrStrangeFileMeansAskingForTheDrive) {
    TempFolder folder;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {std::string(10 * 1024 * 1024, 'x'), "larger than 1 MiB"},
        {std::string(100 * 1024, 'x') + "\r\n", ""},  // a line that is no path is simply not one
    };
    for (const auto& [content, why] : cases) {
        WriteFile(kSettingsFileName, content);
        FakeView view;  // the drive prompt is cancelled: nothing is found
        EXPECT_EQ(LocateGameFolder(view, RealFileSystem(), folder.Text(), {}), "");
        EXPECT_EQ(view.prompts.size(), 1U);
        ASSERT_EQ(view.messages.size(), why.empty() ? 1U : 2U);
        EXPECT_THAT(view.messages[0].first, HasSubstr(why));
    }
}

#ifdef _WIN32
TEST(DriveRoot, DriveAnswersNameTheDriveRoot) {
    for (const char* answer : {"C", "c", "C:", "c:\\", "C:/", " C", "C \t"}) {
        EXPECT_EQ(RootForDriveAnswer(RealFileSystem(), answer), "C:\\") << answer;
    }
    for (const char* answer : {"", "  ", "CC", "C:\\x", "1", "C:\\\\", "C D"}) {
        EXPECT_FALSE(RootForDriveAnswer(RealFileSystem(), answer)) << answer;
    }
}

TEST(SettingsFile, IsFoundWhateverItsLetterCase) {
    TempFolder folder;
    WriteFile("QM.CFG", "C:\\Games\\RTCW\\Main\\\r\n");
    EXPECT_EQ(ReadSettingsFile(RealFileSystem(), folder.Text()).gamePath,
              "C:\\Games\\RTCW\\Main\\");
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
    for (const char* answer : {"C", "c", "C:", "c:\\", "C:/", "\tC", "C "}) {
        EXPECT_EQ(RootForDriveAnswer(RealFileSystem(), answer), driveC) << answer;
    }
    // A drive whose link leads to a file is no drive.
    WriteFile(folder.Path() / "file", "");
    fs::create_symlink(folder.Path() / "file", folder.Path() / "prefix/dosdevices/d:");
    for (const char* answer : {"", " ", "D", "CC", "C:\\x", "1", "C;", "C D"}) {
        EXPECT_FALSE(RootForDriveAnswer(RealFileSystem(), answer)) << answer;
    }
    EXPECT_EQ(RootForDriveAnswer(RealFileSystem(), "/srv/games"), "/srv/games/");
}

TEST_F(WineDriveTest, SearchesOnceThenRemembersTheFolder) {
    FakeView view;
    view.answers = {"c"};
    const std::string expected = driveC + "Program Files/RTCW/Main/";
    EXPECT_EQ(LocateGameFolder(view, RealFileSystem(), folder.Text(), {}), expected);
    EXPECT_GE(view.progressReports, 1);
    EXPECT_FALSE(view.progressOpen) << "the progress window lives as long as the search";
    EXPECT_EQ(ReadFile(kSettingsFileName), expected + "\r\n");

    // The next start uses the settings without asking, even when the folder has gone.
    fs::remove_all(folder.Path() / "prefix/drive_c/Program Files");
    FakeView again;
    EXPECT_EQ(LocateGameFolder(again, RealFileSystem(), folder.Text(), {}), expected);
    EXPECT_TRUE(again.prompts.empty());

    // A settings file in another letter case is not this program's: ask again.
    fs::rename(kSettingsFileName, "QM.CFG");
    FakeView third;
    third.answers = {"C"};
    EXPECT_EQ(LocateGameFolder(third, RealFileSystem(), folder.Text(), {}), "");
    EXPECT_EQ(third.prompts.size(), 1U);
    EXPECT_FALSE(fs::exists(kSettingsFileName));
}

// A folder answered instead of a drive: the search finds ET: Legacy's installation there, and
// the game folder remembered is the user folder its game reads the scripts from.
TEST_F(WineDriveTest, TheSearchFindsEnemyTerritoryAndTakesItsUserFolder) {
    WriteFile(folder.Path() / "games/legacy/etmain/pak0.pk3", "");
    WriteFile(folder.Path() / "games/legacy/legacy/legacy_v2.83.1.pk3", "");
    FakeView view;
    view.answers = {folder.Text() + "games"};
    KnownPlaces places;
    places.userRoot = folder.Text() + "home";
    const std::string user = folder.Text() + "home/.etlegacy/etmain/";
    EXPECT_EQ(LocateGameFolder(view, RealFileSystem(), folder.Text(), places), user);
    EXPECT_TRUE(fs::is_directory(user));
    EXPECT_EQ(ReadFile(kSettingsFileName), user + "\r\n");
}
#endif

}  // namespace
}  // namespace quillon
