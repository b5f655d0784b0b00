#pragma once

#include <string>

#include "model/game/GameProfile.h"
#include "model/keys/KeyTable.h"
#include "platform/FileSystem.h"

namespace quillon {

// The script on disk as an export is about to replace it.
struct ScriptOnDisk {
    std::string path;
    Result<std::string> known = NothingRead();  // as the window last read or wrote it
    Result<std::string> now = NothingRead();    // as it is now
    std::string templateText;                   // whose lines are no keys
    bool readOnly = false;
    Engine engine = Engine::Original;  // whose reading of it counts
    // The keys as the window last read or wrote them, or took them up from changes left behind
    // in their place: a message the window never showed was never deleted in it.
    KeyTable shown;
};

// What an export of `keys` would drop that the player has not seen dropped: a script changed
// since the window read or wrote it (and the keys it holds that `keys` do not), lines the window
// could not read, messages that changes taken up from a window that ended replaced, a script it
// could not read at all, a read-only mark the player set. The
// question to ask before replacing it; empty when nothing would be lost.
std::string ScriptLossQuestion(const GameProfile& game, const ScriptOnDisk& script,
                               const KeyTable& keys);

// The question before Load Script at Game Start changes an autoexec.cfg that the player marked
// read-only (the mark stays).
std::string ReadOnlyAutoexecQuestion(const std::string& path);

}  // namespace quillon
