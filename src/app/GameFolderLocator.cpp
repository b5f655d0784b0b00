#include "app/GameFolderLocator.h"

#include <memory>
#include <optional>

#include "app/Messages.h"
#include "app/Program.h"
#include "model/install/DriveRoot.h"
#include "model/install/FolderSearch.h"
#include "model/install/GameFolders.h"
#include "model/install/SettingsFile.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

// A folder may be answered instead of a drive; elsewhere than on Windows a drive letter means a
// Wine drive. The question, "(eg C)" and its title are otherwise kept as players know them,
// though they name the first game only: the search finds all three games.
#ifdef _WIN32
constexpr const char* kDrivePrompt =
    "This may take a few seconds while Quillon searches for Wolfenstein. Please enter the drive "
    "letter where you installed RTCW (eg C), or a folder to search (eg D:\\Games)";
#else
constexpr const char* kDrivePrompt =
    "This may take a few seconds while Quillon searches for Wolfenstein. Please enter the drive "
    "letter where you installed RTCW (eg C), or a folder to search (eg ~/Games)";
#endif
constexpr const char* kDriveTitle = "RTCW Install drive";
constexpr const char* kDriveDefault = "C";

// What the drive search looks for, by the games' profiles (ET: Legacy shares Enemy Territory's):
// "Return to Castle Wolfenstein or Wolfenstein: Enemy Territory".
std::string GamesSearchedFor() {
    std::string names;
    for (const Game game : kGames) {
        names += std::string(names.empty() ? "" : " or ") + ProfileOf(game).name;
    }
    return names;
}

SearchResult SearchForGames(View& view, FileSystem& files, const std::string& root) {
    const std::unique_ptr<SearchProgressDisplay> display = view.OpenSearchProgress();
    return SearchDrive(files, root, DriveSearchPattern(),
                       [&](int64_t walked, const std::string& folder) {
                           return display->Show({root, walked, folder});
                       });
}

// Whether the player takes the game folder found.
bool Offer(View& view, FileSystem& files, const std::string& folder, Game game) {
    return view.AskYesNo("Quillon found " + GameNameOfFolder(files, folder, ProfileOf(game)) +
                             " in:\n" + PathForMessage(folder) + "\nUse this folder?",
                         kProgramName);
}

// The first of the installations found at the known places that the user takes; empty when
// there is none or all are declined.
std::string OfferKnownInstallations(View& view, FileSystem& files, const KnownPlaces& places) {
    for (const FoundGame& found : ProbeKnownPlaces(files, places)) {
        if (Offer(view, files, found.folder, found.game)) {
            return found.folder;
        }
    }
    return {};
}

// Asks for a drive and searches it, and asks again, saying why, for an answer it cannot use, a
// search that found nothing or a folder found and declined; the game folder taken, or empty
// after saying why not.
std::string SearchAskedDrive(View& view, FileSystem& files, const Environment& environment) {
    std::string problem;
    std::string answered = kDriveDefault;
    while (true) {
        const std::optional<std::string> answer = view.AskForText(
            problem.empty() ? kDrivePrompt : problem + "\n" + kDrivePrompt, kDriveTitle, answered);
        if (!answer) {
            break;
        }
        answered = *answer;
        const DriveAnswer root = RootForDriveAnswer(files, environment, *answer);
        if (!root.root) {
            problem = DriveAnswerProblem(root);
            continue;
        }
        const SearchResult result = SearchForGames(view, files, *root.root);
        if (result.cancelled) {
            view.ShowMessageBox("Quillon will now exit as the search for " + GamesSearchedFor() +
                                    " was cancelled...",
                                kProgramName);
            return {};
        }
        const std::string gameFolder = GameFolderOfMatch(files, result.match);
        if (gameFolder.empty()) {
            problem = "Quillon found no " + GamesSearchedFor() + " installation in \"" +
                      PathForMessage(*root.root) + "\".";
        } else if (Offer(view, files, gameFolder,
                         GameOfFolder(files, gameFolder).value_or(kGames.front()))) {
            return gameFolder;
        } else {
            problem = "The folder found in \"" + PathForMessage(*root.root) + "\" was not taken.";
        }
    }
    view.ShowMessageBox(
        // Kept as players know it, the games named aside.
        "Quillon will now exit as no " + GamesSearchedFor() + " installation was found...",
        kProgramName);
    return {};
}

// Says that the settings file names no game folder that is there, and asks whether to search for
// the game instead.
bool AskToSearchInstead(View& view, FileSystem& files, const std::string& workingFolder,
                        const std::string& remembered) {
    const std::string named = remembered.substr(0, remembered.size() - 1);  // the separator
    const std::string what = files.IsFolder(remembered) ? "is no game folder any more"
                             : files.Exists(named)      ? "is no folder"
                                                        : "does not exist";
    return view.AskYesNo("The game folder \"" + PathForMessage(remembered) + "\" that \"" +
                             kSettingsFileName + "\" in \"" + PathForMessage(workingFolder) +
                             "\" names " + what + ".\nSearch for the game now? With No, " +
                             "Quillon keeps it: choose the game folder with File, Game " +
                             "Folder... before you export.",
                         kProgramName);
}

}  // namespace

Installation WithScriptFolderReady(View& view, FileSystem& files, Installation installation,
                                   bool chosen) {
    const std::string& folder = installation.gameFolder;
    const std::string name = GameNameOfFolder(files, folder, ProfileOf(installation.game));
    if (installation.userFolderUnknown) {
        if (chosen) {
            const std::string where = installation.winePrefix.empty()
                                          ? "Quillon cannot find your Documents folder"
                                          : "the Wine prefix \"" +
                                                PathForMessage(installation.winePrefix) +
                                                "\" has no Documents folder yet";
            view.ShowMessageBox("\"" + PathForMessage(folder) + "\" is an installation of " + name +
                                    ", whose game reads your scripts from its user folder " +
                                    "in Documents; " + where + ".\nQuillon uses \"" +
                                    PathForMessage(folder) + "\", which the game also reads; " +
                                    "start the game once and choose the installation again to " +
                                    "use its user folder.",
                                kProgramName);
        }
        return installation;
    }
    const std::string scripts = installation.scriptFolder;
    if (scripts == folder) {
        return installation;
    }
    const bool missing = !files.IsFolder(scripts);
    if (const Status made = MakeFolders(files, scripts); !made.Ok()) {
        view.ShowMessageBox("The game reads your scripts from its user folder \"" +
                                PathForMessage(scripts) + "\", which Quillon could not make: " +
                                WhyFailed(made) + ".\nQuillon uses \"" + PathForMessage(folder) +
                                "\" instead; start the game once and choose its user folder " +
                                "with File, Game Folder....",
                            kProgramName);
        installation.scriptFolder = folder;
        return installation;
    }
    if (chosen || missing) {
        view.ShowMessageBox("\"" + PathForMessage(folder) + "\" is an installation of " + name +
                                ", whose game reads your scripts from its user folder. Quillon " +
                                "uses that folder:\n" + PathForMessage(scripts),
                            kProgramName);
    }
    return installation;
}

LocatedFolder LocateGameFolder(View& view, FileSystem& files, const Environment& environment,
                               const std::string& workingFolder,
                               const std::function<KnownPlaces()>& knownPlaces) {
    const RememberedFolder remembered = ReadSettingsFile(files, workingFolder);
    if (remembered.scriptFolder &&
        ((files.IsFolder(*remembered.scriptFolder) &&
          GameOfFolder(files, *remembered.scriptFolder)) ||
         !AskToSearchInstead(view, files, workingFolder, *remembered.scriptFolder))) {
        return {*remembered.scriptFolder, false};
    }
    if (!remembered.status.Ok()) {
        view.ShowMessageBox("The settings file \"" + std::string(kSettingsFileName) + "\" in \"" +
                                PathForMessage(workingFolder) +
                                "\" cannot be used: " + WhyFailed(remembered.status) +
                                ".\nQuillon will search for the game instead.",
                            kProgramName);
    }
    const KnownPlaces places = knownPlaces();
    std::string gameFolder = OfferKnownInstallations(view, files, places);
    if (gameFolder.empty()) {
        gameFolder = SearchAskedDrive(view, files, environment);
    }
    if (gameFolder.empty()) {
        return {};
    }
    if (const Status saved = WriteSettingsFile(files, workingFolder, gameFolder); !saved.Ok()) {
        view.ShowMessageBox("Quillon found the game in \"" + PathForMessage(gameFolder) +
                                "\" but could not remember it in \"" + kSettingsFileName +
                                "\": " + WhySettingsNotWritten(saved) +
                                ".\nIt will search again at the next start.",
                            kProgramName);
    }
    return {gameFolder, true};
}

}  // namespace quillon
