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

std::vector<MessageTextProblem> MessageTextProblems(const std::string& text) {
    std::vector<MessageTextProblem> problems;
    const auto holds = [&](const char* part) { return text.find(part) != std::string::npos; };
    const auto add = [&](MessageTextFault fault) { problems.push_back({fault, 0, {}}); };
    const size_t length = CharacterCount(text);
    if (length > kLongestMessageText) {
        problems.push_back({MessageTextFault::TooLong, length, {}});
    }
    // The game takes a text only from two characters on; with one it shows the message's own.
    if (length == 1) {
        add(MessageTextFault::SingleCharacter);
    }
    if (holds("\"")) {
        add(MessageTextFault::DoubleQuote);
    }
    if (holds(";")) {
        add(MessageTextFault::Semicolon);
    }
    if (holds("//") || holds("/*")) {
        add(MessageTextFault::Comment);
    }
    // The engine turns every % a client sends into a full stop.
    if (holds("%")) {
        add(MessageTextFault::PercentSign);
    }
    bool control = false;
    for (const char c : text) {
        control = control || static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    }
    if (control) {
        add(MessageTextFault::ControlCharacter);
    }
    if (holds("  ")) {
        add(MessageTextFault::BlanksInARow);
    }
    // The console compares bytes as signed characters: at the start of a word it takes those of
    // such letters for blanks and drops them, and the length is cut in bytes, not letters.
    if (const std::string letters = LettersOutsideAscii(text); !letters.empty()) {
        problems.push_back({MessageTextFault::LettersOutsideAscii, length, letters});
    }
    return problems;
}

}  // namespace quillon
