#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quillon {

// ET: Legacy lets a voice message carry a text of the player's own: the words after the
// message's name in its console command, shown instead of the message's own text. The text
// travels inside the slot's "set" value, through the console and the server, to the other
// players' screens; these are the rules under which it arrives as written.

// The most characters the other players see of it.
constexpr size_t kLongestMessageText = 63;

// The text without the blanks and tabs before and after it.
std::string TrimmedMessageText(const std::string& typed);

// Why the game would not show the text as written, one reason each, in the player's words
// ("it holds a semicolon (;), ..."); nothing when it would. An empty text is no text at all.
std::vector<std::string> MessageTextProblems(const std::string& text);

}  // namespace quillon
