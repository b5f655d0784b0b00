#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/game/GameProfile.h"

namespace quillon {

// A text as the engine's console reads it. The console reads no further than a NUL byte. It cuts
// the text into command lines at a line feed, a carriage return and a ";" outside double quotes;
// ET: Legacy's also skips a ";" after "//" up to the line's end, and runs a "/*" on across
// lines: its command line then ends at the "*/", whose "/" goes with it, and what follows is
// the next command line. A command line of more than 1,023 bytes is cut there, the byte after
// them is lost, and the rest is the next one. Then each command line is split into words (see
// WordsOf), where "//" ends the words and "/* */" is left out, within the line.
//
// A command line of the text: where it starts in it and its length, without what ended it.
struct CommandLine {
    size_t at;
    size_t size;
};
std::vector<CommandLine> CommandLinesOf(const std::string& script, Engine engine);

// The raw text of each command line that holds any word.
std::vector<std::string> CommandsOf(const std::string& script, Engine engine = Engine::Original);

// The words of one command line: separated by blanks (the engine's, see Engine); a double-quoted
// word may hold blanks and ";", and is given without its quotes; "//" ends the words (in ET:
// Legacy's, not after a ":", as in "http://"), and "/*" to the next "*/" is left out, to the
// line's end when there is none.
std::vector<std::string> WordsOf(const std::string& command, Engine engine = Engine::Original);

// Where the words of a command line lie in it: from the first byte of its first word to the
// last of its last (a quoted word's quotes included); `size` 0 when it holds none.
CommandLine WordsExtentOf(const std::string& command, Engine engine);

// Whether text appended to the script would be inside a comment: ET: Legacy's "/*" left open.
bool EndsInOpenComment(const std::string& script, Engine engine);

// The words from `first` on, joined by single blanks, as the console passes them on.
std::string WordsFrom(const std::vector<std::string>& words, size_t first);

}  // namespace quillon
