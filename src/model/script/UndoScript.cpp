#include "model/script/UndoScript.h"

namespace quillon {
namespace {

// No ";" in the comments: the original engine would take one for the start of a command.
const std::string kFirstLine = "// " + kUndoScriptFileName + " - written by Quillon";
const std::string kHead = kFirstLine + ": the binds the game had before " + kScriptFileName +
                          " took its keys.\r\n// Typed in the game console, /exec " +
                          kUndoScriptName + " binds them so again.\r\n";

// A command no bind of a configuration can hold: it has a double quote.
constexpr const char* kNotRead = "\"";

}  // namespace

std::string UndoScriptWith(const std::string& existing, const KeyBindings& before,
                           const std::set<int16_t>& keys) {
    std::string undo = existing.empty() ? kHead : existing;
    if (undo.back() != '\n' && undo.back() != '\r') {
        undo += "\r\n";
    }
    const std::set<int16_t> givenBack = KeysGivenBackBy(existing);
    bool added = false;
    for (const int16_t key : keys) {
        if (key < kFirstAssignableKey || key > kLastKey || givenBack.count(key) > 0) {
            continue;
        }
        const std::string& command = before[key];
        undo += command.empty() ? "unbind " + BindName(key) + "\r\n"
                                : "bind " + BindName(key) + " \"" + command + "\"\r\n";
        added = true;
    }
    return added ? undo : existing;
}

std::set<int16_t> KeysGivenBackBy(const std::string& undo) {
    // A key the script binds or unbinds no longer holds what it held before.
    KeyBindings marked;
    marked.fill(kNotRead);
    const KeyBindings after = ReadBindings(undo, marked);
    std::set<int16_t> keys;
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        if (after[key] != kNotRead) {
            keys.insert(key);
        }
    }
    return keys;
}

bool IsUndoScript(const std::string& text) {
    return text.compare(0, kFirstLine.size(), kFirstLine) == 0;
}

}  // namespace quillon
