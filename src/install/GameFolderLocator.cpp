#include "install/GameFolderLocator.h"

#include <optional>

#include "install/DriveRoot.h"
#include "install/FolderSearch.h"
#include "install/PathText.h"
#include "install/SettingsFile.h"

namespace quillon {
namespace {

constexpr const char* kDrivePrompt =
    "This may take a few seconds while Quillon searches for Wolfenstein. Please enter the drive "
    "letter where you installed RTCW (eg C)";
constexpr const char* kDriveTitle = "RTCW Install drive";
constexpr const char* kNotFoundMessage =
    "Quillon will now exit as no Return to Castle Wolfenstein installation was found...";
constexpr const char* kAppTitle = "Quillon";

std::string SearchForGame(View& view, const std::string& root) {
    const SearchResult result =
        SearchDrive(root, kGameDataFile, [&](int64_t walked, const std::string& folder) {
            return view.ReportSearchProgress({root, walked, folder});
        });
    view.EndSearchProgress();
    return result.cancelled ? std::string() : result.match;
}

}  // namespace

std::string LocateGameFolder(View& view) {
    if (std::optional<std::string> remembered = ReadSettingsFile()) {
        return *remembered;
    }
    const std::string answer = view.ShowInputBox(kDrivePrompt, kDriveTitle, "C");
    const std::optional<std::string> root = RootForDriveAnswer(answer);
    const std::string match = root ? SearchForGame(view, *root) : std::string();
    const std::string gamePath = FolderOfFile(match);
    if (gamePath.empty()) {
        view.ShowMessageBox(kNotFoundMessage, kAppTitle);
        return {};
    }
    if (const std::string failure = WriteSettingsFile(gamePath); !failure.empty()) {
        view.ShowMessageBox("Quillon found the game in \"" + gamePath +
                                "\" but could not remember " + "it in \"" + kSettingsFileName +
                                "\": " + failure + ".\nIt will search again at the next start.",
                            kAppTitle);
    }
    return gamePath;
}

}  // namespace quillon
