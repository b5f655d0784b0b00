#include "app/WorkingFolder.h"

#include <filesystem>
#include <utility>

#include "app/Messages.h"
#include "app/Program.h"
#include "model/install/SettingsFile.h"
#include "model/script/ScriptGenerator.h"
#include "platform/PathText.h"
#include "platform/TextCase.h"

namespace quillon {
namespace {

// A failure that is only a thing to tell the player.
Status Told(std::string message) {
    return Status::Failure(ErrorKind::Other, std::move(message));
}

bool HoldsOurFiles(FileSystem& files, const std::string& folder) {
    return files.Exists(folder + kSettingsFileName) || files.Exists(folder + kTemplateFileName);
}

// Whether a file can be made in the folder: one is made, and goes again at once.
bool CanWriteIn(FileSystem& files, const std::string& folder) {
    return files.CreateNewFileBeside(folder + kSettingsFileName).Ok();
}

// A folder ending in the separator; empty stays empty.
std::string AsFolder(const std::string& path) {
    return path.empty() ? path : EnsureTrailingSeparator(path);
}

#ifndef _WIN32
std::string ConfigFolder(const Environment& environment) {
    const std::string config = environment.Variable("XDG_CONFIG_HOME");
    if (config.rfind('/', 0) == 0) {
        return EnsureTrailingSeparator(config) + "quillon/";
    }
    const std::string home = environment.Variable("HOME");
    return home.empty() ? home : EnsureTrailingSeparator(home) + ".config/quillon/";
}

// The default template as installed with the program, below the prefix the program lies in.
std::string InstalledTemplate(const Environment& environment) {
    const std::string program = environment.ProgramFolder();
    if (program.empty()) {
        return {};
    }
    const std::filesystem::path prefix = PathFromText(program).parent_path();
    return TextFromPath(prefix / kInstalledDataFolder / kTemplateFileName);
}
#endif

// Copies the default template at `installed` into the folder when it has no template.
Status WithDefaultTemplate(FileSystem& files, const std::string& folder,
                           const std::string& installed) {
    if (files.Exists(folder + kTemplateFileName)) {
        return Status::Success();
    }
    const Result<std::string> read = files.ReadRegularFile(installed, kLargestScript);
    return read.Ok() ? WriteFileReplacing(files, folder + kTemplateFileName, read.Get())
           : read.Kind() == ErrorKind::Missing
               ? read.Saying("there is none at \"" + PathForMessage(installed) + "\"")
               : read.Saying("\"" + PathForMessage(installed) +
                             "\" cannot be used: " + WhyFailed(read));
}

}  // namespace

WorkingFolderPlaces WorkingFolderPlacesOf(const Environment& environment) {
    const std::string current = AsFolder(environment.CurrentFolder());
#ifdef _WIN32
    const std::string program = AsFolder(environment.ProgramFolder());
    const std::string appData = AsFolder(environment.KnownFolderPath(KnownFolder::RoamingAppData));
    return {current, program, appData.empty() ? appData : appData + "Quillon\\",
            program + kTemplateFileName};
#else
    return {current, {}, ConfigFolder(environment), InstalledTemplate(environment)};
#endif
}

WorkingFolder ChooseWorkingFolder(FileSystem& files, const WorkingFolderPlaces& places) {
    const std::string& current = places.current;
    // The program's own folder serves only where it can be written, from wherever it starts:
    // started in it, the check below decides.
    const bool inProgramFolder =
        !places.program.empty() && SameIgnoringCase(current, places.program);
    if (HoldsOurFiles(files, current) && !inProgramFolder) {
        return {current, {}};
    }
    if (!places.program.empty() && CanWriteIn(files, places.program)) {
        return {places.program, {}};
    }
    // Where it is not the user's folder for Quillon, the current folder gets the template too.
    const std::string& own = places.own;
    std::string chosen = own;
    std::string notMade;
    if (own.empty()) {
        chosen = current;
        notMade = "Quillon found no folder of yours to keep its settings in; it keeps them in \"" +
                  PathForMessage(current) + "\".";
    } else if (const Status made = MakeFolders(files, own); !made.Ok()) {
        chosen = current;
        notMade = "Quillon could not make the folder \"" + PathForMessage(own) +
                  "\" for its settings: " + WhyFailed(made) + ".\nIt keeps them in \"" +
                  PathForMessage(current) + "\".";
    }
    const Status copied = WithDefaultTemplate(files, chosen, places.defaultTemplate);
    if (!copied.Ok()) {
        return {chosen, copied.Saying((notMade.empty() ? "" : notMade + "\n") +
                                      "Quillon keeps its settings in \"" + PathForMessage(chosen) +
                                      "\", but could not put the default template \"" +
                                      kTemplateFileName + "\" there: " + WhyFailed(copied) +
                                      ".\nPut a template of that name there before you export.")};
    }
    return {chosen, notMade.empty() ? Status::Success() : Told(notMade)};
}

}  // namespace quillon
