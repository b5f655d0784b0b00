#include "app/GameFolderLocator.h"

#include <memory>
#include <optional>

#include "app/Program.h"
#include "model/install/DriveRoot.h"
#include "model/install/FolderSearch.h"
#include "model/install/GameFolders.h"
#include "model/install/SettingsFile.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

#ifdef _WIN32
constexpr const char* kDrivePrompt =
    "This may take a few seconds while Quillon searches for Wolfenstein. Please enter the drive "
    "letter where you installed RTCW (eg C)";
#else
// Here a drive letter means a Wine drive, and a folder may be answered instead.
constexpr const char* kDrivePrompt =
    "This may take a few seconds while Quillon searches for Wolfenstein. Please enter the drive "
    "letter where you installed RTCW (eg C), or a folder to search (eg /home/you/Games)";
#endif
constexpr const char* kDriveTitle = "RTCW Install drive";
constexpr const char* kDriveDefault = "C";
constexpr const char* kNotFoundMessage =
    "Quillon will now exit as no Return to Castle Wolfenstein installation was found...";
constexpr const char* kCancelledMessage =
    "Quillon will now exit as the search for Return to Castle Wolfenstein was cancelled...";

SearchResult SearchForGame(View& view, FileSystem& files, const std::string& root) {
    const std::unique_ptr<SearchProgressDisplay> display = view.OpenSearchProgress();
    return SearchDrive(files, root, DriveSearchPattern(),
                       [&](int64_t walked, const std::string& folder) {
                           return display->Show({root, walked, folder});
                       });
}

// The first of the installations found at the known places that the user takes; empty when
// there is none or all are declined.
std::string OfferKnownInstallations(View& view, FileSystem& files, const KnownPlaces& places) {
    for (const FoundGame& found : ProbeKnownPlaces(files, places)) {
        if (view.AskYesNo("Quillon found " + std::string(ProfileOf(found.game).name) + " in:\n" +
                              PathForMessage(found.folder) + "\nUse this folder?",
                          kProgramName)) {
            return found.folder;
        }
    }
    return {};
}

// Asks for a drive and searches it; the game folder found, or empty after saying why not.
std::string SearchAskedDrive(View& view, FileSystem& files) {
    const std::string answer = view.ShowInputBox(kDrivePrompt, kDriveTitle, kDriveDefault);
    const std::optional<std::string> root = RootForDriveAnswer(files, answer);
    const SearchResult result = root ? SearchForGame(view, files, *root) : SearchResult();
    if (result.cancelled) {
        view.ShowMessageBox(kCancelledMessage, kProgramName);
        return {};
    }
    const std::string gamePath = GameFolderOfMatch(files, result.match);
    if (gamePath.empty()) {
        view.ShowMessageBox(kNotFoundMessage, kProgramName);
    }
    return gamePath;
}

}  // namespace

std::string FolderForScripts(View& view, FileSystem& files, const std::string& folder,
                             const std::string& userRoot) {
    const std::optional<Game> game = GameOfFolder(files, folder);
    const std::string scripts =
        game ? ScriptFolderOf(files, folder, ProfileOf(*game), userRoot) : folder;
    if (scripts == folder) {
        return folder;
    }
    const std::string name = ProfileOf(*game).name;
    if (const FileStep failed = MakeFolders(files, scripts)) {
        view.ShowMessageBox("The game reads your scripts from its user folder \"" +
                                PathForMessage(scripts) + "\", which Quillon could not make: " +
                                failed->reason + ".\nQuillon uses \"" + PathForMessage(folder) +
                                "\" instead; start the game once and choose its user folder " +
                                "with File, Game Folder....",
                            kProgramName);
        return folder;
    }
    view.ShowMessageBox("\"" + PathForMessage(folder) + "\" is an installation of " + name +
                            ", whose game reads your scripts from its user folder. Quillon " +
                            "uses that folder:\n" + PathForMessage(scripts),
                        kProgramName);
    return scripts;
}

std::string LocateGameFolder(View& view, FileSystem& files, const std::string& workingFolder,
                             const KnownPlaces& places) {
    const RememberedFolder remembered = ReadSettingsFile(files, workingFolder);
    if (remembered.gamePath) {
        return *remembered.gamePath;
    }
    if (!remembered.refusal.empty()) {
        view.ShowMessageBox("The settings file \"" + std::string(kSettingsFileName) + "\" in \"" +
                                PathForMessage(workingFolder) + "\" cannot be used: " +
                                remembered.refusal + ".\nQuillon will search for the game instead.",
                            kProgramName);
    }
    std::string gamePath = OfferKnownInstallations(view, files, places);
    if (gamePath.empty()) {
        gamePath = SearchAskedDrive(view, files);
    }
    if (gamePath.empty()) {
        return {};
    }
    gamePath = FolderForScripts(view, files, gamePath, places.userRoot);
    if (const Outcome saved = WriteSettingsFile(files, workingFolder, gamePath);
        !saved.Succeeded()) {
        view.ShowMessageBox("Quillon found the game in \"" + PathForMessage(gamePath) +
                                "\" but could not remember it in \"" + kSettingsFileName + "\": " +
                                saved.Message() + ".\nIt will search again at the next start.",
                            kProgramName);
    }
    return gamePath;
}

}  // namespace quillon
