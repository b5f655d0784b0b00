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

// The question, its title and the message that ends the program are kept word for word as
// players know them, though they name the first game only: the search finds every game. That a
// folder may be answered instead of a drive is said on a line of its own; elsewhere than on
// Windows a drive letter means a Wine drive.
constexpr const char* kDriveQuestion =
    "This may take a few seconds while Quillon searches for Wolfenstein. Please enter the drive "
    "letter where you installed RTCW (eg C)";
#ifdef _WIN32
constexpr const char* kFolderInstead = "Or enter a folder to search, such as D:\\Games.";
#else
constexpr const char* kFolderInstead = "Or enter a folder to search, such as ~/Games.";
#endif
constexpr const char* kDriveTitle = "RTCW Install drive";
constexpr const char* kDriveDefault = "C";
constexpr const char* kNothingFound =
    "Quillon will now exit as no Return to Castle Wolfenstein installation was found...";

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

// The game folder the player takes of several the search found in `root`; nothing when the box
// is cancelled.
std::optional<std::string> ChooseFoundFolder(View& view, FileSystem& files,
                                             const std::vector<std::string>& folders,
                                             const std::string& root) {
    std::vector<std::string> choices;
    for (const std::string& folder : folders) {
        const Game game = GameOfFolder(files, folder).value_or(kGames.front());
        choices.push_back(GameNameOfFolder(files, folder, ProfileOf(game)) + ": " +
                          PathForMessage(folder));
    }
    const std::optional<size_t> chosen =
        view.ChooseAmong("Quillon found a game in each of these folders in \"" +
                             PathForMessage(root) + "\". Choose the one to use:",
                         kProgramName, choices);
    return chosen && *chosen < folders.size() ? std::optional(folders[*chosen]) : std::nullopt;
}

// Asks for a drive and searches it. The one game folder found is taken; of several, the player
// chooses one, or none and is asked for the drive again. An answer that names no folder to
// search (nothing, Cancel, no such drive) and a search that finds nothing end the program, after
// the message players know; the empty text then.
std::string SearchAskedDrive(View& view, FileSystem& files, const Environment& environment) {
    std::string problem;
    std::string answered = kDriveDefault;
    while (true) {
        answered = view.AskForText(problem + kDriveQuestion + "\n" + kFolderInstead, kDriveTitle,
                                   answered)
                       .value_or(std::string());
        const std::optional<std::string> root = RootForDriveAnswer(files, environment, answered);
        if (!root) {
            break;
        }
        const SearchResult result = SearchForGames(view, files, *root);
        if (result.cancelled) {
            view.ShowMessageBox("Quillon will now exit as the search for " + GamesSearchedFor() +
                                    " was cancelled...",
                                kProgramName);
            return {};
        }
        const std::vector<std::string> found = GameFoldersOfMatches(files, result.matches);
        if (found.empty()) {
            break;
        }
        if (found.size() == 1) {
            return found.front();
        }
        if (const std::optional<std::string> chosen =
                ChooseFoundFolder(view, files, found, *root)) {
            return *chosen;
        }
        problem = "No folder found in \"" + PathForMessage(*root) + "\" was taken.\n";
    }
    view.ShowMessageBox(kNothingFound, kProgramName);
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
