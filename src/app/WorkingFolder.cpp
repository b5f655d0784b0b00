#include "app/WorkingFolder.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "model/install/SettingsFile.h"
#include "model/script/ScriptGenerator.h"
#include "platform/Files.h"
#include "platform/PathText.h"

namespace quillon {

#ifdef _WIN32
Outcome UseWorkingFolder() {
    return Outcome::Success();  // the portable folder is the working folder
}
#else
namespace {

namespace fs = std::filesystem;

fs::path ConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && fs::path(config).is_absolute()) {
        return fs::path(config) / "quillon";
    }
    const char* home = std::getenv("HOME");
    return home != nullptr && *home != '\0' ? fs::path(home) / ".config" / "quillon" : fs::path();
}

// The default template as installed beside the program: <prefix>/share/quillon.
fs::path InstalledTemplate() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path()
                 : program.parent_path().parent_path() / "share" / "quillon" / kTemplateFileName;
}

}  // namespace

Outcome UseWorkingFolder() {
    std::error_code error;
    if (fs::exists(kSettingsFileName, error) || fs::exists(kTemplateFileName, error)) {
        return Outcome::Success();
    }
    const fs::path folder = ConfigFolder();
    if (folder.empty()) {
        return Outcome::Failure(
            "Quillon found no home folder to keep its settings in; it keeps "
            "them in the current folder.");
    }
    fs::create_directories(folder, error);
    const fs::path copy = folder / kTemplateFileName;
    if (!error && !fs::exists(copy, error)) {
        const fs::path installed = InstalledTemplate();
        if (fs::is_regular_file(installed, error)) {
            fs::copy_file(installed, copy, error);
        }
    }
    if (!error) {
        fs::current_path(folder, error);
    }
    if (error) {
        return Outcome::Failure("Quillon could not keep its settings in \"" +
                                PathForMessage(TextFromPath(folder)) + "\": " + error.message() +
                                ".\nIt keeps them in the current folder.");
    }
    return Outcome::Success();
}
#endif

}  // namespace quillon
