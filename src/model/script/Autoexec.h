#pragma once

#include <string>

#include "model/game/GameProfile.h"

namespace quillon {

// The file the game runs at every start, from its search path.
constexpr const char* kAutoexecFileName = "autoexec.cfg";
// The line that runs the exported script, as Quillon adds it.
constexpr const char* kRunScriptLine = "exec qmvc";

// Whether the text holds a command that runs the exported script, in any spelling the console
// takes: "exec qmvc" or "exec qmvc.cfg", in any letter case and spacing, as the engine reads it.
bool RunsScript(const std::string& autoexec, Engine engine = Engine::Original);

// The text with a line that runs the script added at its end, in the text's own line ends, when
// it holds none; or with every line that only runs the script removed. Every other byte stays.
std::string WithScriptRun(const std::string& autoexec, bool run, Engine engine = Engine::Original);

}  // namespace quillon
