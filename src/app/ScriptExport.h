#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "model/game/GameProfile.h"
#include "model/keys/KeyTable.h"
#include "platform/FileSystem.h"

namespace quillon {

// Writes the template from the working folder followed by the generated part to the script in
// `scriptFolder` (folders end in the separator), replacing the earlier script only once the new
// one is complete; the template's "bind" commands of the keys in `keysLeft` are left out, so that
// those keys keep what the game binds them to. A failure says what went wrong and what to do;
// the earlier script is then left as it was. Gives the script's length in bytes.
Result<size_t> WriteConsoleScript(FileSystem& files, const KeyTable& table,
                                  const std::string& workingFolder, const std::string& scriptFolder,
                                  const std::set<int16_t>& keysLeft = {});

// What to tell the player about a script of `size` bytes that the game would not run (it runs
// none of a script that reaches its limit); nothing for one it runs.
std::string ScriptSizeWarning(const GameProfile& game, size_t size);

}  // namespace quillon
