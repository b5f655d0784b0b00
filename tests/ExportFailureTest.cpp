#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "model/script/ScriptGenerator.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>

#include "ChildProcess.h"
#endif

namespace quillon {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

KeyTable TableSaying(int16_t page, int16_t line) {
    KeyTable table;
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        table.Append(key, *Assignment::FromNumbers(page, line));
    }
    return table;
}

// The names in a folder, so that a test can tell that nothing was left behind.
std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

const std::vector<std::string> kTemplateAndScript = {"qmscript.txt", "qmvc.cfg"};

TEST(ExportFailure, FailuresSayWhyAndKeepTheEarlierScript) {
    TempFolder folder;
    const KeyTable table = TableSaying(3, 1);

    // No template in the current folder.
    std::string failure = WriteConsoleScript(table, folder.Text()).Message();
    EXPECT_NE(failure.find("\"qmscript.txt\""), std::string::npos) << failure;
    EXPECT_FALSE(fs::exists("qmvc.cfg"));

    WriteFile("qmscript.txt", "// t\r\n");
    WriteFile("qmvc.cfg", "earlier script");

    // A game folder that has gone.
    failure = WriteConsoleScript(table, folder.Text() + "gone" + kSeparator).Message();
    EXPECT_NE(failure.find("gone"), std::string::npos) << failure;
    EXPECT_FALSE(WriteConsoleScript(table, "").Succeeded());
    EXPECT_EQ(ReadFile("qmvc.cfg"), "earlier script");

    // A script that cannot be replaced: its name is taken by a folder. The system says why.
    fs::remove("qmvc.cfg");
    fs::create_directories(fs::path("qmvc.cfg") / "inside");
    failure = WriteConsoleScript(table, folder.Text()).Message();
    EXPECT_NE(failure.find("could not be written: "), std::string::npos) << failure;
#ifndef _WIN32
    EXPECT_NE(failure.find("Is a directory"), std::string::npos) << failure;
#endif
    EXPECT_TRUE(fs::is_directory(fs::path("qmvc.cfg") / "inside"));
    EXPECT_EQ(NamesIn(folder.Path()), kTemplateAndScript) << "no new file is left behind";
}

TEST(ExportFailure, MessagesShowLongAndOddPathsWhole) {
    TempFolder folder;
    WriteFile("qmscript.txt", "// t\r\n");
    std::string deep = folder.Text();
    for (int level = 0; level < 40; ++level) {
        deep += "folder" + std::to_string(level) + kSeparator;
    }
    deep += "end-of-the-path" + std::string(1, kSeparator);
    const std::string failure = WriteConsoleScript(TableSaying(2, 1), deep).Message();
    const std::string shown = failure.substr(failure.find('"') + 1);
    EXPECT_LE(shown.find('"'), 200U) << failure;
    EXPECT_EQ(shown.rfind(folder.Text().substr(0, 20), 0), 0U) << "the start is kept: " << failure;
    EXPECT_NE(shown.find("end-of-the-path"), std::string::npos) << "and the end: " << failure;
    EXPECT_NE(shown.find("..."), std::string::npos) << failure;

    // A NUL or a line break in a path does not end or break the message.
    const std::string odd = folder.Text() + std::string("a\0b\nc", 5) + kSeparator;
    const std::string message = WriteConsoleScript(TableSaying(2, 1), odd).Message();
    EXPECT_NE(message.find("a?b?c"), std::string::npos) << message;
    EXPECT_NE(message.find("your assignments are kept"), std::string::npos) << message;
}

// Two Quillon windows, or one started twice, export into one game folder at the same moment.
TEST(ExportFailure, TwoExportsAtOnceLeaveOneWholeScript) {
    TempFolder folder;
    WriteFile("qmscript.txt", std::string(1 << 20, '/') + "\r\n");
    const KeyTable first = TableSaying(3, 1);
    const KeyTable second = TableSaying(6, 4);
    const std::string firstScript = ReadFile("qmscript.txt") + GenerateScriptBody(first);
    const std::string secondScript = ReadFile("qmscript.txt") + GenerateScriptBody(second);
    for (int trial = 0; trial < 60; ++trial) {
        Outcome firstOutcome = Outcome::Success();
        Outcome secondOutcome = Outcome::Success();
        std::thread other([&] { secondOutcome = WriteConsoleScript(second, folder.Text()); });
        firstOutcome = WriteConsoleScript(first, folder.Text());
        other.join();

        const std::string landed = ReadFile("qmvc.cfg");
        ASSERT_TRUE(landed == firstScript || landed == secondScript)
            << "trial " << trial << ": a mixed script of " << landed.size() << " bytes";
        // The export whose script landed says so.
        EXPECT_TRUE(landed == firstScript ? firstOutcome.Succeeded() : secondOutcome.Succeeded())
            << "trial " << trial;
        for (const Outcome& outcome : {firstOutcome, secondOutcome}) {
            if (!outcome.Succeeded()) {
                EXPECT_NE(outcome.Message().find("another program replaced it"), std::string::npos)
                    << outcome.Message();
            }
        }
        ASSERT_EQ(NamesIn(folder.Path()), kTemplateAndScript) << "trial " << trial;
    }
}

// What an earlier crash, or somebody else, left under the names a careless writer would use.
TEST(ExportFailure, LeftoversBesideTheScriptDoNotMatter) {
    TempFolder folder;
    WriteFile("qmscript.txt", "// t\r\n");
    const KeyTable table = TableSaying(4, 1);
    const std::string expected = "// t\r\n" + GenerateScriptBody(table);

    fs::create_directories(fs::path("qmvc.cfg.new") / "inside");
    EXPECT_TRUE(WriteConsoleScript(table, folder.Text()).Succeeded());
    EXPECT_EQ(ReadFile("qmvc.cfg"), expected);
    fs::remove_all("qmvc.cfg.new");

    WriteFile("qmvc.cfg.new", "left over");
    fs::permissions("qmvc.cfg.new", fs::perms::owner_read);
    EXPECT_TRUE(WriteConsoleScript(table, folder.Text()).Succeeded());
    fs::permissions("qmvc.cfg.new", fs::perms::owner_all);
    EXPECT_EQ(ReadFile("qmvc.cfg.new"), "left over");
    fs::remove("qmvc.cfg.new");

#ifndef _WIN32
    // A link planted under that name never leads the script outside the game folder.
    const fs::path outside = folder.Path() / "outside.txt";
    WriteFile(outside, "not the game's");
    fs::create_directory("game");
    fs::create_symlink(outside, fs::path("game") / "qmvc.cfg.new");
    EXPECT_TRUE(WriteConsoleScript(table, folder.Text() + "game/").Succeeded());
    EXPECT_EQ(ReadFile(outside), "not the game's");
    EXPECT_EQ(ReadFile(fs::path("game") / "qmvc.cfg"), expected);
#endif
}

TEST(ExportFailure, OnlyARegularTemplateOfSaneSizeIsCopied) {
    TempFolder folder;
    const KeyTable table = TableSaying(5, 1);
    WriteFile("qmvc.cfg", "earlier script");

    // Larger than any template: refused without copying it.
    WriteFile("qmscript.txt", "");
    fs::resize_file("qmscript.txt", 17 * 1024 * 1024);
    std::string failure = WriteConsoleScript(table, folder.Text()).Message();
    EXPECT_NE(failure.find("larger than 16 MiB"), std::string::npos) << failure;
    fs::remove("qmscript.txt");

    fs::create_directory("qmscript.txt");
    failure = WriteConsoleScript(table, folder.Text()).Message();
    EXPECT_NE(failure.find("it is a folder"), std::string::npos) << failure;
    fs::remove("qmscript.txt");

#ifndef _WIN32
    // A pipe in the template's place would hold a reader forever.
    ASSERT_EQ(mkfifo("qmscript.txt", 0600), 0);
    failure = WriteConsoleScript(table, folder.Text()).Message();
    EXPECT_NE(failure.find("not a regular file"), std::string::npos) << failure;
#endif
    EXPECT_EQ(ReadFile("qmvc.cfg"), "earlier script");
}

#ifndef _WIN32
// Under a file-size limit the write fails like any other, and the program lives on. Run in a
// child process, since the limit and the signal belong to the whole process.
TEST(ExportFailure, AFileSizeLimitFailsTheWriteAndKeepsTheProgram) {
    TempFolder folder;
    WriteFile("qmscript.txt", std::string(1 << 20, '/') + "\r\n");
    WriteFile("qmvc.cfg", "earlier script");
    const test::ChildEnd end = test::RunInChild([&] {
        const rlimit limit{64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        return WriteConsoleScript(TableSaying(2, 2), folder.Text()).Message();
    });
    ASSERT_TRUE(end.exited) << "the child was ended by signal " << end.signal;
    EXPECT_NE(end.said.find("File too large"), std::string::npos) << end.said;
    EXPECT_EQ(ReadFile("qmvc.cfg"), "earlier script");
    EXPECT_EQ(NamesIn(folder.Path()), kTemplateAndScript) << "no partial file is left behind";
}
#endif

}  // namespace
}  // namespace quillon
