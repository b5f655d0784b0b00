#pragma once

#include <string>

#include "model/keys/KeyTable.h"
#include "platform/Outcome.h"

namespace quillon {

constexpr const char* kTemplateFileName = "qmscript.txt";
constexpr const char* kScriptFileName = "qmvc.cfg";

// The generated part of the console script: for every key 1..22 an empty line, its three slot
// aliases and, when slot 1 is used, its pointer alias. Lines end in CR LF.
std::string GenerateScriptBody(const KeyTable& table);

// Writes the template from the current folder followed by the generated part to the script in
// `gamePath`, replacing the earlier script only once the new one is complete. A failure says
// what went wrong and what to do; the earlier script is then left as it was.
Outcome WriteConsoleScript(const KeyTable& table, const std::string& gamePath);

}  // namespace quillon
