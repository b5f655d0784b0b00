#include <gmock/gmock.h>
#include <gtest/gtest.h>

#ifndef _WIN32

#include <cstdlib>
#include <string>

#include "FakeView.h"
#include "TempFolder.h"
#include "app/Form.h"
#include "app/WorkingFolder.h"
#include "platform/FaultyFileSystem.h"

namespace quillon {
namespace {

using ::testing::HasSubstr;

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

// XDG_CONFIG_HOME names a folder of the test's own while the object lives.
class ConfigHome {
  public:
    explicit ConfigHome(const std::string& folder) { setenv("XDG_CONFIG_HOME", folder.c_str(), 1); }
    ~ConfigHome() { unsetenv("XDG_CONFIG_HOME"); }
};

// Started elsewhere than in a folder of its files, as from a desktop menu.
TEST(WorkingFolder, AFolderOfItsOwnIsMadeAndWhatIsMissingIsSaid) {
    TempFolder folder;
    const ConfigHome config(folder.Text() + "config");
    const std::string own = folder.Text() + "config/quillon/";
    FaultyFileSystem files;

    // No default template beside this test program: the folder serves, and the player is told.
    WorkingFolder chosen = ChooseWorkingFolder(files);
    EXPECT_EQ(chosen.folder, own);
    EXPECT_TRUE(fs::is_directory(own));
    EXPECT_THAT(chosen.problem,
                HasSubstr("could not put the default template \"qmscript.txt\" there"));

    // A template of the player's own there is kept as it is.
    WriteFile(own + "qmscript.txt", "mine");
    chosen = ChooseWorkingFolder(files);
    EXPECT_EQ(chosen.problem, "");
    EXPECT_EQ(ReadFile(own + "qmscript.txt"), "mine");

    // A folder that cannot be made: the current one, and why.
    const ConfigHome elsewhere(folder.Text() + "refused");
    files.Plant(FaultyFileSystem::Step::MakeFolder, Denied(), "refused");
    chosen = ChooseWorkingFolder(files);
    EXPECT_EQ(chosen.folder, folder.Text());
    EXPECT_THAT(chosen.problem, HasSubstr("Permission denied"));

    // The current folder holds the settings: it stays the working folder.
    WriteFile("qm.cfg", "");
    EXPECT_EQ(ChooseWorkingFolder(files).folder, folder.Text());
}

// The start-up tells what went wrong with the working folder, and keeps its settings there.
TEST(WorkingFolder, TheStartUpSaysWhereTheSettingsWent) {
    TempFolder folder;
    const ConfigHome config(folder.Text() + "config");
    WriteFile("config/quillon/qm.cfg", folder.Text() + "\r\n");
    test::FakeView view;
    Form form(view);
    ASSERT_TRUE(form.OnStart());
    EXPECT_EQ(form.WorkingFolderPath(), folder.Text() + "config/quillon/");
    ASSERT_EQ(view.messages.size(), 1U);
    EXPECT_THAT(view.messages[0].first, HasSubstr("could not put the default template"));
}

}  // namespace
}  // namespace quillon

#endif
