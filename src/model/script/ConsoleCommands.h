#pragma once

#include <string>
#include <vector>

#include "model/game/GameProfile.h"

namespace quillon {

// A script as the engine's console reads it: command lines end at a line feed, a lone carriage
// return or a ";" outside double quotes, and "//" outside quotes starts a comment. The original
// engine splits at ";" first, so a ";" in a comment starts a command; ET: Legacy ends the line's
// commands at "//". Each command as its raw text, comments left out, empty ones too.
std::vector<std::string> CommandsOf(const std::string& script, Engine engine = Engine::Original);

// The words of one command: separated by blanks (the engine's, see Engine); a double-quoted word
// may hold blanks and ";", and is given without its quotes; "//" ends the words.
std::vector<std::string> WordsOf(const std::string& command, Engine engine = Engine::Original);

// The words from `first` on, joined by single blanks, as the console passes them on.
std::string WordsFrom(const std::vector<std::string>& words, size_t first);

}  // namespace quillon
