#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FakeView.h"
#include "TempFolder.h"
#include "app/GameFolderLocator.h"
#include "model/install/FolderSearch.h"
#include "model/install/SettingsFile.h"

#ifndef _WIN32
#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quillon {
namespace {

namespace fs = std::filesystem;
using test::FakeView;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

TEST(SettingsFile, PathsReadBackExactlyAsWrittenAndLineBreaksAreRefused) {
    TempFolder folder;
    const std::string s(1, kSeparator);
    for (const std::string& path :
         {s + " leading blank" + s, "\"quoted\"" + s, s + "trailing blank " + s, s + "a, b" + s,
          "\tx" + s, s + "games" + s + "\"x\" y" + s}) {
        ASSERT_TRUE(WriteSettingsFile(path).Succeeded()) << path;
        EXPECT_EQ(ReadSettingsFile().gamePath, path) << ReadFile(kSettingsFileName);
    }
    for (const std::string& path : {s + "a\nb" + s, s + "a\rb" + s}) {
        const Outcome saved = WriteSettingsFile(path);
        EXPECT_FALSE(saved.Succeeded());
        EXPECT_NE(saved.Message().find("line break"), std::string::npos) << saved.Message();
    }
    EXPECT_EQ(ReadSettingsFile().gamePath, s + "games" + s + "\"x\" y" + s) << "left as it was";
}

// Settings files that hold no usable path: the program asks for the drive, as for an empty one,
// and says why when the file itself is the trouble.
TEST(SettingsFile, AHugeOrStrangeFileMeansAskingForTheDrive) {
    TempFolder folder;
    auto locate = [] {
        FakeView view;
        LocateGameFolder(view, {});  // the drive prompt is cancelled: nothing is found
        return view;
    };

    WriteFile(kSettingsFileName, std::string(10 * 1024 * 1024, 'x') + "\r\n");
    FakeView view = locate();
    EXPECT_EQ(view.prompts.size(), 1U);
    ASSERT_EQ(view.messages.size(), 2U);
    EXPECT_NE(view.messages[0].first.find("larger than 1 MiB"), std::string::npos);

    WriteFile(kSettingsFileName, std::string(100 * 1024, 'x') + "\r\n");
    view = locate();
    EXPECT_EQ(view.prompts.size(), 1U);
    EXPECT_EQ(view.messages.size(), 1U) << "a line that is no path is simply not one";

#ifndef _WIN32
    fs::remove(kSettingsFileName);
    ASSERT_EQ(mkfifo(kSettingsFileName, 0600), 0);
    view = locate();
    EXPECT_EQ(view.prompts.size(), 1U);
    ASSERT_EQ(view.messages.size(), 2U);
    EXPECT_NE(view.messages[0].first.find("not a regular file"), std::string::npos);
#endif
}

#ifndef _WIN32
// The name of the folder of a deep tree at a level: `length` letters, one of 52 by the level,
// so that folders and their siblings stand in a different listing order at every level.
std::string DeepName(int level, size_t length) {
    static const std::string kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    return std::string(length, kLetters[static_cast<size_t>(level) % kLetters.size()]);
}

// Makes `levels` nested folders below `base`, each made and opened relative to the one above,
// so that the whole path may pass the system's limit, with two empty folders beside each; puts
// a data file in the folder of level `installAt`. Returns that folder's path below `base`.
std::string MakeDeepInstall(const fs::path& base, size_t nameLength, int levels, int installAt) {
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
        if (level <= installAt) {
            install += name + "/";
        }
        if (level == installAt) {
            close(openat(folder, "sp_pak2.pk3", O_CREAT | O_WRONLY, 0644));
        }
    }
    close(folder);
    return install;
}

// Removes a tree however deep, relative to its parent.
void RemoveDeep(int parent, const char* name) {
    const int folder = openat(parent, name, O_RDONLY | O_DIRECTORY);
    if (folder < 0) {
        unlinkat(parent, name, 0);
        return;
    }
    DIR* listing = fdopendir(folder);
    std::vector<std::string> children;
    while (const dirent* entry = readdir(listing)) {
        if (std::string(entry->d_name) != "." && std::string(entry->d_name) != "..") {
            children.emplace_back(entry->d_name);
        }
    }
    for (const std::string& child : children) {
        RemoveDeep(dirfd(listing), child.c_str());
    }
    closedir(listing);
    unlinkat(parent, name, AT_REMOVEDIR);
}

TEST(FolderSearch, MatchesWhosePathCannotBeUsedArePassedOver) {
    TempFolder folder;
    WriteFile(folder.Path() / "good/Main/sp_pak2.pk3", "");
    WriteFile(folder.Path() / "line\nbreak/Main/sp_pak2.pk3", "");
    fs::create_directory(folder.Path() / "deep");
    MakeDeepInstall(folder.Path() / "deep", 200, 25, 25);  // 5,000 characters

    const std::string expected = folder.Text() + "good/Main/sp_pak2.pk3";
    EXPECT_EQ(SearchDrive(folder.Text(), kGameDataFile).match, expected);
    EXPECT_EQ(SearchFolder(folder.Text(), kGameDataFile).match, expected);
    const int root = open(folder.Path().c_str(), O_RDONLY | O_DIRECTORY);
    RemoveDeep(root, "deep");
    close(root);
}

// The parallel walk gives the sequential walk's result on a tree far deeper than the files the
// process may open. Run in a child process, since the limit belongs to the whole process.
TEST(FolderSearch, ADeepTreeUnderALowFileLimitIsWalkedWhole) {
    TempFolder folder;
    fs::create_directory(folder.Path() / "d");
    const std::string install =
        folder.Text() + "d/" + MakeDeepInstall(folder.Path() / "d", 1, 2000, 1900);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{64, 64};
        setrlimit(RLIMIT_NOFILE, &limit);
        const std::string parallel = SearchDrive(folder.Text(), kGameDataFile).match;
        const std::string sequential = SearchFolder(folder.Text(), kGameDataFile).match;
        _exit(parallel == sequential && parallel == install + "sp_pak2.pk3" ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    const int root = open(folder.Path().c_str(), O_RDONLY | O_DIRECTORY);
    RemoveDeep(root, "d");
    close(root);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the walks disagree, or missed the game";
}
#endif

}  // namespace
}  // namespace quillon
