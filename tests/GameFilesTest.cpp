#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "model/install/VirtualStore.h"
#include "model/script/Autoexec.h"
#include "platform/FileSystem.h"

namespace quillon {
namespace {

using ::testing::HasSubstr;

// Checked, the file runs the script once, in its own line ends; every other byte stays.
TEST(Autoexec, TheScriptRunIsAddedOnceInTheFilesOwnLineEnds) {
    EXPECT_EQ(WithScriptRun("", true), "exec qmvc\r\n");
    EXPECT_EQ(WithScriptRun("seta a 1\r\nbind b c", true), "seta a 1\r\nbind b c\r\nexec qmvc\r\n");
    EXPECT_EQ(WithScriptRun("seta a 1\n", true), "seta a 1\nexec qmvc\n");
    for (const std::string present : {"EXEC QMVC\n", "  exec\tqmvc.cfg  // mine\r\n",
                                      "bind x y; exec \"qmvc\"", "x\rexec qmvc"}) {
        EXPECT_TRUE(RunsScript(present)) << present;
        EXPECT_EQ(WithScriptRun(present, true), present);
    }
    for (const std::string absent : {"// exec qmvc", "exec qmvc2", "echo \"exec qmvc\"", "exec"}) {
        EXPECT_FALSE(RunsScript(absent)) << absent;
    }
}

// Unchecked, every line that only runs the script goes, and nothing else.
TEST(Autoexec, TheScriptRunIsRemovedAndNothingElse) {
    EXPECT_EQ(WithScriptRun("a\r\nexec qmvc\r\nb\n  EXEC qmvc.cfg ; \rc", false), "a\r\nb\nc");
    EXPECT_EQ(WithScriptRun("exec qmvc", false), "");
    EXPECT_EQ(WithScriptRun("bind a b\n", false), "bind a b\n");
    // A line of the player's own that does more keeps it all: only Quillon's own line goes.
    EXPECT_EQ(WithScriptRun("bind a b; exec qmvc\n", false), "bind a b; exec qmvc\n");
}

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
    const ProtectedFolders system = ProtectedFoldersOfThisMachine();
    ASSERT_FALSE(system.programFiles.empty());
    EXPECT_THAT(system.programFiles.front(), HasSubstr("Program Files"));
    EXPECT_TRUE(RealFileSystem().IsFolder(system.localAppData)) << system.localAppData;
#else
    const ProtectedFolders folders{{"/pf"}, "/local"};
    EXPECT_EQ(VirtualStoreCopy("/pf/RTCW/Main/", folders), "/local/VirtualStore/pf/RTCW/Main/");
    EXPECT_EQ(VirtualStoreCopy("/pfx/RTCW/Main/", folders), "");
#endif
    EXPECT_EQ(VirtualStoreCopy("/pf/RTCW/Main/", ProtectedFolders{}), "");
}

}  // namespace
}  // namespace quillon
