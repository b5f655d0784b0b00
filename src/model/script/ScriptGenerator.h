#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "model/game/GameProfile.h"
#include "model/keys/KeyTable.h"
#include "model/script/ScriptName.h"

namespace quillon {

constexpr const char* kTemplateFileName = "qmscript.txt";
// The largest script Quillon reads back; it writes none larger, so that whatever it exports, it
// restores.
constexpr size_t kLargestScript = 1024 * 1024;

// The generated part of the console script: for every key 1..22 an empty line, its three slot
// aliases and, when its first slot is used, its pointer alias. Lines end in CR LF; two blanks
// follow a slot's name and one the pointer's, kept as players' scripts have them.
std::string GenerateScriptBody(const KeyTable& table);

// The whole script: the template, without its "bind" commands of the keys in `keysLeft` (as the
// engine reads them) so that those keys keep what the game binds them to, followed by the
// generated part.
std::string ConsoleScript(const std::string& templateText, const KeyTable& table,
                          const std::set<int16_t>& keysLeft, Engine engine = Engine::Original);

}  // namespace quillon
