#include <gtest/gtest.h>

#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "TempFolder.h"
#include "model/install/FolderSearch.h"
#include "platform/FaultyFileSystem.h"

namespace quillon {
namespace {

using test::kGameDataFile;
using test::TempFolder;
using test::WriteFile;

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
// out, walks again one folder at a time: either way it finds what the sequential walk finds.
TEST(FolderSearch, RunningOutOfHandlesPartWayStillFindsTheGame) {
    TempFolder folder;
    for (const char* install : {"a/b/c/Main/sp_pak2.pk3", "a/d/Main/sp_pak2.pk3", "e/f/g/x.dat"}) {
        WriteFile(folder.Path() / install, "");
    }
    const std::string expected = SearchFolder(RealFileSystem(), folder.Text(), kGameDataFile).match;
    ASSERT_FALSE(expected.empty());
    const int folders = 10;
    const FileError outOfHandles{FileError::Kind::OutOfHandles, "Too many open files"};
    // The walk tries a folder 200 times more before it gives up on itself.
    for (const int failures : {3, 201}) {
        FaultyFileSystem files;
        files.keptOpenAtMost = 2;
        files.Plant(FaultyFileSystem::Step::List, outOfHandles, "a/d/", failures);
        const SearchResult result = SearchDrive(files, folder.Text(), kGameDataFile);
        EXPECT_EQ(result.match, expected) << failures;
        const int listings = files.Taken(FaultyFileSystem::Step::List);
        if (failures == 3) {
            EXPECT_EQ(listings, folders + failures) << "tried again, and nothing twice";
        } else {
            EXPECT_GT(listings, 2 * folders) << "walked again one folder at a time";
        }
    }
}

}  // namespace
}  // namespace quillon

#endif
