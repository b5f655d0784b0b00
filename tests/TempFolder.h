#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/FakeEnvironment.h"
#include "platform/PathText.h"

namespace quillon::test {

// The data file of a single-player installation of the first game, which walks look for.
constexpr const char* kGameDataFile = "sp_pak2.pk3";

inline void WriteFile(const std::filesystem::path& path, const std::string& content) {
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    std::ofstream(path, std::ios::binary) << content;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fresh folder for the lifetime of the object, and an environment of the test's own that
// started the program in it, with the home folder "home" in it (made when a test needs it).
class TempFolder {
  public:
    TempFolder() {
        namespace fs = std::filesystem;
        static int counter = 0;
        // Made anew, never taken over: tests running side by side must not share a folder.
        do {
            path_ = fs::temp_directory_path() /
                    ("quillon-test-" +
                     std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
                     "-" + std::to_string(++counter));
        } while (!fs::create_directory(path_));
        environment.currentFolder = Text();
        environment.variables["HOME"] = Text("home");
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& below) const {
        return path_ / below;
    }

    // The folder as the program's text, ending in the separator.
    std::string Text() const { return TextFromPath(path_ / ""); }
    // A path below it as the program's text, in the platform's separators.
    std::string Text(const std::string& below) const {
        return TextFromPath((path_ / below).make_preferred());
    }

#ifndef _WIN32
    // A Wine prefix "prefix" here, which the environment names, whose drive C holds the game at
    // `install` (below drive_c); the home folder is made. Returns the real folder of drive C,
    // ending in the separator.
    std::string MakeWinePrefix(const std::string& install) {
        namespace fs = std::filesystem;
        const fs::path prefix = path_ / "prefix";
        WriteFile(prefix / "drive_c" / install / kGameDataFile, "");
        fs::create_directories(prefix / "dosdevices");
        fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
        fs::create_directories(path_ / "home");
        environment.variables["WINEPREFIX"] = prefix.string();
        return fs::canonical(prefix / "drive_c").string() + "/";
    }
#endif

    FakeEnvironment environment;

  private:
    std::filesystem::path path_;
};

}  // namespace quillon::test
