#pragma once

#ifndef _WIN32

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TempFolder.h"

namespace quillon::test {

// HOME is an empty folder `home` in `base` while the object lives.
class TemporaryHome {
  public:
    explicit TemporaryHome(const std::filesystem::path& base) : path(base / "home") {
        const char* home = std::getenv("HOME");
        previousHome_ = home != nullptr ? home : "";
        std::filesystem::create_directories(path);
        setenv("HOME", path.c_str(), 1);
    }
    ~TemporaryHome() { setenv("HOME", previousHome_.c_str(), 1); }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    const std::filesystem::path path;

  private:
    std::string previousHome_;
};

// A Wine prefix of the test's own, in `base`, whose drive C holds the game at `install` (below
// drive_c); WINEPREFIX names it, and HOME is an empty folder beside it, while the object lives.
class FakeWinePrefix {
  public:
    FakeWinePrefix(const std::filesystem::path& base, const std::string& install) : home_(base) {
        namespace fs = std::filesystem;
        const fs::path prefix = base / "prefix";
        WriteFile(prefix / "drive_c" / install / "sp_pak2.pk3", "");
        fs::create_directories(prefix / "dosdevices");
        fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
        setenv("WINEPREFIX", prefix.c_str(), 1);
        driveC = fs::canonical(prefix / "drive_c").string() + "/";
    }
    ~FakeWinePrefix() { unsetenv("WINEPREFIX"); }
    FakeWinePrefix(const FakeWinePrefix&) = delete;
    FakeWinePrefix& operator=(const FakeWinePrefix&) = delete;

    std::string driveC;  // the real folder of drive C, ending in the separator

  private:
    TemporaryHome home_;
};

}  // namespace quillon::test

#endif
