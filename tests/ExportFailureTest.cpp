#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "app/ScriptExport.h"
#include "model/script/ScriptGenerator.h"
#include "platform/FaultyFileSystem.h"
#include "platform/PathText.h"
#include "platform/SystemError.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace quillon {
namespace {

using ::testing::AllOf;
using ::testing::Each;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;
using Step = FaultyFileSystem::Step;
using Names = std::vector<std::string>;

// Every key says the message at that page and line.
KeyTable TableSaying(int16_t page, int16_t line) {
    const Assignment said = *Assignment::FromNumbers(ReturnToCastleWolfenstein(), page, line);
    KeyTable table;
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        table.Append(key, said);
    }
    return table;
}

// What a step that failed says; one that succeeded says nothing.
std::string Why(const Status& outcome) {
    return outcome.Ok() ? "" : outcome.Message();
}

// The names in a folder, so that a test can tell that nothing was left behind.
Names NamesIn(const fs::path& folder) {
    Names names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

const Names kTemplateAndScript = {"qmscript.txt", "qmvc.cfg"};

// A working folder that is also the game folder, with a template and an earlier script.
class ExportFailure : public ::testing::Test {
  protected:
    ExportFailure() {
        WriteFile(folder / "qmscript.txt", "// t\r\n");
        WriteFile(folder / "qmvc.cfg", "earlier script");
    }

    Status Export(const KeyTable& table) {
        return WriteConsoleScript(files, table, folder.Text(), folder.Text());
    }
    Status Export() { return Export(TableSaying(3, 1)); }

    // The export failed with `words` in its message and left everything as it was.
    void ExpectFailedAndUntouched(const Status& outcome, const std::string& words) {
        EXPECT_THAT(Why(outcome), AllOf(HasSubstr(words), HasSubstr("your assignments are kept")));
        EXPECT_EQ(ReadFile(folder / "qmvc.cfg"), "earlier script");
        EXPECT_THAT(NamesIn(folder.Path()), Each(Not(StartsWith("qmvc.cfg.")))) << "left behind";
    }

    TempFolder folder;
    FaultyFileSystem files;
    const std::string body = GenerateScriptBody(TableSaying(3, 1));  // of Export()'s script
};

TEST_F(ExportFailure, EveryFailingStepSaysWhyAndNoneIsTakenForASuccess) {
    files.Plant(Step::Create, Denied(), "qmvc.cfg", 1);
    ExpectFailedAndUntouched(Export(), "no new file could be made beside it (Permission denied)");
    files.Plant(Step::Write, Failure("No space left on device"), "qmvc.cfg", 1, 1);
    files.writeAtMost = 3;  // the failure comes part-way, after a short write
    ExpectFailedAndUntouched(Export(), "could not be written: No space left on device");
    files.Plant(Step::Flush, Failure("Input/output error"), "qmvc.cfg", 1);
    ExpectFailedAndUntouched(Export(), "Input/output error");
    files.Plant(Step::Replace, Denied(), "qmvc.cfg", 1);
    ExpectFailedAndUntouched(Export(), "Permission denied");

    // Another program puts its own file in place between our replace and our check, or one that
    // cannot be read back: no success either, and it says why.
    for (const size_t size : {size_t{17}, size_t{100000}}) {  // smaller or larger than ours
        files.afterReplace = [size](const std::string& destination) {
            WriteFile(PathFromText(destination), std::string(size, 'x'));
        };
        EXPECT_THAT(Why(Export()), HasSubstr("another program replaced it")) << size;
    }
    files.afterReplace = nullptr;
    files.Plant(Step::Read, FoundFolder(), "qmvc.cfg", 1);
    EXPECT_THAT(Why(Export()), HasSubstr("could not be read back (it is a folder)"));

    // Short writes are only slower: the whole script lands. A disk that takes nothing fails
    // instead of hanging.
    ASSERT_TRUE(Export().Ok());
    EXPECT_EQ(ReadFile(folder / "qmvc.cfg"), "// t\r\n" + body);
    WriteFile(folder / "qmvc.cfg", "earlier script");
    files.writeAtMost = 0;
    ExpectFailedAndUntouched(Export(), "the disk took no more of it");
}

TEST_F(ExportFailure, OnlyARegularTemplateOfSaneSizeIsCopiedToAGameFolderThatExists) {
    fs::remove(folder / "qmscript.txt");
    ExpectFailedAndUntouched(Export(), "\"qmscript.txt\" could not be read in \"" +
                                           PathForMessage(folder.Text()) + "\"");
    fs::create_directory(folder / "qmscript.txt");
    ExpectFailedAndUntouched(Export(), "it is a folder");
    fs::remove(folder / "qmscript.txt");
    WriteFile(folder / "qmscript.txt", "");
    fs::resize_file(folder / "qmscript.txt", kLargestScript + 1);
    ExpectFailedAndUntouched(Export(), "larger than 1 MiB");
    // Whatever Quillon writes, it reads back: a script past that size is not written.
    WriteFile(folder / "qmscript.txt", std::string(kLargestScript + 1 - body.size(), '/'));
    ExpectFailedAndUntouched(Export(), "is too large: the script would be");
    // The game reads a script up to its first NUL: nothing after it would run.
    WriteFile(folder / "qmscript.txt", std::string("// t\0\r\n", 7));
    ExpectFailedAndUntouched(Export(), "holds a NUL byte (byte 5)");
    fs::remove(folder / "qmscript.txt");
#ifndef _WIN32
    // A pipe in the template's place would hold a reader forever.
    ASSERT_EQ(mkfifo(folder.Text("qmscript.txt").c_str(), 0600), 0);
    ExpectFailedAndUntouched(Export(), "not a regular file");
    fs::remove(folder / "qmscript.txt");
#endif
    files.Plant(Step::Read, Denied(), "qmscript.txt", 1);
    WriteFile(folder / "qmscript.txt", "// t\r\n");
    ExpectFailedAndUntouched(Export(), "cannot be used: Permission denied");

    // A game folder that has gone, and one whose name is no folder at all.
    for (const std::string& game : {folder.Text() + "gone" + kSeparator, std::string()}) {
        ExpectFailedAndUntouched(WriteConsoleScript(files, TableSaying(3, 1), folder.Text(), game),
                                 "does not exist");
    }
}

// A long path is cut in the middle, and a NUL or a line break neither ends nor breaks the message.
TEST_F(ExportFailure, MessagesShowLongAndOddPathsWhole) {
    const std::string deep = folder.Text() + std::string(300, 'x') + "end-of-the-path" + kSeparator;
    const std::string odd = folder.Text() + std::string("a\0b\nc", 5) + kSeparator;
    const std::string cut = WriteConsoleScript(files, KeyTable(), folder.Text(), deep).Message();
    const std::string shown = cut.substr(cut.find('"') + 1);
    EXPECT_LE(shown.find('"'), 200U) << cut;
    EXPECT_EQ(shown.rfind(folder.Text().substr(0, 20), 0), 0U) << "the start is kept: " << cut;
    EXPECT_THAT(shown, AllOf(HasSubstr("..."), HasSubstr("end-of-the-path")));
    EXPECT_THAT(Why(WriteConsoleScript(files, KeyTable(), folder.Text(), odd)), HasSubstr("a?b?c"));
}

// What an earlier crash, or somebody else, left under the name a careless writer would use;
// and a script whose name is taken by a folder.
TEST_F(ExportFailure, LeftoversBesideTheScriptDoNotMatter) {
#ifndef _WIN32
    // A link planted under that name never leads the script outside the game folder.
    const fs::path outside = folder.Path() / "outside.txt";
    WriteFile(outside, "not the game's");
    fs::create_symlink(outside, folder / "qmvc.cfg.new");
    ASSERT_TRUE(Export().Ok());
    EXPECT_EQ(ReadFile(outside), "not the game's");
    fs::remove(folder / "qmvc.cfg.new");
    fs::remove(outside);
#endif

    fs::remove(folder / "qmvc.cfg");
    fs::create_directories(folder / "qmvc.cfg" / "inside");
    EXPECT_THAT(Why(Export()), AllOf(HasSubstr("qmvc.cfg\" is a folder, which the game cannot run"),
                                     Not(HasSubstr("can be written to"))));
    EXPECT_TRUE(fs::is_directory(folder / "qmvc.cfg" / "inside"));
    EXPECT_EQ(NamesIn(folder.Path()), kTemplateAndScript) << "no new file is left behind";
}

// A symbolic link, as a player makes one; under Wine, which makes none, one of the system
// beneath it.
void MakeLink(const fs::path& target, const fs::path& link) {
    std::error_code error;
    fs::create_symlink(target, link, error);
#ifdef _WIN32
    using UnixName = char*(CDECL*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (error && unixName != nullptr) {
        char* from = unixName(fs::absolute(target).c_str());
        char* to = unixName(fs::absolute(link).c_str());
        const std::string command = std::string("start /wait /unix /bin/ln -s ") + from + " " + to;
        HeapFree(GetProcessHeap(), 0, from);
        HeapFree(GetProcessHeap(), 0, to);
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        // start /wait returns before a program of the system beneath has ended.
        for (int waited = 0; waited < 10000 && !fs::exists(link); waited += 10) {
            Sleep(10);
        }
        ASSERT_TRUE(fs::exists(link)) << command;
        return;
    }
#endif
    ASSERT_FALSE(error) << error.message();
}

// A script linked from where the game reads it is written through to the file the link leads to,
// beside that file; a link that leads to no file is refused and stays. A read-only script stays
// read-only, on Linux with the player's other permissions, always readable by its owner.
TEST_F(ExportFailure, LinksAreWrittenThroughAndModesKept) {
    const fs::path kept = folder.Path() / "kept" / "qmvc.cfg";
    WriteFile(kept, "mine");
    fs::remove(folder / "qmvc.cfg");
    MakeLink(kept, folder / "qmvc.cfg");
    ASSERT_TRUE(Export().Ok());
    EXPECT_EQ(ReadFile(kept), "// t\r\n" + body);
    EXPECT_EQ(NamesIn(kept.parent_path()), Names{"qmvc.cfg"});
    WriteFile(kept, "mine again");
    EXPECT_EQ(ReadFile(folder / "qmvc.cfg"), "mine again") << "still the link";
#ifndef _WIN32
    // Wine shows a link that leads nowhere as no file at all.
    fs::remove(kept);
    EXPECT_THAT(Export().Message(),
                HasSubstr("it is a link that leads to no file Quillon can replace"));
    EXPECT_TRUE(fs::is_symlink(folder / "qmvc.cfg"));
    EXPECT_EQ(NamesIn(folder.Path()), (Names{"kept", "qmscript.txt", "qmvc.cfg"}));
#endif

    fs::remove(folder / "qmvc.cfg");
    WriteFile(folder / "qmvc.cfg", "earlier script");
    fs::permissions(folder / "qmvc.cfg", fs::perms::owner_write, fs::perm_options::remove);
    ASSERT_TRUE(files.IsReadOnly(folder.Text("qmvc.cfg")));
    ASSERT_TRUE(Export().Ok());
    EXPECT_TRUE(files.IsReadOnly(folder.Text("qmvc.cfg")));
    EXPECT_NE(ReadFile(folder / "qmvc.cfg"), "earlier script");
#ifndef _WIN32
    const auto exportedMode = [&] {
        struct stat info {};
        EXPECT_TRUE(Export().Ok());
        EXPECT_EQ(lstat(folder.Text("qmvc.cfg").c_str(), &info), 0);
        return S_ISREG(info.st_mode) ? info.st_mode & 0777 : 0;
    };
    chmod(folder.Text("qmvc.cfg").c_str(), 0);
    EXPECT_EQ(exportedMode(), 0400U);
    chmod(folder.Text("qmvc.cfg").c_str(), 0664);
    EXPECT_EQ(exportedMode(), 0664U) << "the player's own choice is kept";
    // A link to a pipe is no script to replace.
    fs::remove(folder / "qmvc.cfg");
    ASSERT_EQ(mkfifo(folder.Text("pipe").c_str(), 0600), 0);
    fs::create_symlink(folder.Path() / "pipe", folder / "qmvc.cfg");
    EXPECT_THAT(Export().Message(), HasSubstr("leads to no file"));
    EXPECT_TRUE(fs::is_symlink(folder / "qmvc.cfg"));
#endif
}

#ifndef _WIN32
// Under a file-size limit the write fails like any other, and the program lives on: the
// signal the system sends would end it.
TEST_F(ExportFailure, AFileSizeLimitFailsTheWriteAndKeepsTheProgram) {
    WriteFile(folder / "qmscript.txt", std::string(1 << 19, '/') + "\r\n");
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const rlimit limit{64 * 1024, before.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const Status outcome = Export();
    setrlimit(RLIMIT_FSIZE, &before);
    ExpectFailedAndUntouched(outcome, "File too large");
}
#endif

// Only a file the system says is not there counts as missing; every other failure to open it
// is a refusal that the player is told about.
TEST(FileErrors, OnlyAMissingFileIsMissing) {
#ifdef _WIN32
    const CodeKind kinds[] = {{ERROR_FILE_NOT_FOUND, ErrorKind::Missing},
                              {ERROR_ACCESS_DENIED, ErrorKind::Denied},
                              {ERROR_TOO_MANY_OPEN_FILES, ErrorKind::OutOfHandles},
                              {ERROR_CRC, ErrorKind::Other}};
    EXPECT_NE(SystemError(ERROR_ACCESS_DENIED).Message().back(), '.') << "the message goes on";
#else
    const CodeKind kinds[] = {{ENOENT, ErrorKind::Missing},      {ENOTDIR, ErrorKind::Missing},
                              {EACCES, ErrorKind::Denied},       {EROFS, ErrorKind::Denied},
                              {EMFILE, ErrorKind::OutOfHandles}, {EIO, ErrorKind::Other},
                              {ELOOP, ErrorKind::Other}};
#endif
    for (const auto& [code, kind] : kinds) {
        EXPECT_EQ(SystemError(code).Kind(), kind) << code;
    }
#ifndef _WIN32
    TempFolder folder;
    fs::create_symlink("loop", folder / "loop");
    const Status read = RealFileSystem().ReadRegularFile(folder.Text("loop"), 100);
    EXPECT_EQ(read.Kind(), ErrorKind::Other);
    EXPECT_EQ(read.Message(), std::strerror(ELOOP));
#endif
}

// Windows reads a file a mebibyte at a time: a larger one comes back whole, a part of it from its
// own place, and a part that runs past the end as far as the file goes.
TEST(FileReads, ALargeFileComesBackWholeAndEachPartFromItsPlace) {
    TempFolder folder;
    std::string bytes(3 * 1024 * 1024 + 5, '\0');
    for (size_t k = 0; k < bytes.size(); ++k) {
        bytes[k] = static_cast<char>(k ^ (k >> 8) ^ (k >> 16));
    }
    WriteFile(folder / "large", bytes);
    const Result<std::string> whole =
        RealFileSystem().ReadRegularFile(folder.Text("large"), bytes.size());
    ASSERT_TRUE(whole.Ok()) << whole.Message();
    EXPECT_TRUE(whole.Get() == bytes);
    const auto file = RealFileSystem().OpenForReading(folder.Text("large"));
    ASSERT_TRUE(file.Ok()) << file.Message();
    for (const auto& [offset, size] : {std::pair<size_t, size_t>{1024 * 1024 + 3, 2 * 1024 * 1024},
                                      {bytes.size() - 2, 10}}) {
        const Result<std::string> part = file.Get()->ReadAt(offset, size);
        ASSERT_TRUE(part.Ok()) << part.Message();
        EXPECT_TRUE(part.Get() == bytes.substr(offset, size)) << offset;
    }
}

#ifndef _WIN32
// A place of a lock file, and a folder, that another process holds are busy while that process
// runs, the lock file deleted or not, and free once it has ended, however it ended.
TEST(FileLocks, APlaceHeldByAnotherProcessIsFreeOnceItIsKilled) {
    TempFolder folder;
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        const auto held = RealFileSystem().TryLock(folder.Text("lock"), 3);
        const auto folderHeld = RealFileSystem().TryLockFolder(folder.Text());
        const char said = held.Ok() && folderHeld.Ok() ? 'y' : 'n';
        _exit(write(ready[1], &said, 1) == 1 ? pause() : 1);
    }
    char said = 0;
    ASSERT_EQ(read(ready[0], &said, 1), 1);
    EXPECT_EQ(said, 'y');
    fs::remove(folder / "lock");
    EXPECT_EQ(RealFileSystem().TryLock(folder.Text("lock"), 3).Kind(), ErrorKind::Busy);
    EXPECT_TRUE(RealFileSystem().TryLock(folder.Text("lock"), 4).Ok()) << "another place is free";
    EXPECT_EQ(RealFileSystem().TryLockFolder(folder.Text()).Kind(), ErrorKind::Busy);
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    EXPECT_TRUE(RealFileSystem().TryLock(folder.Text("lock"), 3).Ok());
    EXPECT_TRUE(RealFileSystem().TryLockFolder(folder.Text()).Ok());
    close(ready[0]);
    close(ready[1]);
}
#endif

// Two Quillon windows export into one game folder at the same moment: the file is always one
// whole script, and the export whose script stayed says it succeeded.
TEST_F(ExportFailure, TwoExportsAtOnceLeaveOneWholeScript) {
    WriteFile(folder / "qmscript.txt", std::string(1 << 19, '/') + "\r\n");
    const KeyTable second = TableSaying(6, 4);
    const std::string firstScript = ReadFile(folder / "qmscript.txt") + body;
    const std::string secondScript = ReadFile(folder / "qmscript.txt") + GenerateScriptBody(second);
    for (int trial = 0; trial < 20; ++trial) {
        Status secondExport;
        std::thread other([&] { secondExport = Export(second); });
        const Status firstExport = Export();
        other.join();

        const std::string landed = ReadFile(folder / "qmvc.cfg");
        ASSERT_TRUE(landed == firstScript || landed == secondScript)
            << "trial " << trial << ": a mixed script of " << landed.size() << " bytes";
        EXPECT_TRUE(landed == firstScript ? firstExport.Ok() : secondExport.Ok()) << trial;
        ASSERT_EQ(NamesIn(folder.Path()), kTemplateAndScript) << trial;
    }
}

}  // namespace
}  // namespace quillon
