#include "app/UndoFile.h"

#include "app/Messages.h"
#include "model/keys/Keypad.h"
#include "model/script/ScriptGenerator.h"
#include "model/script/UndoScript.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

std::string KeyNames(const std::set<int16_t>& keys) {
    std::string names;
    for (const int16_t key : keys) {
        names += (names.empty() ? "" : ", ") + SpokenKeyName(key);
    }
    return names;
}

}  // namespace

UndoKept KeepGameBinds(FileSystem& files, const GameFiles& scriptFolder,
                       const std::optional<KeyBindings>& before, const std::string& templateText,
                       const std::set<int16_t>& keysLeft, Engine engine) {
    std::set<int16_t> bound;
    for (const int16_t key : KeysBoundBy(templateText, engine)) {
        if (keysLeft.count(key) == 0) {
            bound.insert(key);
        }
    }
    if (bound.empty()) {
        return {};
    }
    const std::string path = scriptFolder.FolderOf(kUndoScriptFileName) + kUndoScriptFileName;
    const std::string shown = "\"" + PathForMessage(path) + "\"";
    const Result<std::string> read = files.ReadRegularFile(path, kLargestScript);
    const std::string lost =
        "\nOnce the game has run the script, its own binds of those keys are gone: "
        "note them before you run it.";
    if (!read.Ok() && read.Kind() != ErrorKind::Missing) {
        return {false, "Quillon could not read " + shown + ": " + WhyFailed(read) +
                           ".\nIt is left as it is, and the game's binds of the keys the script "
                           "takes are not kept in it." +
                           lost};
    }
    if (read.Ok() && !IsUndoScript(read.Get())) {
        return {false, shown +
                           " was not written by Quillon: it is left as it is, and the game's "
                           "binds of the keys the script takes are not kept in it." +
                           lost};
    }
    const std::set<int16_t> givenBack = KeysGivenBackBy(read.Get());
    std::set<int16_t> taken;
    for (const int16_t key : bound) {
        if (givenBack.count(key) == 0) {
            taken.insert(key);
        }
    }
    if (taken.empty()) {
        return {};
    }
    const std::string names = KeyNames(taken);
    if (!before) {
        return {false, "Quillon could not read what the game binds the keys to, so " + shown +
                           " does not keep the game's binds of " + names + "." + lost};
    }
    if (read.Ok() && files.IsReadOnly(path)) {
        return {false, shown + " is read-only: Quillon left it as it is, without the game's " +
                           "binds of " + names + "." + lost};
    }
    const std::string undo = UndoScriptWith(read.Get(), *before, taken);
    std::string storedIn;
    const Status written = scriptFolder.Write(
        kUndoScriptFileName,
        [&](const std::string& folder) {
            return WriteFileReplacing(files, folder + kUndoScriptFileName, undo);
        },
        storedIn);
    if (!written.Ok()) {
        return {false, "Quillon could not write " + shown + ": " + WhyFailed(written) +
                           ".\nThe game's binds of " + names + " are not kept in it." + lost};
    }
    return {!read.Ok(), {}};
}

std::string UndoNote(const UndoKept& kept) {
    return kept.made ? "\n\nTo give the game its keys back: /exec " + kUndoScriptName : "";
}

}  // namespace quillon
