#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "model/game/GameProfile.h"
#include "model/keys/KeyTable.h"
#include "model/script/ScriptName.h"
#include "platform/FileSystem.h"
#include "platform/Outcome.h"

namespace quillon {

constexpr const char* kTemplateFileName = "qmscript.txt";
// The largest script Quillon reads back; it writes none larger, so that whatever it exports, it
// restores.
constexpr size_t kLargestScript = 1024 * 1024;

// The generated part of the console script: for every key 1..22 an empty line, its three slot
// aliases and, when its first slot is used, its pointer alias. Lines end in CR LF; two blanks
// follow a slot's name and one the pointer's, kept as players' scripts have them.
std::string GenerateScriptBody(const KeyTable& table);

struct ScriptWritten {
    Outcome outcome;
    size_t size = 0;  // the script's length in bytes, once written
};

// Writes the template from the working folder followed by the generated part to the script in
// `scriptFolder` (folders end in the separator), replacing the earlier script only once the new one
// is complete; the template's "bind" commands of the keys in `keysLeft` are left out, so that
// those keys keep what the game binds them to. A failure says what went wrong and what to do;
// the earlier script is then left as it was.
[[nodiscard]] ScriptWritten WriteConsoleScript(FileSystem& files, const KeyTable& table,
                                               const std::string& workingFolder,
                                               const std::string& scriptFolder,
                                               const std::set<int16_t>& keysLeft = {});

// What to tell the player about a script of `size` bytes that the game would not run (it runs
// none of a script that reaches its limit); nothing for one it runs.
std::string ScriptSizeWarning(const GameProfile& game, size_t size);

}  // namespace quillon
