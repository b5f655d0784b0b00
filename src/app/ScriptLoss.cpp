#include "app/ScriptLoss.h"

#include "app/Messages.h"
#include "model/script/ScriptReader.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

constexpr const char* kReadOnlyMarked = "\n- It is marked read-only; Quillon keeps the mark.";

// The keys whose messages on disk are not all among the key's messages in `keys`, or in `seen`.
std::string KeysHeldOnlyOnDisk(const KeyTable& onDisk, const KeyTable& keys,
                               const KeyTable& seen = {}) {
    std::string names;
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        for (int16_t slot = 0; slot < kSlotsPerKey; ++slot) {
            const std::optional<Assignment>& said = onDisk.At(key, slot);
            bool held = !said;
            for (int16_t own = 0; own < kSlotsPerKey && !held; ++own) {
                held = keys.At(key, own) == said || seen.At(key, own) == said;
            }
            if (!held) {
                names += (names.empty() ? "" : ", ") + SpokenKeyName(key);
                break;
            }
        }
    }
    return names;
}

}  // namespace

std::string ScriptLossQuestion(const GameProfile& game, const ScriptOnDisk& script,
                               const KeyTable& keys) {
    std::string losses;
    if (script.now.Ok()) {
        const RestoredKeys onDisk =
            ReadScriptAssignments(game, script.now.Get(), script.templateText, script.engine);
        if (!script.known.Ok() || script.known.Get() != script.now.Get()) {
            losses += "\n- It was changed since Quillon last read or wrote it";
            const std::string names = KeysHeldOnlyOnDisk(onDisk.table, keys);
            losses += names.empty() ? "." : ": messages on " + names + " would be lost.";
        } else if (const std::string names = KeysHeldOnlyOnDisk(onDisk.table, keys, script.shown);
                   !names.empty()) {
            losses +=
                "\n- It was changed after the changes Quillon restored were made: "
                "messages on " +
                names + " would be lost.";
        }
        if (onDisk.linesNotUnderstood > 0) {
            losses += "\n- " + Counted(onDisk.linesNotUnderstood, "line") +
                      " of it that Quillon could not read would be lost, such as:\n  " +
                      PathForMessage(onDisk.firstNotUnderstood);
        }
    } else if (script.now.Kind() != ErrorKind::Missing) {
        losses += "\n- Quillon could not read it (" + WhyFailed(script.now) +
                  "): whatever it holds would be lost.";
    }
    if (script.readOnly) {
        losses += kReadOnlyMarked;
    }
    if (losses.empty()) {
        return {};
    }
    return "Exporting replaces \"" + PathForMessage(script.path) + "\":" + losses +
           "\nReplace it? No exports nothing.";
}

std::string ReadOnlyAutoexecQuestion(const std::string& path) {
    return "Loading the script at game start changes \"" + PathForMessage(path) +
           "\":" + kReadOnlyMarked + "\nChange it? No leaves it as it is.";
}

}  // namespace quillon
