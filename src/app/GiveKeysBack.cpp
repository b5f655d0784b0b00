#include "app/GiveKeysBack.h"

#include "app/Messages.h"
#include "app/Program.h"
#include "model/script/Autoexec.h"
#include "model/script/ScriptGenerator.h"
#include "model/script/UndoScript.h"
#include "platform/PathText.h"

namespace quillon {

void GiveKeysBack(View& view, FileSystem& files, const GameFiles& scriptFolder, StatusLine& status,
                  const std::function<void()>& stopRunningAtStart) {
    const std::string path = scriptFolder.FolderOf(kUndoScriptFileName) + kUndoScriptFileName;
    const std::string shown = "\"" + PathForMessage(path) + "\"";
    const Result<std::string> undo = files.ReadRegularFile(path, kLargestScript);
    const std::string stop = "Quillon takes \"" + kRunScriptLine + "\" out of " +
                             kAutoexecFileName + ", so that the game no longer runs " +
                             kScriptFileName + " at its start.";
    const bool kept = undo.Ok() && IsUndoScript(undo.Get());
    std::string then;
    if (kept) {
        then = "Then type /exec " + kUndoScriptName +
               " in the game console: it binds the keys the script took as the game had them "
               "before. Quillon cannot change a game that runs.";
    } else {
        const std::string why = undo.Kind() == ErrorKind::Missing ? " is missing"
                                : undo.Ok()                       ? " was not written by Quillon"
                                            : " cannot be read (" + WhyFailed(undo) + ")";
        then = shown + why +
               ": Quillon kept no binds of the game's to give back. Bind the keys again in "
               "the game's own controls.";
    }
    if (!view.AskYesNo("Give the game its keys back?\n\n" + stop + "\n" + then +
                           "\n\nYour messages stay on the keypad; export again to use them.",
                       kProgramName)) {
        return;
    }
    stopRunningAtStart();
    if (kept) {
        status.Note("To give the game its keys back, type /exec " + kUndoScriptName +
                    " in its console.");
    }
}

}  // namespace quillon
