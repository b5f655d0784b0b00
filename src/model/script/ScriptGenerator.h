#pragma once

#include <string>

#include "model/keys/KeyTable.h"
#include "platform/FileSystem.h"
#include "platform/Outcome.h"

namespace quillon {

constexpr const char* kTemplateFileName = "qmscript.txt";
constexpr const char* kScriptFileName = "qmvc.cfg";
// A template this large is no template; copying it would only fill the game folder.
constexpr size_t kLargestTemplate = 16 * 1024 * 1024;

// The generated part of the console script: for every key 1..22 an empty line, its three slot
// aliases and, when slot 1 is used, its pointer alias. Lines end in CR LF.
std::string GenerateScriptBody(const KeyTable& table);

// Writes the template from the working folder followed by the generated part to the script in
// `gamePath` (folders end in the separator), replacing the earlier script only once the new one
// is complete. A failure says what went wrong and what to do; the earlier script is then left as
// it was.
[[nodiscard]] Outcome WriteConsoleScript(FileSystem& files, const KeyTable& table,
                                         const std::string& workingFolder,
                                         const std::string& gamePath);

}  // namespace quillon
