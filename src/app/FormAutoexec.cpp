// Load Script at Game Start: its check mark, which shows whether the autoexec.cfg the game runs
// runs the script, and the command that adds the script's run to that file or takes it out.

#include "app/Form.h"

#include <string>

#include "app/GameFiles.h"
#include "app/Messages.h"
#include "app/Program.h"
#include "app/ScriptExport.h"
#include "app/ScriptLoss.h"
#include "app/SearchPath.h"
#include "model/script/Autoexec.h"
#include "model/script/ScriptGenerator.h"
#include "model/script/ScriptName.h"
#include "platform/PathText.h"

namespace quillon {

void Form::ShowScriptRunAtStart() {
    // The game runs the first autoexec.cfg of its search path, and no other.
    const SearchPath search = GameSearchPath();
    const std::string folder = search.FolderHolding(kAutoexecFileName);
    const Result<std::string> autoexec =
        folder.empty() ? NothingRead()
                       : files_.ReadRegularFile(
                             search.FilesOf(folder).FolderOf(kAutoexecFileName) + kAutoexecFileName,
                             kLargestScript);
    view_.SetMenuItemChecked(layout::Command::LoadScriptAtGameStart,
                             autoexec.Ok() && RunsScript(autoexec.Get(), installation_.engine));
}

void Form::ToggleScriptRunAtStart(bool mayAdd) {
    if (!files_.IsFolder(
            installation_.scriptFolder)) {  // never made again here: no game would read it
        Tell(GameFolderMissing(installation_.scriptFolder), kProgramName);
        return;
    }
    // The file the game runs; where it has none, one in the first folder it searches.
    const SearchPath search = GameSearchPath();
    std::string folder = search.FolderHolding(kAutoexecFileName);
    if (folder.empty()) {
        folder = search.Folders().empty() ? installation_.scriptFolder : search.Folders().front();
    }
    const GameFiles game = search.FilesOf(folder);
    const std::string path = game.FolderOf(kAutoexecFileName) + kAutoexecFileName;
    const Result<std::string> autoexec = files_.ReadRegularFile(path, kLargestScript);
    if (!autoexec.Ok() && autoexec.Kind() != ErrorKind::Missing) {
        Tell("Quillon could not read \"" + PathForMessage(path) + "\": " + WhyFailed(autoexec) +
                 ".\nIt is left as it was.",
             kProgramName);
        return;
    }
    const bool run = !RunsScript(autoexec.Get(), installation_.engine);
    if (run && !mayAdd) {
        return;
    }
    const std::string changed = WithScriptRun(autoexec.Get(), run, installation_.engine);
    if (!run && RunsScript(changed, installation_.engine)) {
        Tell("Quillon could not take \"" + kRunScriptLine + "\" out of \"" + PathForMessage(path) +
                 "\": it cannot tell that command apart on its line.\n" +
                 "The file is left as it was; the game still runs the script at its start.",
             kProgramName);
        ShowScriptRunAtStart();
        return;
    }
    if (files_.IsReadOnly(path) && !Confirmed(ReadOnlyAutoexecQuestion(path))) {
        return;  // the mark is the player's: changed only when asked, as the script's is
    }
    if (const Status made =
            files_.IsFolder(folder) ? Status::Success() : MakeFolders(files_, folder);
        !made.Ok()) {
        Tell("Quillon could not make the folder \"" + PathForMessage(folder) +
                 "\": " + WhyFailed(made) + ".\nNothing was changed.",
             kProgramName);
        ShowScriptRunAtStart();
        return;
    }
    std::string storedIn;
    const Status written = game.Write(
        kAutoexecFileName,
        [&](const std::string& writtenIn) {
            const std::string destination = writtenIn + kAutoexecFileName;
            const Status replaced = WriteFileReplacing(files_, destination, changed);
            return replaced.Ok()
                       ? replaced
                       : replaced.Saying("\"" + PathForMessage(destination) +
                                         "\" could not be written: " + WhyFailed(replaced) +
                                         ".\nIt is left as it was.");
        },
        storedIn);
    if (!written.Ok()) {
        Tell(written.Message(), kProgramName);
    }
    TellStoredIn(kAutoexecFileName, storedIn);
    ShowScriptRunAtStart();
}

}  // namespace quillon
