#pragma once

#ifndef _WIN32

#include <filesystem>
#include <string>

#include "TempFolder.h"

namespace quillon::test {

// A Wine prefix of the test's own, "prefix" in the folder, whose drive C holds the game at
// `install` (below drive_c): the folder's environment names it, and its home folder is made.
class FakeWinePrefix {
  public:
    FakeWinePrefix(TempFolder& folder, const std::string& install) {
        namespace fs = std::filesystem;
        const fs::path prefix = folder / "prefix";
        WriteFile(prefix / "drive_c" / install / "sp_pak2.pk3", "");
        fs::create_directories(prefix / "dosdevices");
        fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
        fs::create_directories(folder / "home");
        folder.environment.variables["WINEPREFIX"] = prefix.string();
        driveC = fs::canonical(prefix / "drive_c").string() + "/";
    }

    std::string driveC;  // the real folder of drive C, ending in the separator
};

}  // namespace quillon::test

#endif
