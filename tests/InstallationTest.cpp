#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TempFolder.h"
#include "model/install/Installation.h"
#include "model/install/KnownPlaces.h"

namespace quillon {

void PrintTo(const SearchedFolder& searched, std::ostream* out) {
    *out << (searched.userFolder ? "~" : "") << searched.folder;
}

namespace {

namespace fs = std::filesystem;
using test::TempFolder;
using test::WriteFile;

// An installation of each engine on each platform: what is there (a name ending in "/" is a
// folder), the folder chosen, where the script goes (none: in the folder chosen) and the search
// order, the user's folders marked "~". "W:" is the Wine prefix's drive C, "D:" the Documents of
// Wine's user there.
struct Case {
    const char* name;
    bool windows;
    std::vector<std::string> there;
    std::string chosen;
    std::string script;
    std::vector<std::string> order;
};

TEST(Installation, EachEngineSearchesItsOwnFolders) {
    const std::string etl = "W:Program Files (x86)/Enemy Territory - Legacy/";
    const std::string et = "W:Program Files (x86)/Wolfenstein - Enemy Territory/";
    const std::string rtcw = "W:Program Files (x86)/Return to Castle Wolfenstein/";
    const std::string proton = "steam/SteamApps/compatdata/9010/pfx/drive_c/users/";
    const std::string protonRtcw = proton + "steamuser/Documents/RTCW/main";
    const std::string steamGame = "steam/SteamApps/common/RTCW/Main";
    const std::vector<std::string> etlThere = {"etl/etmain/pak0.pk3", "etl/legacy/legacy_2.pk3"};
    // The native games' home folders are there in every case: only a native game reads them.
    // clang-format off
    const std::vector<Case> cases = {
        {"ET: Legacy under Wine", false, {etl + "etmain/pak0.pk3", etl + "legacy/legacy_v2.pk3"},
         etl + "etmain", "D:ETLegacy/etmain",
         {"~D:ETLegacy/legacy", etl + "legacy", "~D:ETLegacy/etmain", etl + "etmain"}},
        {"ET 2.60b under Wine", false,
         {et + "etmain/pak0.pk3", et + "etmain/mp_bin.pk3", "D:ETLegacy/etmain/"},
         et + "etmain", "", {et + "etmain"}},
        {"RTCW under Wine", false, {rtcw + "Main/mp_pak0.pk3"}, rtcw + "Main", "", {rtcw + "Main"}},
        {"RTCW under Wine, the maintained engine's home", false,
         {rtcw + "Main/mp_pak0.pk3", "D:RTCW/main/"}, rtcw + "Main", "",
         {"~D:RTCW/main", rtcw + "Main"}},
        {"ET: Legacy under Wine, the prefix without Documents", false,
         {"bare/drive_c/ETL/etmain/pak0.pk3", "bare/drive_c/ETL/legacy/legacy_2.pk3"},
         "bare/drive_c/ETL/etmain", "", {"bare/drive_c/ETL/legacy", "bare/drive_c/ETL/etmain"}},
        {"RTCW of an older Steam, under Proton: its user's Documents, not the public ones", false,
         {steamGame + "/sp_pak2.pk3", proton + "Public/", protonRtcw + "/"}, steamGame, "",
         {"~" + protonRtcw, steamGame}},
        {"ET: Legacy chosen by hand", false, etlThere, "etl/etmain", "home/.etlegacy/etmain",
         {"~home/.etlegacy/legacy", "etl/legacy", "~home/.etlegacy/etmain", "etl/etmain"}},
        {"ET 2.60b", false, {"et/etmain/pak0.pk3", "et/etmain/mp_bin.pk3"}, "et/etmain", "",
         {"~home/.etwolf/etmain", "et/etmain"}},
        {"RTCW, a lower-case main", false, {"wolf/main/mp_pak0.pk3"}, "wolf/main", "",
         {"~home/.wolf/main", "wolf/main"}},
        {"RTCW's home chosen", false, {"home/.wolf/main/wolfconfig_mp.cfg"}, "home/.wolf/main", "",
         {"~home/.wolf/main"}},
        {"ET: Legacy's user folder, reached by another path, with the installation reading it",
         false, {"home/x/", etlThere[0], etlThere[1]}, "home/x/../.etlegacy/etmain", "",
         {"~home/x/../.etlegacy/legacy", "etl/legacy", "~home/x/../.etlegacy/etmain",
          "etl/etmain"}},
        {"ET: Legacy on Windows", true, etlThere, "etl/etmain", "Documents/ETLegacy/etmain",
         {"~Documents/ETLegacy/legacy", "etl/legacy", "~Documents/ETLegacy/etmain", "etl/etmain"}},
        {"ET 2.60b on Windows", true,
         {"et/etmain/pak0.pk3", "et/etmain/mp_bin.pk3", "Documents/ETLegacy/etmain/"}, "et/etmain",
         "", {"et/etmain"}},
        {"RTCW's user folder on Windows, in other letter case", true, {"Documents/RTCW/main/"},
         "documents/rtcw/MAIN", "", {"~documents/rtcw/MAIN"}},
        {"RTCW on Windows", true, {"rtcw/Main/mp_pak0.pk3", "Documents/RTCW/main/"}, "rtcw/Main",
         "", {"~Documents/RTCW/main", "rtcw/Main"}},
    };
    // clang-format on
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        TempFolder folder;
        const auto path = [&](const std::string& relative) {
            const bool drive = relative.rfind("W:", 0) == 0 || relative.rfind("D:", 0) == 0;
            return folder.Text(!drive ? relative
                               : relative[0] == 'W'
                                   ? "prefix/drive_c/" + relative.substr(2)
                                   : "prefix/drive_c/users/me/Documents/" + relative.substr(2));
        };
        const auto folderPath = [&](const std::string& relative) {
            return EnsureTrailingSeparator(path(relative));
        };
        for (const char* home :
             {"home/.wolf/main/", "home/.etwolf/etmain/", "home/.etlegacy/etmain/",
              "prefix/drive_c/users/Public/Documents/", "D:"}) {
            fs::create_directories(path(home));
        }
        for (const std::string& made : test.there) {
            made.back() == '/' ? (void)fs::create_directories(path(made))
                               : WriteFile(path(made), "");
        }
        const UserPlaces places{test.windows, folder.Text(test.windows ? "Documents" : "home"),
                                "me"};
        const KnownPlaces known{{}, {folder.Text("etl")}, {}, {}, {}};
        const Installation installation = InstallationOf(
            RealFileSystem(), folderPath(test.chosen), places,
            [&](const GameProfile& game, const std::string& userFolder) {
                return InstallationsReadingFrom(RealFileSystem(), known, places, game, userFolder);
            });
        EXPECT_EQ(installation.scriptFolder,
                  folderPath(test.script.empty() ? test.chosen : test.script));
        std::vector<SearchedFolder> order;
        for (const std::string& searched : test.order) {
            order.push_back(
                {folderPath(searched.substr(searched[0] == '~' ? 1 : 0)), searched[0] == '~'});
        }
        EXPECT_EQ(installation.searchOrder, order);
        const std::string prefix = test.chosen.rfind("W:", 0) == 0     ? folderPath("prefix")
                                   : test.chosen.rfind("bare", 0) == 0 ? folderPath("bare")
                                   : test.chosen.rfind("steam", 0) == 0
                                       ? folderPath("steam/SteamApps/compatdata/9010/pfx")
                                       : "";
        EXPECT_EQ(installation.winePrefix, test.windows ? "" : prefix);
        EXPECT_EQ(installation.windowsGame, test.windows || !prefix.empty());
        EXPECT_EQ(installation.userFolderUnknown, test.chosen.rfind("bare", 0) == 0);
    }
}

#ifndef _WIN32
TEST(Installation, AWineDriveLeadsToItsPrefix) {
    EXPECT_EQ(WinePrefixOf("/p/dosdevices/c:/Games/RTCW/Main/"), "/p/");
    EXPECT_EQ(WinePrefixOf("/p/drive_c/Games/RTCW/Main/"), "/p/");
    EXPECT_EQ(WinePrefixOf("/p/c:/Games/RTCW/Main/"), "");
}

// The Documents of a prefix's users: the player's, else the only one's; of several others, none.
// Older prefixes name it "My Documents".
TEST(Installation, AWinePrefixLeadsToItsUsersDocuments) {
    for (const auto& [users, documents] :
         std::vector<std::pair<std::vector<const char*>, std::string>>{
             {{"a/Documents", "b/Documents", "me/Documents", "y/Documents", "z/Documents"},
              "me/Documents"},
             {{"a/Documents", "z/Documents"}, ""},
             {{"me/My Documents"}, "me/My Documents"}}) {
        TempFolder folder;
        for (const char* user : users) {
            fs::create_directories(folder.Path() / "p/drive_c/users" / user);
        }
        EXPECT_EQ(WineDocumentsOf(RealFileSystem(), folder.Text("p"), "me"),
                  documents.empty() ? "" : folder.Text("p/drive_c/users/" + documents + "/"));
    }
}
#endif

}  // namespace
}  // namespace quillon
