#include "app/WorkingFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "model/install/SettingsFile.h"
#include "model/script/ScriptGenerator.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

std::string CurrentFolder() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string() : EnsureTrailingBackslash(TextFromPath(current));
}

#ifndef _WIN32
// The folder of its own, ending in the separator; empty where there is no home to put it in.
std::string ConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/') {
        return EnsureTrailingBackslash(config) + "quillon/";
    }
    const char* home = std::getenv("HOME");
    return home != nullptr && *home != '\0' ? EnsureTrailingBackslash(home) + ".config/quillon/"
                                            : std::string();
}

// The default template as installed beside the program: <prefix>/share/quillon.
std::string InstalledTemplate(FileSystem& files) {
    const std::optional<std::string> program = files.RealPath("/proc/self/exe");
    if (!program) {
        return {};
    }
    const std::filesystem::path prefix = PathFromText(*program).parent_path().parent_path();
    return TextFromPath(prefix / "share" / "quillon" / kTemplateFileName);
}

#endif

}  // namespace

WorkingFolder ChooseWorkingFolder(FileSystem& files) {
    const std::string current = CurrentFolder();
#ifdef _WIN32
    (void)files;
    return {current, {}};  // the portable folder is the working folder
#else
    if (files.Exists(current + kSettingsFileName) || files.Exists(current + kTemplateFileName)) {
        return {current, {}};
    }
    const std::string own = ConfigFolder();
    if (own.empty()) {
        return {current,
                "Quillon found no home folder to keep its settings in; it keeps them in \"" +
                    PathForMessage(current) + "\"."};
    }
    if (const FileStep failed = MakeFolders(files, own)) {
        return {current, "Quillon could not make the folder \"" + PathForMessage(own) +
                             "\" for its settings: " + failed->reason + ".\nIt keeps them in \"" +
                             PathForMessage(current) + "\"."};
    }
    if (files.Exists(own + kTemplateFileName)) {
        return {own, {}};
    }
    const std::string installed = InstalledTemplate(files);
    const FileRead read = files.ReadRegularFile(installed, kLargestScript);
    const Outcome copied =
        read.status == FileRead::Status::Read
            ? WriteFileReplacing(files, own + kTemplateFileName, read.content)
            : Outcome::Failure(read.status == FileRead::Status::Missing
                                   ? "there is none at \"" + PathForMessage(installed) + "\""
                                   : "\"" + PathForMessage(installed) +
                                         "\" cannot be used: " + read.reason);
    if (!copied.Succeeded()) {
        return {own, "Quillon keeps its settings in \"" + PathForMessage(own) +
                         "\", but could not put the default template \"" + kTemplateFileName +
                         "\" there: " + copied.Message() + ".\nPut a template of that name there " +
                         "before you export."};
    }
    return {own, {}};
#endif
}

}  // namespace quillon
