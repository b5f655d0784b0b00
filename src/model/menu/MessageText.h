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

// What the game would not show of a text as written.
enum class MessageTextFault {
    TooLong,             // `length` characters
    SingleCharacter,     // the game shows none shorter than two
    DoubleQuote,         // it ends the slot's value
    Semicolon,           // it ends the command
    Comment,             // "//" or "/*": the console skips the rest
    PercentSign,         // the game shows a full stop
    ControlCharacter,    // the console takes it for a blank or the end of the command
    BlanksInARow,        // the game shows one
    LettersOutsideAscii  // `letters`: ET: Legacy's console does not pass them on as written
};
struct MessageTextProblem {
    MessageTextFault fault;
    size_t length = 0;    // the text's, in characters
    std::string letters;  // those outside plain ASCII, each once
};

// Why the game would not show the text as written, one problem each; nothing when it would. An
// empty text is no text at all.
std::vector<MessageTextProblem> MessageTextProblems(const std::string& text);

}  // namespace quillon
