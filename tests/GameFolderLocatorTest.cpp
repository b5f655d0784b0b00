#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>

#include "FakeView.h"
#include "ScriptText.h"
#include "TempFolder.h"
#include "app/GameFolderLocator.h"
#include "app/Messages.h"
#include "model/install/DriveRoot.h"
#include "model/install/KeyValues.h"
#include "model/install/KnownPlaces.h"
#include "model/install/SettingsFile.h"
#include "model/install/VirtualStore.h"
#include "platform/FaultyFileSystem.h"
#include "platform/PathText.h"

#ifdef _WIN32
#include "TestRegistryKey.h"
#endif

namespace quillon {

// How a failing test shows a game found.
void PrintTo(const FoundGame& found, std::ostream* out) {
    *out << ProfileOf(found.game).name << " in " << found.folder;
}

namespace {

using ::testing::_;
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace fs = std::filesystem;
using test::FakeView;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// The game folder the start-up takes with the settings in the folder, as the view answers.
std::string Located(TempFolder& folder, FakeView& view, const KnownPlaces& places = {}) {
    return LocateGameFolder(view, RealFileSystem(), folder.environment, folder.Text(),
                            [&] { return places; })
        .folder;
}

// What the settings file holds is read back exactly as it was written: blanks, quotes and
// commas included. Anything else is read as well as it can be, or is no path at all.
TEST(SettingsFile, ReadsBackWhatItWroteAndNoMore) {
    TempFolder folder;
    const auto read = [&] {
        return ReadSettingsFile(RealFileSystem(), folder.Text()).scriptFolder;
    };
    FaultyFileSystem files;
    const auto write = [&](const std::string& path) {
        return WriteSettingsFile(files, folder.Text(), path);
    };
    EXPECT_FALSE(read());
    const std::string s(1, kSeparator);
    for (const std::string& path :
         {s + " leading blank" + s, "\"quoted\"" + s, s + "trailing blank " + s,
          "Games, Old" + s + "RTCW" + s, "\tx" + s, s + "games" + s + "\"x\" y" + s}) {
        ASSERT_TRUE(write(path).Ok()) << path;
        EXPECT_EQ(read(), path) << ReadFile(folder / kSettingsFileName);
    }
    for (const std::string& path : {s + "a\nb" + s, s + "a\rb" + s}) {
        EXPECT_THAT(WhySettingsNotWritten(write(path)), HasSubstr("line break"));
    }
    EXPECT_EQ(read(), s + "games" + s + "\"x\" y" + s) << "left as it was";

    fs::remove(folder / kSettingsFileName);
    fs::create_directory(folder / kSettingsFileName);
    EXPECT_FALSE(read()) << "a folder in its place cannot be read";
    EXPECT_FALSE(write(s + "games" + s).Ok());
    files.Plant(FaultyFileSystem::Step::Create, Denied());
    EXPECT_THAT(WhySettingsNotWritten(write(s)), HasSubstr("no new file could be made beside it"));
}

// The settings file as editors write it: a byte-order mark, blank lines before the path, blanks
// and quotes around it, and on Windows the system's code page when the text is no UTF-8. A file
// of no path names none.
TEST(SettingsFile, ReadsThePathAsTheEditorWroteIt) {
    TempFolder folder;
    const std::string s(1, kSeparator);
    const std::string game = s + "Spiele" + s + "Main" + s;
    const std::u16string wide(game.begin(), game.end());
    // On Windows a text that is no UTF-8 is in the system's code page.
    const std::string latin = kSeparator == '\\' ? "M\xC3\xBCller" : "M\xFCller";
    const std::pair<std::string, std::string> spellings[] = {
        // clang-format off
        {"\xEF\xBB\xBF" + game + "\r\n", game}, {"\r\n \r\n\t\n" + game + "\r\n", game},
        {"\xEF\xBB\xBF\n\n  \"" + game + "\"\n", game}, {"\t" + game + "  \r\n", game},
        {"\xEF\xBB\xBF" + s + "M\xC3\xBCller" + s, s + "M\xC3\xBCller" + s},
        {"  \"" + s + "my x" + s + "\"  \r\n", s + "my x" + s},
        {"Games" + s + "Main", "Games" + s + "Main" + s},
        {"C:/Games//RTCW/Main\r\n", NormalPath("C:/Games/RTCW/Main/")},  // either separator
        {s + "M\xFCller" + s + "\r\n", s + latin + s},
        {test::Utf16(u"\r\n" + wide + u"\r\n"), game}, {test::Utf16(wide, true), game},
        // no path means none at all:
        {"", ""}, {"\r\n", ""}, {" \r\n\t\n", ""}, {"\"\"", ""}, {"  \"  \"  ", ""},
        {std::string("/a\0b/", 5), ""},
        // clang-format on
    };
    for (const auto& [content, path] : spellings) {
        WriteFile(folder / kSettingsFileName, content);
        EXPECT_EQ(ReadSettingsFile(RealFileSystem(), folder.Text()).scriptFolder.value_or(""), path)
            << content;
    }
    // A NUL byte where no editor writes one is said, not passed over.
    WriteFile(folder / kSettingsFileName, game + std::string("\r\n\0", 3));
    EXPECT_THAT(ReadSettingsFile(RealFileSystem(), folder.Text()).status.Message(),
                HasSubstr("NUL"));
}

// A settings file that names no game folder (one that has gone, a file, a plain folder, junk) is
// said at start, with the way out: Yes searches, No keeps it.
TEST(SettingsFile, AFolderThatIsNoMoreIsSaidAtStart) {
    TempFolder folder;
    WriteFile(folder / "file", "");
    fs::create_directory(folder / "plain");
    for (const auto& [named, said] : std::vector<std::pair<std::string, std::string>>{
             {folder.Text("gone"), "does not exist"},
             {folder.Text("file"), "is no folder"},
             {folder.Text("plain"), "is no game folder any more"},
             {"#!@", "does not exist"}}) {
        WriteFile(folder / kSettingsFileName, named + "\r\n");
        for (const bool search : {false, true}) {
            FakeView view;  // the drive prompt is cancelled: nothing is found
            view.yesNoReplies = {search};
            EXPECT_EQ(Located(folder, view), search ? "" : EnsureTrailingSeparator(named));
            EXPECT_THAT(view.questions,
                        ElementsAre(AllOf(HasSubstr("Search for the game now?"), HasSubstr(said))))
                << named;
            EXPECT_EQ(view.prompts.size(), search ? 1U : 0U);
        }
    }
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
        WriteFile(folder / kSettingsFileName, content);
        FakeView view;  // the drive prompt is cancelled: nothing is found
        EXPECT_EQ(Located(folder, view), "");
        EXPECT_EQ(view.prompts.size(), 1U);
        ASSERT_EQ(view.said.size(), why.empty() ? 1U : 2U);
        EXPECT_THAT(view.said[0], HasSubstr(why));
    }
}

// One table of the ways paths are written where they come from, and how each system takes them:
// on Windows both separators, shares and the long form; elsewhere only "/" separates.
TEST(PathText, EveryWrittenPathIsTakenAsTheSystemSpellsIt) {
    // Written, as Windows takes it and its root's length, as others take it and its root's.
    using Spelling = std::tuple<std::string, std::string, size_t, std::string, size_t>;
    const std::vector<Spelling> table = {
        {"c:/x (x86)/steam", "c:\\x (x86)\\steam", 3, "c:/x (x86)/steam", 0},
        {"C:\\Games//RTCW\\\\Main/", "C:\\Games\\RTCW\\Main\\", 3, "C:\\Games/RTCW\\\\Main/", 0},
        {"\\\\server\\share\\Docs", "\\\\server\\share\\Docs", 15, "\\\\server\\share\\Docs", 0},
        {"//server/share/Docs/", "\\\\server\\share\\Docs\\", 15, "/server/share/Docs/", 1},
        {"\\\\?\\C:\\x", "\\\\?\\C:\\x", 7, "\\\\?\\C:\\x", 0},
        {"\\\\?\\UNC\\a\\b\\x", "\\\\?\\UNC\\a\\b\\x", 12, "\\\\?\\UNC\\a\\b\\x", 0},
        {"/home/you//Games/", "\\home\\you\\Games\\", 1, "/home/you/Games/", 1},
    };
    for (const auto& [written, windows, windowsRoot, elsewhere, elsewhereRoot] : table) {
        const bool onWindows = kSeparator == '\\';
        const std::string& normal = onWindows ? windows : elsewhere;
        EXPECT_EQ(NormalPath(written), normal);
        EXPECT_EQ(RootLength(normal), onWindows ? windowsRoot : elsewhereRoot) << normal;
    }
    // Folders are made below the root, in the long form too.
    TempFolder folder;
    const std::string below = folder.Text() + "a" + kSeparator + "b" + kSeparator;
    ASSERT_TRUE(MakeFolders(RealFileSystem(), (kSeparator == '\\' ? "\\\\?\\" : "") + below).Ok());
    EXPECT_TRUE(fs::is_directory(PathFromText(below)));
}

#ifdef _WIN32
TEST(DriveRoot, DriveAnswersNameTheDriveRootOrAFolder) {
    TempFolder folder;
    const auto root = [&](const std::string& answer) {
        return RootForDriveAnswer(RealFileSystem(), folder.environment, answer);
    };
    for (const char* answer : {"C", "c", "C:", "c:\\", "C:/", " C", "C \t"}) {
        EXPECT_EQ(root(answer), "C:\\") << answer;
    }
    const std::string slashed = (folder.Path() / "games").generic_string();
    fs::create_directory(folder / "games");
    EXPECT_EQ(root(slashed), folder.Text() + "games\\");
    for (const std::string& answer : std::vector<std::string>{"", "CC", "C D", "C:\\no such folder",
                                                              std::string(kLongestPath, 'C')}) {
        EXPECT_EQ(root(answer), std::nullopt) << answer;
    }
}

TEST(SettingsFile, IsFoundWhateverItsLetterCase) {
    TempFolder folder;
    WriteFile(folder / "QM.CFG", "C:\\Games\\RTCW\\Main\\\r\n");
    EXPECT_EQ(ReadSettingsFile(RealFileSystem(), folder.Text()).scriptFolder,
              "C:\\Games\\RTCW\\Main\\");
}
#else
// A Wine prefix of the test's own whose drive C holds a game.
class WineDriveTest : public ::testing::Test {
  protected:
    TempFolder folder;
    const std::string driveC = folder.MakeWinePrefix("Program Files/RTCW/Main");
    std::optional<std::string> Root(const std::string& answer) {
        return RootForDriveAnswer(RealFileSystem(), folder.environment, answer);
    }
};

TEST_F(WineDriveTest, DriveAnswersMapToWineDrivesOrFolders) {
    for (const char* answer : {"C", "c", "C:", "c:\\", "C:/", "\tC", "C "}) {
        EXPECT_EQ(Root(answer), driveC) << answer;
    }
    EXPECT_EQ(Root(folder.Text() + "prefix//drive_c"), driveC);
    EXPECT_EQ(Root(" ~ "), folder.Text() + "home/");
    // A drive whose link leads to a file is no drive.
    WriteFile(folder.Path() / "file", "");
    fs::create_symlink(folder.Path() / "file", folder.Path() / "prefix/dosdevices/d:");
    for (const std::string& answer : std::vector<std::string>{"", "D", "CC", "~/no such folder",
                                                              std::string(kLongestPath, '/')}) {
        EXPECT_EQ(Root(answer), std::nullopt) << answer;
    }
    // Without WINEPREFIX, Wine's own default prefix.
    fs::create_directory_symlink("../prefix", folder / "home/.wine");
    folder.environment.variables.erase("WINEPREFIX");
    EXPECT_EQ(Root("c"), driveC);
}

// An answer that names no folder to search (Cancel's included) and a search that finds nothing
// end the program with the message players know, and nothing is remembered; the one folder found
// is taken unasked and remembered.
TEST_F(WineDriveTest, TheOneFolderFoundIsTakenAndNothingFoundEndsTheProgram) {
    FakeView cancelled;  // the search's Cancel
    cancelled.texts = {"c"};
    cancelled.cancelSearch = true;
    EXPECT_EQ(Located(folder, cancelled), "");
    EXPECT_THAT(cancelled.said, ElementsAre(HasSubstr("was cancelled")));
    fs::create_directories(folder.Path() / "home/empty");
    for (const char* answer : {"", "D", "~/empty"}) {
        FakeView view;
        view.texts = {answer};
        EXPECT_EQ(Located(folder, view), "") << answer;
        EXPECT_EQ(view.prompts.size(), 1U);
        EXPECT_THAT(view.said, ElementsAre("Quillon will now exit as no Return to Castle "
                                           "Wolfenstein installation was found..."));
    }
    EXPECT_FALSE(fs::exists(folder / kSettingsFileName));

    FakeView view;
    view.texts = {"C:"};
    const std::string expected = driveC + "Program Files/RTCW/Main/";
    EXPECT_EQ(Located(folder, view), expected);
    EXPECT_TRUE(view.questions.empty());
    EXPECT_GE(view.progressReports, 1);
    EXPECT_FALSE(view.progressOpen) << "the progress window lives as long as the search";
    EXPECT_EQ(ReadFile(folder / kSettingsFileName), expected + "\r\n");

    // The next start uses the settings without asking, even when the folder has gone.
    fs::remove_all(folder.Path() / "prefix/drive_c/Program Files");
    FakeView again;
    EXPECT_EQ(Located(folder, again), expected);
    EXPECT_TRUE(again.prompts.empty());

    // A settings file in another letter case is not this program's: ask again.
    fs::rename(folder / kSettingsFileName, folder / "QM.CFG");
    FakeView third;  // the box is cancelled
    EXPECT_EQ(Located(folder, third), "");
    EXPECT_EQ(third.prompts.size(), 1U);
    EXPECT_EQ(third.progressReports, 0) << "a cancelled box searches no drive";
    EXPECT_FALSE(fs::exists(folder / kSettingsFileName));
}

// A drive that holds both games: one box lists them, the first game's first, and the one chosen
// is taken. With none chosen the drive is asked for again, saying so, and searched again both are
// offered again.
TEST_F(WineDriveTest, OfSeveralFoldersFoundThePlayerChoosesOne) {
    const std::string territory = driveC + "Program Files/ET/etmain/";
    WriteFile(territory + "pak0.pk3", "");
    WriteFile(territory + "mp_bin.pk3", "");
    FakeView view;
    view.texts = {"c", "c"};
    view.choices = {std::nullopt, 1};
    EXPECT_EQ(Located(folder, view), territory);
    const std::vector<std::string> both = {
        "Return to Castle Wolfenstein: " + driveC + "Program Files/RTCW/Main/",
        "Wolfenstein: Enemy Territory: " + territory};
    EXPECT_EQ(view.choicesOffered, (std::vector<std::vector<std::string>>{both, both}));
    ASSERT_EQ(view.prompts.size(), 2U);
    EXPECT_THAT(view.prompts[1],
                HasSubstr("No folder found in \"" + driveC + "\" was taken.\nThis may take"));
    EXPECT_EQ(view.textsOffered, (std::vector<std::string>{"C", "c"}));
}

// A folder answered instead of a drive: the search finds ET: Legacy's installation there, which
// is remembered (its game reads the scripts from its user folder, see Installation).
TEST_F(WineDriveTest, TheSearchFindsEnemyTerritory) {
    WriteFile(folder.Path() / "games/legacy/etmain/pak0.pk3", "");
    WriteFile(folder.Path() / "games/legacy/legacy/legacy_v2.83.1.pk3", "");
    FakeView view;
    view.texts = {folder.Text() + "games"};
    const std::string found = folder.Text() + "games/legacy/etmain/";
    EXPECT_EQ(Located(folder, view), found);
    EXPECT_TRUE(view.questions.empty());
    EXPECT_EQ(ReadFile(folder / kSettingsFileName), found + "\r\n");
}
#endif

// The game installed in `install`: its Main folder with the data file, in the letter case
// given. Returns the game folder as the probe reports it.
std::string Install(const TempFolder& folder, const std::string& install,
                    const std::string& main = "Main", const std::string& data = "sp_pak2.pk3") {
    const fs::path below = fs::path(install).make_preferred();
    WriteFile(folder.Path() / below / main / data, "");
    return TextFromPath(folder.Path() / below / main / "");
}

// The game folders found at the places, in the order they are offered.
std::vector<std::string> FoundFolders(const KnownPlaces& places) {
    std::vector<std::string> folders;
    for (const FoundGame& found : ProbeKnownPlaces(RealFileSystem(), places)) {
        folders.push_back(found.folder);
    }
    return folders;
}

std::string Quoted(const fs::path& path) {
    std::string text;
    for (const char c : TextFromPath(path)) {
        if (c == '\\' || c == '"') {
            text += '\\';
        }
        text += c;
    }
    return "\"" + text + "\"";
}

TEST(KeyValues, ReadsSteamFilesAndSurvivesBrokenOnes) {
    const std::vector<KeyValue> nodes = ParseKeyValues(
        "// comment\n\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"C:\\\\Steam "
        "\\\"x\\\"\"\n"
        "\t\t\"apps\" { \"9010\" \"123\" }\n\t}\n\tcontentstatsid bare\n}\n");
    ASSERT_EQ(nodes.size(), 1U);
    const KeyValue* library = nodes[0].Child("0");
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library->Child("PATH")->value, "C:\\Steam \"x\"");
    EXPECT_EQ(nodes[0].Child("contentstatsid")->value, "bare");

    // Truncated and unbalanced texts keep what was read before the fault.
    const std::vector<KeyValue> truncated =
        ParseKeyValues("\"a\" \"1\" \"b\" { \"c\" \"2\" \"d\" \"3");
    ASSERT_EQ(truncated.size(), 2U);
    EXPECT_EQ(truncated[1].Child("c")->value, "2");
    EXPECT_EQ(ParseKeyValues("}}} \"a\" \"1\"").size(), 0U);
    EXPECT_EQ(ParseKeyValues("\"a\" { } } \"b\" \"2\"").size(), 1U);

    // Nesting far past any Steam file, and a megabyte of noise: read, without harm.
    EXPECT_EQ(ParseKeyValues(std::string(100000, '{')).size(), 0U);
    std::string nested;
    for (int level = 0; level < 100000; ++level) {
        nested += "\"a\" { ";
    }
    const std::vector<KeyValue> deep = ParseKeyValues(nested);
    int levels = 0;
    for (const std::vector<KeyValue>* below = &deep; !below->empty();
         below = &below->front().children) {
        ++levels;
    }
    EXPECT_GT(levels, 1) << "what was read before the fault is kept";
    EXPECT_LE(levels, 16) << "no deeper than any Steam file";
    std::string noise(1 << 20, '\0');
    for (size_t i = 0; i < noise.size(); ++i) {
        noise[i] = "{}\"\\ /ab\n"[i * 7919 % 10];
    }
    ParseKeyValues(noise);
}

// Steam's libraries in both formats, then the folders installers named, then Wine prefixes'
// program folders; each folder once.
TEST(KnownPlaces, SteamLibrariesInstallersAndWinePrefixesInOrderEachFolderOnce) {
    TempFolder folder;
    // A root whose file uses the current format and names a second library, where the app
    // manifest names another install folder, written with a doubled separator; a library that no
    // longer exists.
    const fs::path root = folder.Path() / "steam";
    const fs::path second = folder.Text() + "/games-disk";
    WriteFile(root / "steamapps/libraryfolders.vdf",
              "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t" + Quoted(root) +
                  "\n\t}\n\t\"1\" { \"path\" " + Quoted(second) + " }\n\t\"2\" { \"path\" " +
                  Quoted(folder.Path() / "gone") + " }\n}\n");
    WriteFile(second / "steamapps/appmanifest_9010.acf",
              "\"AppState\" { \"appid\" \"9010\" \"installdir\" \"RtCW\" }");
    const std::string fromManifest = Install(folder, "games-disk/steamapps/common/RtCW", "main");

    // An older root: numbered keys whose values are paths (a doubled separator again), and the
    // usual install folder.
    const fs::path old = folder.Path() / "old-steam";
    const fs::path third = folder.Text() + "/third";
    WriteFile(old / "steamapps/libraryfolders.vdf",
              "\"LibraryFolders\" { \"TimeNextStatsReport\" \"1\" \"1\" " + Quoted(third) + " }");
    const std::string usual = Install(folder, "third/steamapps/common/Return to Castle Wolfenstein",
                                      "MAIN", "SP_PAK2.PK3");

    const std::string installer = Install(folder, "Installed RTCW");
    const std::string multiplayer = Install(folder, "Multiplayer only", "Main", "MP_PAK0.PK3");
    const std::string wine =
        Install(folder, "prefix/drive_c/GOG Games/Return to Castle Wolfenstein");
    WriteFile(folder.Path() / "prefix/drive_c/Program Files/Return to Castle Wolfenstein/Main/x",
              "");

    KnownPlaces places;
    places.steamRoots = {TextFromPath(root), TextFromPath(old), folder.Text("none")};
    places.winePrefixes = {folder.Text("prefix")};
    places.installFolders = {folder.Text("Installed RTCW"), folder.Text("nothing here"),
                             folder.Text("Multiplayer only"),
                             folder.Text("prefix/drive_c/GOG Games/Return to Castle Wolfenstein")};
#ifndef _WIN32
    Install(folder, "line\nbreak");  // a folder the settings file cannot hold
    fs::create_directories(folder.Path() / "dangling/Main");
    fs::create_symlink(folder.Path() / "gone", folder.Path() / "dangling/Main/sp_pak2.pk3");
    places.installFolders.push_back(folder.Text() + "line\nbreak");
    places.installFolders.push_back(folder.Text() + "dangling");
#endif
    EXPECT_EQ(FoundFolders(places),
              (std::vector<std::string>{fromManifest, usual, installer, multiplayer, wine}));
    EXPECT_TRUE(FoundFolders({}).empty());

    // A manifest whose install folder is a path leads nowhere else, not even to a game there.
    Install(folder, "elsewhere");
    WriteFile(second / "steamapps/appmanifest_9010.acf",
              "\"AppState\" { \"installdir\" \"../../../elsewhere\" }");
    EXPECT_EQ(FoundFolders(places),
              (std::vector<std::string>{usual, installer, multiplayer, wine}));
}

#ifndef _WIN32
TEST(KnownPlaces, TheHomeFolderOfThisMachine) {
    TempFolder folder;
    Install(folder, "home/.local/share/Steam/steamapps/common/Return to Castle Wolfenstein");
    fs::create_directories(folder.Path() / "home/.steam");
    fs::create_directory_symlink("../.local/share/Steam", folder.Path() / "home/.steam/steam");
    const std::string game = Install(folder,
                                     "home/Games/rtcw/drive_c/Program Files (x86)/Return "
                                     "to Castle Wolfenstein");
    const std::string bottle = Install(folder,
                                       "home/.local/share/bottles/bottles/Games/drive_c/"
                                       "Program Files/Return to Castle Wolfenstein");
    WriteFile(folder.Path() / "home/.wolf/main/wolfconfig_mp.cfg", "");  // the engine's own
    // Enemy Territory: ET: Legacy's user folder, also in its Flatpak, and ET 2.60b under Wine.
    const std::string legacy = Install(folder, "home/.etlegacy", "etmain", "etconfig.cfg");
    const std::string flatpak =
        Install(folder, "home/.var/app/com.etlegacy.ETLegacy/.etlegacy", "etmain", "etconfig.cfg");
    const std::string original =
        Install(folder, "home/Games/et/drive_c/Program Files (x86)/Wolfenstein - Enemy Territory",
                "etmain", "pak0.pk3");
    WriteFile(original + "mp_bin.pk3", "");
    Install(folder, "home/Games/et/drive_c/Program Files/Wolfenstein - Enemy Territory", "etmain",
            "pak0.pk3");  // without the game's own binaries: some other game's

    // Every other place: Steam's Flatpak and Snap, the prefix WINEPREFIX names, ~/.wine and
    // PlayOnLinux's prefixes.
    const std::string common = "steamapps/common/Return to Castle Wolfenstein";
    const std::string steamFlatpak =
        Install(folder, "home/.var/app/com.valvesoftware.Steam/.local/share/Steam/" + common);
    const std::string steamSnap =
        Install(folder, "home/snap/steam/common/.local/share/Steam/" + common);
    const std::string inPrefix = "/drive_c/Program Files/Return to Castle Wolfenstein";
    const std::string named = Install(folder, "named" + inPrefix);
    const std::string wine = Install(folder, "home/.wine" + inPrefix);
    const std::string playOnLinux = Install(folder, "home/.PlayOnLinux/wineprefix/rtcw" + inPrefix);

    folder.environment.variables["WINEPREFIX"] = folder.Text("named");
    const std::vector<FoundGame> found =
        ProbeKnownPlaces(RealFileSystem(), KnownPlacesOf(folder.environment, RealFileSystem()));
    // Steam reached twice (through ~/.steam/steam and directly) is one folder.
    std::vector<FoundGame> expected;
    for (const std::string& first :
         {folder.Text("home/.steam/steam/steamapps/common/Return to Castle Wolfenstein/Main/"),
          steamFlatpak, steamSnap, named, wine, game, bottle, playOnLinux,
          folder.Text("home/.wolf/main/")}) {
        expected.push_back({first, Game::ReturnToCastleWolfenstein});
    }
    for (const std::string& territory : {legacy, flatpak, original}) {
        expected.push_back({territory, Game::EnemyTerritory});
    }
    EXPECT_EQ(found, expected);
    folder.environment.variables.erase("HOME");  // WINEPREFIX still counts
    EXPECT_EQ(KnownPlacesOf(folder.environment, RealFileSystem()).winePrefixes,
              std::vector<std::string>{folder.Text("named")});
}
#endif

TEST(KnownPlaces, FindsAreOfferedInTurnBeforeTheDrivePrompt) {
    TempFolder folder;
    const std::string first = Install(folder, "first");
    const std::string second = Install(folder, "second");
    KnownPlaces places;
    places.installFolders = {folder.Text("first"), folder.Text("second")};

    // Declined in turn, the drive prompt (cancelled) follows the last; the second taken.
    for (const bool takeSecond : {false, true}) {
        FakeView view;
        view.yesNoReplies = {false, takeSecond};
        EXPECT_EQ(Located(folder, view, places), takeSecond ? second : "");
        EXPECT_THAT(view.questions, ElementsAre(HasSubstr(first), _));
        EXPECT_EQ(view.prompts.size(), takeSecond ? 0U : 1U);
    }
    EXPECT_EQ(ReadFile(folder / kSettingsFileName), second + "\r\n");
}

#ifdef _WIN32
TEST(KnownPlaces, TheRegistryOfThisMachine) {
    TempFolder folder;
    const std::string installed = Install(folder, "From an installer");
    const std::string steam =
        Install(folder, "Steam/steamapps/common/Return to Castle Wolfenstein");
    {
        test::TestRegistryKey entry(
            L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QuillonTestEntry");
        entry.Set(L"DisplayName", L"Return to Castle Wolfenstein (test)");
        entry.Set(L"InstallLocation",
                  L" \"" + (folder.Path() / "From an installer").wstring() + L"\\  \"\t");
        test::TestRegistryKey other(
            L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QuillonTestOther");
        other.Set(L"DisplayName", L"Some other game");
        other.Set(L"InstallLocation", folder.Path().wstring());
        test::TestRegistryKey valve(L"Software\\Valve\\Steam");
        // As Steam writes it, with "/"; quotes and blanks around it go, as for any folder named.
        valve.Set(L"SteamPath", L" \"" + (folder.Path() / "Steam").generic_wstring() + L"\" ");
        const std::string territory = Install(folder, "ET", "ETMAIN", "mp_bin.pk3");
        WriteFile(territory + "pak0.pk3", "");
        test::TestRegistryKey legacy(
            L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QuillonTestLegacy");
        legacy.Set(L"DisplayName", L"ET: Legacy 2.83.1");
        // As installers write it: with the system's variables, in quotes, with blanks.
        SetEnvironmentVariableW(L"QUILLON_TEST_ROOT", folder.Path().wstring().c_str());
        legacy.Set(L"InstallLocation", L"%QUILLON_TEST_ROOT%\\ET", REG_EXPAND_SZ);
        EXPECT_EQ(FoundFolders(KnownPlacesOf(RealEnvironment(), RealFileSystem())),
                  (std::vector<std::string>{steam, installed, territory}));
    }
    EXPECT_TRUE(FoundFolders(KnownPlacesOf(RealEnvironment(), RealFileSystem())).empty())
        << "the keys are gone";
    // A 32-bit installer's entry on 64-bit Windows, in the 32-bit view alone.
    folder.environment.registryView = RegistryView::Bits32;
    folder.environment.registry["Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\RTCW"] = {
        {"DisplayName", "Return to Castle Wolfenstein"},
        {"InstallLocation", folder.Text("From an installer")}};
    EXPECT_EQ(FoundFolders(KnownPlacesOf(folder.environment, RealFileSystem())),
              std::vector<std::string>{installed});
}
#endif

// The copy where Windows keeps, for each user, what programs write below Program Files.
TEST(VirtualStore, OnlyFoldersBelowProgramFilesHaveACopy) {
#ifdef _WIN32
    const ProtectedFolders folders{{"C:\\Program Files", "C:\\Program Files (x86)"},
                                   "C:\\Users\\me\\AppData\\Local"};
    EXPECT_EQ(VirtualStoreCopy("C:\\PROGRAM FILES (X86)\\RTCW\\Main\\", folders),
              "C:\\Users\\me\\AppData\\Local\\VirtualStore\\PROGRAM FILES (X86)\\RTCW\\Main\\");
    EXPECT_EQ(VirtualStoreCopy("C:\\Program Files Extra\\RTCW\\Main\\", folders), "");
    EXPECT_EQ(VirtualStoreCopy("D:\\Games\\RTCW\\Main\\", folders), "");
    // This machine's come from the system.
    const ProtectedFolders system = ProtectedFoldersOf(RealEnvironment());
    ASSERT_FALSE(system.programFiles.empty());
    EXPECT_THAT(system.programFiles.front(), HasSubstr("Program Files"));
    EXPECT_TRUE(RealFileSystem().IsFolder(system.localAppData)) << system.localAppData;
#else
    const ProtectedFolders folders{{"/pf"}, "/local"};
    EXPECT_EQ(VirtualStoreCopy("/PF/RTCW/Main/", folders), "/local/VirtualStore/PF/RTCW/Main/");
    EXPECT_EQ(VirtualStoreCopy("/pfx/RTCW/Main/", folders), "");
#endif
    EXPECT_EQ(VirtualStoreCopy("/pf/RTCW/Main/", ProtectedFolders{}), "");
    FakeEnvironment sixtyFourBit;
    sixtyFourBit.knownFolders = {{KnownFolder::ProgramFiles, "/pf"},
                                 {KnownFolder::ProgramFilesX86, "/pf86"}};
    EXPECT_EQ(ProtectedFoldersOf(sixtyFourBit).programFiles,
              (std::vector<std::string>{"/pf", "/pf86"}));
}

}  // namespace
}  // namespace quillon
