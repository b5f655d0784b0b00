// The export as the form carries it out: the questions before it (ExportQuestions), the script
// written where the game reads it, the undo script kept beside it, and what the player is told;
// and the offer to export first, before a step that would leave unexported changes behind.

#include "app/Form.h"

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "app/ExportQuestions.h"
#include "app/Program.h"
#include "app/ScriptExport.h"
#include "app/ScriptLoss.h"
#include "app/UndoFile.h"
#include "model/script/ScriptGenerator.h"
#include "model/script/ScriptName.h"
#include "platform/PathText.h"

namespace quillon {

ScriptOnDisk Form::ScriptAsItIs() {
    ScriptOnDisk script;
    script.path = ScriptPath();
    script.known = scriptKnown_;
    script.now = files_.ReadRegularFile(script.path, kLargestScript);
    script.templateText = TemplateText();
    script.readOnly = files_.IsReadOnly(script.path);
    script.engine = installation_.engine;
    script.shown = shownKeys_;
    return script;
}

void Form::NoteScriptOnDisk() {
    scriptKnown_ = files_.ReadRegularFile(ScriptPath(), kLargestScript);
}

bool Form::Export() {
    // What would keep the export from writing a script the game runs is said before anything
    // is asked.
    if (const Status usable = TemplateForExport(files_, workingFolder_,
                                                ScriptFolderFiles().FolderOf(kScriptFileName));
        !usable.Ok()) {
        Tell(usable.Message(), kProgramName);
        return false;
    }
    RevealCurrentKey();
    ShowGameBindings();  // the game saves its binds as it ends: they may have changed
    const std::optional<std::set<int16_t>> keysLeft = KeysLeftToTheGame(
        view_, Profile(), installation_.engine, gameBindings_, TemplateText(), keys_, keysAnswer_);
    const std::optional<std::unique_ptr<HeldLock>> folderHeld =
        keysLeft ? ReadyToReplace(
                       view_, files_, installation_.scriptFolder, Profile(),
                       [this] { return ScriptAsItIs(); }, keys_)
                 : std::nullopt;
    if (!folderHeld) {
        return false;
    }
    size_t size = 0;
    std::string storedIn;
    const Status written = ScriptFolderFiles().Write(
        kScriptFileName,
        [&](const std::string& folder) -> Status {
            const Result<size_t> script = WriteConsoleScript(files_, keys_, workingFolder_, folder,
                                                             *keysLeft, installation_.engine);
            size = script.Get();
            return script;
        },
        storedIn);
    if (!written.Ok()) {
        Tell(written.Message(), kProgramName);
        return false;
    }
    savedKeys_ = keys_;
    shownKeys_ = keys_;
    NoteScriptOnDisk();
    DiscardRecovery();
    const UndoKept undo =
        KeepGameBinds(files_, ScriptFolderFiles(),
                      GameSearchPath().KnownBindings(Profile(), installation_.engine),
                      TemplateText(), *keysLeft, installation_.engine);
    const ExportBox box =
        ExportResult(ScriptPath(), {ScriptFoundFirst(GameSearchPath(), installation_.scriptFolder),
                                    ScriptSizeWarning(Profile(), size)});
    Tell(box.text + UndoNote(undo), box.title);
    if (!undo.problem.empty()) {
        Tell(undo.problem, kProgramName);
    }
    TellStoredIn(kScriptFileName, storedIn);
    return true;
}

bool Form::OfferToExport(const std::string& question) {
    if (!HasUnexportedChanges()) {
        return true;
    }
    RevealCurrentKey();
    switch (view_.AskYesNoCancel(question, kProgramName)) {
        case View::Answer::Yes:
            return Export();
        case View::Answer::No:
            return true;
        case View::Answer::Cancel:
            break;
    }
    return false;
}

std::string Form::ScriptPath() const {
    return ScriptFolderFiles().FolderOf(kScriptFileName) + kScriptFileName;
}

std::string Form::TemplateText() const {
    return ReadTemplate(files_, workingFolder_).Get();
}

GameFiles Form::ScriptFolderFiles() const {
    return GameFiles(files_, installation_.scriptFolder, protectedFolders_);
}

void Form::TellStoredIn(const std::string& name, const std::string& folder) {
    if (!folder.empty()) {
        Tell(
            "Windows lets only administrators change the files in Program Files, and keeps what "
            "other programs write there apart for each user. Quillon put \"" +
                name + "\" in \"" + PathForMessage(folder) +
                "\": the game finds it there when it "
                "runs without administrator rights.",
            kProgramName);
    }
}

}  // namespace quillon
