#include "app/ExportQuestions.h"

#include "app/Program.h"
#include "app/ScriptExport.h"
#include "model/keys/Keypad.h"
#include "model/script/VoiceBinds.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

enum KeysButton : size_t { kTakeTheKeys, kLeaveThemToTheGame, kCancel };
// Where a long command of the game is broken so that no box runs it past its edge.
constexpr size_t kWidestLine = 64;

// The text in lines of at most kWidestLine characters, broken at a blank where there is one.
std::string Wrapped(const std::string& text) {
    std::string lines;
    size_t start = 0;
    while (text.size() - start > kWidestLine) {
        const size_t blank = text.rfind(' ', start + kWidestLine);
        const bool atBlank = blank != std::string::npos && blank > start;
        const size_t end = atBlank ? blank : start + kWidestLine;
        lines += text.substr(start, end - start) + "\n    ";
        start = atBlank ? end + 1 : end;
    }
    return lines + text.substr(start);
}

}  // namespace

std::optional<std::set<int16_t>> KeysLeftToTheGame(View& view, const GameProfile& game,
                                                   Engine engine, const KeyBindings& bindings,
                                                   const std::string& templateText,
                                                   const KeyTable& keys, KeysAnswer& last) {
    std::string taken;
    std::set<int16_t> withoutMessages;
    for (const int16_t key : KeysBoundBy(templateText, engine)) {
        // Voice binds taken over are the player's own messages now.
        const std::string command = GameCommandBesides(game, bindings[key], keys, key, engine);
        if (command.empty()) {
            continue;
        }
        const bool hasMessages = keys.UsedCount(key) > 0;
        taken +=
            "\n" + Wrapped(SpokenKeyName(key) + ": " + GameCommandInWords(game, command) +
                           (hasMessages ? " (it has messages: it is bound all the same)" : ""));
        if (!hasMessages) {
            withoutMessages.insert(key);
        }
    }
    if (taken.empty()) {
        return std::set<int16_t>();
    }
    const std::string question =
        "The script binds keys that the game uses for something else:" + taken +
        "\n\nTake the Keys: the script binds them.\nLeave Them to the Game: the keys without "
        "messages keep what the game binds them to.\nCancel: export nothing.";
    if (question != last.question) {
        last.answer = view.AskChoice(question, kProgramName,
                                     {"Take the Keys", "Leave Them to the Game", "Cancel"},
                                     kLeaveThemToTheGame);
        last.question = last.answer && *last.answer != kCancel ? question : std::string();
    }
    if (last.answer == kTakeTheKeys) {
        return std::set<int16_t>();
    }
    if (last.answer == kLeaveThemToTheGame) {
        return withoutMessages;
    }
    return std::nullopt;
}

std::optional<std::unique_ptr<HeldLock>> ReadyToReplace(View& view, FileSystem& files,
                                                        const std::string& folder,
                                                        const GameProfile& game,
                                                        const std::function<ScriptOnDisk()>& onDisk,
                                                        const KeyTable& keys) {
    std::optional<Result<std::string>> agreed;  // the script the player agreed to replace
    while (true) {
        Result<std::unique_ptr<HeldLock>> held = HoldForExport(files, folder);
        if (!held.Ok()) {
            view.ShowMessageBox(held.Message(), kProgramName);
            return std::nullopt;
        }
        const ScriptOnDisk script = onDisk();
        const bool seen = agreed && agreed->Ok() == script.now.Ok() &&
                          (script.now.Ok() ? agreed->Get() == script.now.Get()
                                           : agreed->Kind() == script.now.Kind());
        const std::string question = seen ? std::string() : ScriptLossQuestion(game, script, keys);
        if (question.empty()) {
            if (held.Get()) {
                RemoveUnfinishedScripts(files, FolderOfFile(script.path));
            }
            return std::move(held.Get());
        }
        held.Get().reset();  // nobody waits on a box
        if (!view.AskYesNo(question, kProgramName)) {
            return std::nullopt;
        }
        agreed = script.now;
    }
}

}  // namespace quillon
