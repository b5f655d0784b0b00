// The game folder in use: the installation worked out from a folder and taken up by the window,
// and File, Choose Game Folder, which asks for another folder and changes to it, offering to
// export first when the script would go elsewhere.

#include "app/Form.h"

#include <optional>
#include <string>

#include "app/GameFolderLocator.h"
#include "app/Messages.h"
#include "app/Program.h"
#include "model/game/GameProfile.h"
#include "model/install/GameFolders.h"
#include "model/install/Installation.h"
#include "model/install/KnownPlaces.h"
#include "model/install/SettingsFile.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

constexpr const char* kChangeFolderQuestion =
    "Export the script into the current game folder before changing it?";
constexpr const char* kChooseFolderTitle = "Choose the game folder";

}  // namespace

Installation Form::InstallationAt(const std::string& folder) {
    // A user folder is searched with the installations whose game reads it.
    return InstallationOf(files_, folder, UserPlacesOf(environment_),
                          [this](const GameProfile& game, const std::string& userFolder) {
                              return InstallationsReadingFrom(
                                  files_, KnownPlacesOf(environment_, files_),
                                  UserPlacesOf(environment_), game, userFolder);
                          });
}

void Form::UseInstallation(const Installation& installation, bool chosen) {
    installation_ = WithScriptFolderReady(view_, files_, installation, chosen);
    listings_.Forget();  // the player may have changed it while choosing, or it was made
    hearing_.Forget();
    menu_.UseGame(ProfileOf(installation_.game));
    showsMessageTexts_ = ShowsMessageTexts(files_, installation_.gameFolder, Profile());
    keysAnswer_ = KeysAnswer();
    view_.ShowGame(Profile().game);
    statusLine_.ShowInUse(GameNameOfFolder(files_, installation_.gameFolder, Profile()),
                          installation_.scriptFolder);
    ShowPage(kMainPage);
    ShowGameBindings();
}

void Form::ChooseGameFolder() {
    RevealCurrentKey();
    const std::optional<std::string> chosen =
        view_.ChooseFolder(kChooseFolderTitle, installation_.scriptFolder);
    if (!chosen || chosen->empty()) {
        return;
    }
    const std::string folder = EnsureTrailingSeparator(NormalPath(*chosen));
    if (!GameOfFolder(files_, folder)) {
        std::string choices;
        for (const Game game : kGames) {
            choices += std::string(choices.empty() ? "" : " or ") + "the " +
                       ProfileOf(game).installSubfolder + " folder of " + ProfileOf(game).name;
        }
        Tell("The folder \"" + PathForMessage(folder) + "\" is no game folder.\nChoose " + choices +
                 "; the game folder stays \"" + PathForMessage(installation_.scriptFolder) + "\".",
             kProgramName);
        return;
    }
    // The folder in use, chosen again, changes nothing: the changes stay, unasked; so do they for
    // an installation reading the scripts from it, which only enters the search order.
    if (folder == installation_.gameFolder || IsScriptFolderInUse(folder)) {
        return;
    }
    const Installation chosenInstallation = InstallationAt(folder);
    const bool sameScripts = IsScriptFolderInUse(chosenInstallation.scriptFolder);
    if (!sameScripts && !OfferToExport(kChangeFolderQuestion)) {
        return;
    }
    if (const Status saved = WriteSettingsFile(files_, workingFolder_, folder); !saved.Ok()) {
        Tell("Quillon now uses the game folder \"" + PathForMessage(folder) +
                 "\" but could not remember it in \"" + kSettingsFileName +
                 "\": " + WhySettingsNotWritten(saved) + ".",
             kProgramName);
    }
    UseInstallation(chosenInstallation, true);
    ShowMenu();
    if (!sameScripts) {
        RestoreKeys();
        DiscardRecovery();
        TakeOverVoiceBinds();
    }
    ShowScriptRunAtStart();
    SelectKey(currentKey_);
}

bool Form::IsScriptFolderInUse(const std::string& folder) const {
    if (folder == installation_.scriptFolder) {
        return true;
    }
    const std::optional<std::string> real = files_.RealPath(folder);
    return real && real == files_.RealPath(installation_.scriptFolder);
}

}  // namespace quillon
