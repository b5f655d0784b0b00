#include "model/menu/MessageText.h"

namespace quillon {
namespace {

constexpr const char* kBlanks = " \t";

bool IsContinuationByte(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The characters outside plain ASCII, each once, in UTF-8 as the window gave them.
std::string LettersOutsideAscii(const std::string& text) {
    std::string letters;
    for (size_t at = 0; at < text.size();) {
        size_t end = at + 1;
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            at = end;
            continue;
        }
        while (end < text.size() && IsContinuationByte(static_cast<unsigned char>(text[end]))) {
            ++end;
        }
        const std::string letter = text.substr(at, end - at);
        if (letters.find(letter) == std::string::npos) {
            letters += (letters.empty() ? "" : " ") + letter;
        }
        at = end;
    }
    return letters;
}

size_t CharacterCount(const std::string& text) {
    size_t count = 0;
    for (const char c : text) {
        count += IsContinuationByte(static_cast<unsigned char>(c)) ? 0 : 1;
    }
    return count;
}

}  // namespace

std::string TrimmedMessageText(const std::string& typed) {
    const size_t first = typed.find_first_not_of(kBlanks);
    if (first == std::string::npos) {
        return {};
    }
    return typed.substr(first, typed.find_last_not_of(kBlanks) - first + 1);
}

std::vector<std::string> MessageTextProblems(const std::string& text) {
    std::vector<std::string> problems;
    const auto holds = [&](const char* part) { return text.find(part) != std::string::npos; };
    const size_t length = CharacterCount(text);
    if (length > kLongestMessageText) {
        problems.push_back("it is " + std::to_string(length) +
                           " characters long, and the other players see at most " +
                           std::to_string(kLongestMessageText));
    }
    // The game takes a text only from two characters on; with one it shows the message's own.
    if (length == 1) {
        problems.emplace_back("it is a single character; ET: Legacy shows none shorter than two");
    }
    if (holds("\"")) {
        problems.emplace_back("it holds a double quote (\"), which ends the slot's value");
    }
    if (holds(";")) {
        problems.emplace_back("it holds a semicolon (;), which ends the command there");
    }
    if (holds("//") || holds("/*")) {
        problems.emplace_back("it holds // or /*, after which the console skips the rest");
    }
    // The engine turns every % a client sends into a full stop.
    if (holds("%")) {
        problems.emplace_back("it holds a percent sign (%), which the game shows as a full stop");
    }
    bool control = false;
    for (const char c : text) {
        control = control || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    }
    if (control) {
        problems.emplace_back(
            "it holds a control character (a tab, a line break), which the console takes for a "
            "blank or the end of the command");
    }
    if (holds("  ")) {
        problems.emplace_back("it holds blanks in a row, which the game shows as one");
    }
    // The console compares bytes as signed characters: at the start of a word it takes those of
    // such letters for blanks and drops them, and the length is cut in bytes, not letters.
    if (const std::string letters = LettersOutsideAscii(text); !letters.empty()) {
        problems.push_back("it holds letters other than plain ASCII (" + letters +
                           "), which ET: Legacy's console does not pass on as written");
    }
    return problems;
}

}  // namespace quillon
