#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "TempFolder.h"
#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/FaultyFileSystem.h"
#endif

#include "model/install/FolderSearch.h"
#include "model/install/GameFolders.h"
#include "platform/FolderListing.h"
#include "platform/ListingSnapshot.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using test::kGameDataFile;
using test::TempFolder;
using test::WriteFile;

// The last data file in depth-first walk order, following the order in which the file system
// lists each folder (not sorted), skipping folders whose names begin with a full stop.
void LastInWalkOrder(const fs::path& folder, std::string& last) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = TextFromPath(entry.path().filename());
        if (entry.is_directory()) {
            if (name[0] != '.') {
                LastInWalkOrder(entry.path(), last);
            }
        } else if (NameMatchesPattern(name, kGameDataFile)) {
            last = TextFromPath(entry.path());
        }
    }
}

TEST(FolderSearch, LastMatchInWalkOrderWinsWhateverTheCaseOrName) {
    TempFolder folder;
    const fs::path root = folder.Path();
    for (const char* install :
         {"Games/RTCW/Main/sp_pak2.pk3", "Games/Old, copy/Main/SP_PAK2.PK3",
          "Spiele/Wolfenstein \xc3\xbc\xc3\x9f/Main/Sp_Pak2.Pk3", "a/b/c/d/e/f/Main/sp_pak2.pk3",
          "z/sp_pak2.pk3.bak", ".hidden/Main/sp_pak2.pk3", "Games/.cache/sp_pak2.pk3"}) {
        WriteFile(root / install, "");
    }
    for (int i = 0; i < 40; ++i) {
        WriteFile(root / ("many/dir" + std::to_string(i)) / "file.dat", "");
    }
    // Installs at different depths, so that the threads reach them in any order.
    for (int i = 0; i < 12; ++i) {
        fs::path path = root / "deep";
        for (int depth = 0; depth <= i % 5; ++depth) {
            path /= "d" + std::to_string((i * 7 + depth) % 4);
        }
        WriteFile(path / ("Main" + std::to_string(i)) / "sp_pak2.pk3", "");
    }
    std::string expected;
    LastInWalkOrder(root, expected);
    ASSERT_FALSE(expected.empty());
    for (int run = 0; run < 20; ++run) {
        EXPECT_EQ(SearchFolder(RealFileSystem(), folder.Text(), kGameDataFile).match, expected);
        EXPECT_EQ(SearchDrive(RealFileSystem(), folder.Text(), kGameDataFile).match, expected);
    }

    // Each folder is opened once, its identity and its entries read through that one open.
    const int64_t opensBefore = FolderOpenCount();
    const SearchResult result = SearchDrive(RealFileSystem(), folder.Text(), kGameDataFile);
    EXPECT_EQ(FolderOpenCount() - opensBefore, result.foldersWalked);
    EXPECT_EQ(result.foldersWalked,
              SearchFolder(RealFileSystem(), folder.Text(), kGameDataFile).foldersWalked);
    EXPECT_EQ(FolderOpenCount() - opensBefore, 2 * result.foldersWalked);
    EXPECT_EQ(result.filesSeen, 57);

    // A wildcard pattern matches by the platform's rules, case ignored.
    EXPECT_TRUE(NameMatchesPattern("SP_PAK2.PK3", "sp_pak?.*"));
    EXPECT_FALSE(NameMatchesPattern("sp_pak2.pk3.bak", kGameDataFile));
    for (const char* name :
         {"MP_PAK0.PK3", "wolfconfig_mp.cfg", "mp_bin.pk3", "legacy_v2.83.pk3"}) {
        EXPECT_TRUE(NameMatchesPattern(name, DriveSearchPattern())) << name;
    }
    EXPECT_FALSE(NameMatchesPattern("mp_pak0.pk3;", DriveSearchPattern()));
    EXPECT_FALSE(NameMatchesPattern("pak0.pk3", DriveSearchPattern()));

    // Nothing below a folder that cannot be listed, and nothing in an empty tree.
    EXPECT_EQ(SearchDrive(RealFileSystem(), folder.Text() + "missing/", kGameDataFile).match, "");
    fs::create_directory(root / "empty");
    EXPECT_EQ(SearchDrive(RealFileSystem(), folder.Text() + "empty", kGameDataFile).match, "");
}

// The names of the files a listing of the folder gives for the pattern, sorted.
std::vector<std::string> FilesListed(FileSystem& files, const std::string& folder,
                                     const std::string& pattern) {
    FolderListing listing;
    std::vector<std::string> names;
    if (files.ListFolder(folder, pattern, listing).Ok()) {
        for (const FolderEntry& entry : listing.entries) {
            if (!entry.isFolder) {
                names.push_back(entry.name);
            }
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ListingSnapshot, ListsAFolderOnceAndSeesWhatTheProgramChangesAtOnce) {
    TempFolder folder;
    WriteFile(folder / "mp_pak0.pk3", "");
    WriteFile(folder / "Main" / "x.cfg", "");
    ListingSnapshot files(RealFileSystem());
    const int64_t opensBefore = FolderOpenCount();
    EXPECT_EQ(FilesListed(files, folder.Text(), "*.pk3"), std::vector<std::string>{"mp_pak0.pk3"});
    EXPECT_EQ(FilesListed(files, folder.Text(), "qmvc.cfg"), std::vector<std::string>{});
    EXPECT_EQ(FolderOpenCount() - opensBefore, 1);

    ASSERT_TRUE(WriteFileReplacing(files, folder.Text("qmvc.cfg"), "bind x").Ok());
    EXPECT_EQ(FilesListed(files, folder.Text(), "*.cfg"), std::vector<std::string>{"qmvc.cfg"});
    ASSERT_TRUE(files.Remove(folder.Text("qmvc.cfg")).Ok());
    EXPECT_EQ(FilesListed(files, folder.Text(), "*.cfg"), std::vector<std::string>{});

    // What another program adds is seen once the snapshot is forgotten.
    WriteFile(folder / "autoexec.cfg", "");
    EXPECT_EQ(FilesListed(files, folder.Text(), "*.cfg"), std::vector<std::string>{});
    files.Forget();
    EXPECT_EQ(FilesListed(files, folder.Text(), "*.cfg"), std::vector<std::string>{"autoexec.cfg"});

    SCOPED_TRACE("a folder made is listed at once; a listing used again holds only its folder's");
    ASSERT_TRUE(files.MakeFolder(folder.Text("etmain")).Ok());
    FolderListing listing;
    ASSERT_TRUE(files.ListFolder(folder.Text(), "*", listing).Ok());
    EXPECT_EQ(listing.entries.size(), 4U);
    ASSERT_TRUE(files.ListFolder(folder.Text("Main"), "*", listing).Ok());
    EXPECT_EQ(listing.entries.size(), 1U);
    EXPECT_FALSE(files.ListFolder(folder.Text("missing"), "*", listing).Ok()) << "no empty folder";
}

#ifdef _WIN32
TEST(FolderSearch, PathsPastTheClassicLimitAreWalked) {
    TempFolder folder;
    // Built through the \\?\ form, since the ordinary one stops at 260 characters.
    std::wstring path = L"\\\\?\\" + folder.Path().wstring();
    for (int level = 0; level < 10; ++level) {
        path += L"\\a folder with a rather long name " + std::to_wstring(level);
        ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
    }
    path += L"\\sp_pak2.pk3";
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);

    const std::string match = SearchDrive(RealFileSystem(), folder.Text(), kGameDataFile).match;
    EXPECT_GT(match.size(), 300U);
    EXPECT_EQ(match.rfind(folder.Text(), 0), 0U);
    EXPECT_EQ(match.substr(match.size() - 12), "\\sp_pak2.pk3");
}
#else
// A read that fails part-way through a folder keeps the entries it read before.
TEST(FolderListing, AReadErrorPartWayKeepsWhatWasRead) {
    TempFolder folder;
    for (int i = 0; i < 100; ++i) {
        WriteFile(folder.Path() / ("file" + std::to_string(i) + ".dat"), "");
    }
    static int reads;
    reads = 0;
    const EntryReader failsAfterOneRead = [](int fd, void* buffer, size_t) -> ssize_t {
        if (++reads > 1) {
            errno = EIO;
            return -1;
        }
        return getdents64(fd, buffer, 1024);  // a few entries, not the whole folder
    };
    FolderListing listing;
    ASSERT_TRUE(ListFolderReading(failsAfterOneRead, folder.Text(), kGameDataFile, listing).Ok());
    EXPECT_GT(listing.filesSeen, 0);
    EXPECT_LT(listing.filesSeen, 100);
}

TEST(FolderSearch, LinksAreFollowedButEveryRealFolderIsWalkedOnce) {
    TempFolder folder;
    const fs::path root = folder.Path();
    WriteFile(root / "drive/Games/Main/sp_pak2.pk3", "");
    WriteFile(root / "drive/Other/Main/sp_pak2.pk3", "");
    fs::create_directory_symlink(root / "drive", root / "drive/Games/Main/loop");
    fs::create_directory_symlink("../Other", root / "drive/Games/to-other");
    fs::create_symlink(root / "nowhere", root / "drive/broken");
    WriteFile(root / "outside/Main/readme.txt", "");  // reached only through a link
    fs::create_directory_symlink(root / "outside", root / "drive/linked");

    const std::string start = folder.Text() + "drive/";
    const SearchResult sequential = SearchFolder(RealFileSystem(), start, kGameDataFile);
    const SearchResult parallel = SearchDrive(RealFileSystem(), start, kGameDataFile);
    EXPECT_FALSE(sequential.match.empty());
    EXPECT_EQ(parallel.match, sequential.match);
    EXPECT_EQ(sequential.matches.size(), 2U);
    EXPECT_EQ(parallel.matches, sequential.matches);
    EXPECT_EQ(sequential.foldersWalked, 7);
    EXPECT_EQ(parallel.foldersWalked, 7);
}
// The name of a folder of a deep tree: `length` letters, one of 52 by the level, so that the
// folders of every level stand in another listing order.
std::string DeepName(int level, size_t length) {
    static const std::string kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    return std::string(length, kLetters[static_cast<size_t>(level) % kLetters.size()]);
}

// Makes `levels` nested folders in `base`, each made relative to the one above so that the path
// may pass the system's limit, with two empty folders beside each; puts the data file in the
// deepest.
void MakeDeepInstall(const std::string& base, size_t nameLength, int levels) {
    int folder = open(base.c_str(), O_RDONLY | O_DIRECTORY);
    for (int level = 1; level <= levels; ++level) {
        const std::string name = DeepName(level, nameLength);
        for (const int sibling : {level + 17, level + 35}) {
            mkdirat(folder, DeepName(sibling, nameLength).c_str(), 0755);
        }
        mkdirat(folder, name.c_str(), 0755);
        const int next = openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY);
        close(folder);
        folder = next;
    }
    close(openat(folder, "sp_pak2.pk3", O_CREAT | O_WRONLY, 0644));
    close(folder);
}

// Removes a tree deeper than the paths std::filesystem can remove.
void RemoveDeep(const std::string& folder) {
    EXPECT_EQ(std::system(("rm -rf '" + folder + "'").c_str()), 0);
}

// Each data file here is seen, and none can serve: a folder name with a line break, one past the
// longest path, one within 64 characters of it (no room for the files written beside it).
TEST(FolderSearch, MatchesWhosePathCannotBeUsedArePassedOver) {
    TempFolder folder;
    WriteFile(folder.Path() / "line\nbreak/Main/sp_pak2.pk3", "");
    const std::string deep = folder.Text() + "deep";
    const std::string room = folder.Text() + "room";
    mkdir(deep.c_str(), 0755);
    mkdir(room.c_str(), 0755);
    MakeDeepInstall(deep, 200, 25);  // 5,000 characters
    MakeDeepInstall(room, (kLongestPath - 40 - room.size()) / 20 - 1, 20);

    const SearchResult parallel = SearchDrive(RealFileSystem(), folder.Text(), kGameDataFile);
    EXPECT_EQ(parallel.filesSeen, 3);
    EXPECT_EQ(parallel.match, "");
    EXPECT_EQ(SearchFolder(RealFileSystem(), folder.Text(), kGameDataFile).match, "");
    RemoveDeep(deep);
    RemoveDeep(room);
}

// A walk that runs out of file handles part-way tries the folder again, and when handles stay
// out, walks again one folder at a time: either way it finds what the sequential walk finds, also
// when it is handed the window's snapshot of listings, which would keep the failure.
TEST(FolderSearch, RunningOutOfHandlesPartWayStillFindsTheGame) {
    TempFolder folder;
    for (const char* install : {"a/b/c/Main/sp_pak2.pk3", "a/d/Main/sp_pak2.pk3", "e/f/g/x.dat"}) {
        WriteFile(folder.Path() / install, "");
    }
    const std::string expected = SearchFolder(RealFileSystem(), folder.Text(), kGameDataFile).match;
    ASSERT_FALSE(expected.empty());
    const Status outOfHandles = Status::Failure(ErrorKind::OutOfHandles, "Too many open files");
    // The walk tries a folder 200 times more before it gives up on itself.
    for (const int failures : {3, 201}) {
        FaultyFileSystem files;
        files.keptOpenAtMost = 2;
        files.Plant(FaultyFileSystem::Step::List, outOfHandles, "a/d/", failures);
        ListingSnapshot snapshot(files);
        const SearchResult result = SearchDrive(snapshot, folder.Text(), kGameDataFile);
        EXPECT_EQ(result.match, expected) << failures;
        const int listings = files.Taken(FaultyFileSystem::Step::List);
        if (failures == 3) {
            EXPECT_EQ(listings, 10 + failures) << "ten folders, tried again, and nothing twice";
        } else {
            EXPECT_GT(listings, 2 * 10) << "walked again one folder at a time";
        }
    }
}

#endif

// Which game a folder belongs to, by its name before the files that mark it, and which engine
// runs its scripts; the drive search finds either game, and ET: Legacy's own package leads to
// the etmain folder beside it.
TEST(GameFolders, EachGameKnowsItsFoldersAndTheSearchFindsThem) {
    TempFolder folder;
    const auto at = [&](const std::string& path) {
        return EnsureTrailingSeparator(folder.Text(path));
    };
    for (const char* file : {"rtcw/Main/mp_pak0.pk3", "rtcw/Main/pak0.pk3", "et/Etmain/PAK0.pk3",
                             "et/Etmain/mp_bin.pk3", "half/etmain/pak0.pk3", "half/main/mp_bin.pk3",
                             "Legacy/etmain/pak0.pk3", "Legacy/legacy/legacy_v2.83.1.pk3",
                             "stray/etmain/wolfconfig_mp.cfg", "stray/etmain/mp_pak0.pk3"}) {
        WriteFile(folder.Path() / file, "");
    }
    fs::create_directories(folder.Path() / ".etwolf/etmain");
    fs::create_directories(folder.Path() / ".etwolf/profiles");
    fs::create_directories(folder.Path() / ".ETLegacy/etmain");
    const std::vector<std::tuple<std::string, std::optional<Game>, Engine>> folders = {
        {"rtcw/Main", Game::ReturnToCastleWolfenstein, Engine::Original},
        {"et/Etmain", Game::EnemyTerritory, Engine::Original},
        {"half/etmain", std::nullopt, Engine::Original},
        {"half/main", std::nullopt, Engine::Original},
        {"stray/etmain", std::nullopt, Engine::Original},
        {".etwolf/etmain", Game::EnemyTerritory, Engine::Original},
        {".etwolf/profiles", std::nullopt, Engine::Original},
        {".ETLegacy/etmain", Game::EnemyTerritory, Engine::Legacy},
        {"Legacy/etmain", Game::EnemyTerritory, Engine::Legacy},
        {"Legacy/legacy", std::nullopt, Engine::Original}};
    for (const auto& [path, game, engine] : folders) {
        EXPECT_EQ(GameOfFolder(RealFileSystem(), at(path)), game) << path;
        EXPECT_EQ(EngineOfFolder(RealFileSystem(), at(path), EnemyTerritory()), engine) << path;
    }

    const SearchResult found = SearchFolder(RealFileSystem(), at("Legacy"), DriveSearchPattern());
    EXPECT_EQ(GameFolderOfMatch(RealFileSystem(), found.match), at("Legacy/etmain"));
    EXPECT_EQ(GameFolderOfMatch(RealFileSystem(), at("half/main") + "mp_bin.pk3"), "");
    EXPECT_EQ(GameFolderOfMatch(RealFileSystem(), ""), "");
    // Each game folder found once, the first game's first, one game's in the order of the walk.
    std::vector<std::string> matches = {
        at("et/Etmain") + "mp_bin.pk3", at("half/main") + "mp_bin.pk3",
        at("rtcw/Main") + "mp_pak0.pk3", at("et/Etmain") + "PAK0.pk3",
        at("Legacy/etmain") + "pak0.pk3"};
    std::vector<std::string> expected = {at("rtcw/Main"), at("et/Etmain"), at("Legacy/etmain")};
    for (int order = 0; order < 2; ++order) {
        EXPECT_EQ(GameFoldersOfMatches(RealFileSystem(), matches), expected);
        std::reverse(matches.begin(), matches.end());
        std::swap(expected[1], expected[2]);
    }
}

}  // namespace
}  // namespace quillon
