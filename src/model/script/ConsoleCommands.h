#pragma once

#include <string>
#include <vector>

namespace quillon {

// A script as the game's console reads it: command lines end at a line feed, a lone carriage
// return or a ";" outside double quotes; "//" outside quotes starts a comment that runs to the
// end of the line. Each command as its raw text, comments left out, empty ones too.
std::vector<std::string> CommandsOf(const std::string& script);

// The words of one command: separated by blanks and tabs; a double-quoted word may hold blanks
// and ";", and is given without its quotes; "//" ends the words.
std::vector<std::string> WordsOf(const std::string& command);

}  // namespace quillon
