#pragma once

#include <string>

namespace quillon {

// The exported script's name, as the console's exec takes it; its file and the command that runs
// it follow from it.
inline const std::string kScriptName = "qmvc";
inline const std::string kScriptFileName = kScriptName + ".cfg";
// The command that runs the script: typed in the console after a "/", and the line Quillon adds
// to autoexec.cfg.
inline const std::string kRunScriptLine = "exec " + kScriptName;

}  // namespace quillon
