#include <gtest/gtest.h>

#ifndef _WIN32

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "ChildProcess.h"
#include "TempFolder.h"
#include "model/install/FolderSearch.h"

namespace quillon {
namespace {

using test::TempFolder;
using test::WriteFile;

// The name of a folder of a deep tree: `length` letters, one of 52 by the level, so that the
// folders of every level stand in another listing order.
std::string DeepName(int level, size_t length) {
    static const std::string kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    return std::string(length, kLetters[static_cast<size_t>(level) % kLetters.size()]);
}

// Makes `levels` nested folders in `base`, each made relative to the one above so that the path
// may pass the system's limit, with two empty folders beside each; puts the data file in level
// `installAt`. Returns that folder's path below `base`.
std::string MakeDeepInstall(const std::string& base, size_t nameLength, int levels, int installAt) {
    std::string install;
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
        install += level <= installAt ? name + "/" : "";
        if (level == installAt) {
            close(openat(folder, "sp_pak2.pk3", O_CREAT | O_WRONLY, 0644));
        }
    }
    close(folder);
    return install;
}

// Removes a tree deeper than the paths std::filesystem can remove.
void RemoveDeep(const std::string& folder) {
    EXPECT_EQ(std::system(("rm -rf '" + folder + "'").c_str()), 0);
}

TEST(FolderSearch, MatchesWhosePathCannotBeUsedArePassedOver) {
    TempFolder folder;
    WriteFile(folder.Path() / "good/Main/sp_pak2.pk3", "");
    WriteFile(folder.Path() / "line\nbreak/Main/sp_pak2.pk3", "");
    mkdir((folder.Text() + "deep").c_str(), 0755);
    MakeDeepInstall(folder.Text() + "deep", 200, 25, 25);  // 5,000 characters

    const std::string expected = folder.Text() + "good/Main/sp_pak2.pk3";
    EXPECT_EQ(SearchDrive(folder.Text(), kGameDataFile).match, expected);
    EXPECT_EQ(SearchFolder(folder.Text(), kGameDataFile).match, expected);
    RemoveDeep(folder.Text() + "deep");
}

// The parallel walk gives the sequential walk's result on a tree far deeper than the files the
// process may open.
TEST(FolderSearch, ADeepTreeUnderALowFileLimitIsWalkedWhole) {
    TempFolder folder;
    mkdir((folder.Text() + "d").c_str(), 0755);
    const std::string game =
        folder.Text() + "d/" + MakeDeepInstall(folder.Text() + "d", 1, 2000, 1900) + "sp_pak2.pk3";
    const test::ChildEnd end = test::RunInChild([&] {
        const rlimit limit{64, 64};
        setrlimit(RLIMIT_NOFILE, &limit);
        const std::string parallel = SearchDrive(folder.Text(), kGameDataFile).match;
        const std::string sequential = SearchFolder(folder.Text(), kGameDataFile).match;
        return parallel == sequential && parallel == game ? std::string()
                                                          : "the walks disagree, or missed it";
    });
    RemoveDeep(folder.Text() + "d");
    EXPECT_TRUE(end.exited);
    EXPECT_EQ(end.said, "");
}

}  // namespace
}  // namespace quillon

#endif
