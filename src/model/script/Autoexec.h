#pragma once

#include <string>

#include "model/game/GameProfile.h"
#include "model/script/ScriptName.h"

namespace quillon {

// The file the game runs at every start, from its search path.
constexpr const char* kAutoexecFileName = "autoexec.cfg";

// Whether the text holds a command that runs the exported script, in any spelling the console
// takes: "exec qmvc" or "exec qmvc.cfg" (ET: Legacy's "execq" too), in any letter case, spacing
// and quoting, outside comments, as the engine reads it (see CommandsOf; the original engine
// takes a byte-order mark before it for blanks, ET: Legacy for part of the word).
bool RunsScript(const std::string& autoexec, Engine engine = Engine::Original);

// The text with a line that runs the script added at its end, in the text's own line ends (a
// file that did not end its last line still does not; a comment it leaves open is closed on a
// line before it), when it holds none; or with every
// command that runs the script removed, the rest of its line kept. Every other byte stays.
std::string WithScriptRun(const std::string& autoexec, bool run, Engine engine = Engine::Original);

}  // namespace quillon
