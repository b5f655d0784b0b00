// The keys the window works on, restored: read back from the script in the folder the script goes
// to, taken up from the changes a window left behind (the offer at start, RecoveryQuestion), or
// from the game's own voice binds in a folder without a script; and the changes not exported,
// kept in the recovery file as they are made.

#include "app/Form.h"

#include <optional>
#include <string>
#include <utility>

#include "app/Messages.h"
#include "app/Program.h"
#include "app/RecoveryFile.h"
#include "app/RecoveryQuestion.h"
#include "model/script/ScriptGenerator.h"
#include "model/script/ScriptReader.h"
#include "platform/PathText.h"

namespace quillon {

bool Form::KeepRecovery() {
    if (!HasUnexportedChanges()) {
        DiscardRecovery();
        return true;
    }
    const Status kept = recovery_.Keep(keys_, Profile(), installation_.scriptFolder);
    if (!kept.Ok() && !std::exchange(recoveryFailureTold_, true)) {
        Tell("Quillon cannot keep your changes that are not exported in \"" +
                 PathForMessage(workingFolder_) + "\": " + WhyFailed(kept) +
                 ".\nShould Quillon end unexpectedly, they would be lost: export them "
                 "(File, Export Script) to keep them.",
             kProgramName);
    }
    return kept.Ok();
}

void Form::DiscardRecovery() {
    recovery_.Discard();
}

void Form::OfferRecovery() {
    const std::optional<LeftWork> taken =
        OfferLeftWork(view_, recovery_, Profile(), installation_.scriptFolder, keys_);
    if (taken) {
        keys_ = WithShowableTexts(taken->keys, "the changes that were not exported");
        shownKeys_ = taken->keys;
        // Another window's changes become this window's, once they are kept as its own.
        if (KeepRecovery()) {
            recovery_.Forget(*taken);
        }
    }
}

void Form::RestoreKeys() {
    const std::string script = ScriptPath();
    const Result<std::string> read = files_.ReadRegularFile(script, kLargestScript);
    keys_ = KeyTable();
    shownKeys_ = KeyTable();
    scriptKnown_ = read;
    if (read.Ok()) {
        // The template's own lines are no keys, even where they set a key's variable.
        const RestoredKeys restored =
            ReadScriptAssignments(Profile(), read.Get(), TemplateText(), installation_.engine);
        if (restored.linesNotUnderstood > 0) {
            Tell("Quillon restored the messages of " + Counted(restored.keysRestored, "key") +
                     " from \"" + PathForMessage(script) + "\"; " +
                     Counted(restored.linesNotUnderstood, "line") + " of it " +
                     (restored.linesNotUnderstood == 1 ? "was" : "were") +
                     " not understood and left out.",
                 kProgramName);
        }
        keys_ = WithShowableTexts(restored.table, "\"" + PathForMessage(script) + "\"");
        shownKeys_ = restored.table;
    } else if (read.Kind() != ErrorKind::Missing) {
        Tell("Quillon could not read your keys from \"" + PathForMessage(script) +
                 "\": " + WhyFailed(read) + ".\nThe keypad starts empty; the script stays as it " +
                 "is until you export.",
             kProgramName);
    }
    savedKeys_ = keys_;
}

void Form::TakeOverVoiceBinds() {
    if (scriptKnown_.Kind() != ErrorKind::Missing) {
        return;
    }
    RevealCurrentKey();
    if (const std::optional<KeyTable> taken =
            takeover_.Offer(view_, Profile(), installation_.engine, gameBindings_, keys_,
                            installation_.scriptFolder)) {
        keys_ = WithShowableTexts(*taken, "your game's voice binds");
        KeepRecovery();
    }
}

}  // namespace quillon
