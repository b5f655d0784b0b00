#include "model/script/CommandEdit.h"

#include <algorithm>
#include <vector>

#include "model/script/ConsoleCommands.h"

namespace quillon {
namespace {

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

// The length of the line end at `at`: CR LF, LF or a lone CR.
size_t LineEndAt(const std::string& text, size_t at) {
    return text.compare(at, 2, "\r\n") == 0 ? 2 : 1;
}

// Whether a line holds nothing but ";" and bytes that any engine takes for blanks.
bool HoldsNoCommand(const std::string& line) {
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return c == ';' || static_cast<unsigned char>(c) <= ' '; });
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t';
}

struct Span {
    size_t begin;
    size_t end;
};

// What goes of a command dropped, in the text: its words, with one ";" beside it; blanks before
// a comment after it stay, unless it began its line. `lineStart` is where its line's text begins.
Span DroppedSpan(const std::string& text, size_t begin, size_t end, size_t lineStart) {
    size_t after = end;
    while (after < text.size() && IsSpace(text[after])) {
        ++after;
    }
    size_t before = begin;
    while (before > lineStart && IsSpace(text[before - 1])) {
        --before;
    }
    if (after < text.size() && text[after] == ';') {
        end = after + 1;
    } else if (before > lineStart && text[before - 1] == ';') {
        begin = before - 1;
    }
    if (before == lineStart) {
        begin = lineStart;
        while (end < text.size() && IsSpace(text[end])) {
            ++end;
        }
    }
    return {begin, end};
}

}  // namespace

std::string WithoutCommands(const std::string& text,
                            const std::function<bool(const std::string&)>& drop, Engine engine) {
    const size_t marked = text.rfind(kByteOrderMark, 0) == 0 ? 3 : 0;
    const auto lineStart = [&](size_t at) {
        const size_t end = text.find_last_of("\r\n", at == 0 ? 0 : at - 1);
        return end == std::string::npos || at == 0 ? marked : end + 1;
    };
    std::vector<Span> spans;
    for (const CommandLine& line : CommandLinesOf(text, engine)) {
        const std::string command = text.substr(line.at, line.size);
        const CommandLine words = WordsExtentOf(command, engine);
        if (words.size > 0 && drop(command)) {
            const size_t begin = line.at + words.at;
            spans.push_back(DroppedSpan(text, begin, begin + words.size, lineStart(begin)));
        }
    }
    // Line by line, so that a line left with no command goes with its line end.
    std::string kept = text.substr(0, marked);
    auto span = spans.begin();
    for (size_t start = marked; start < text.size();) {
        const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const size_t next = end < text.size() ? end + LineEndAt(text, end) : end;
        std::string edited;
        size_t from = start;
        for (; span != spans.end() && span->begin < end; ++span) {
            edited += text.substr(from, span->begin - from);
            from = span->end;
        }
        edited += text.substr(from, end - from);
        if (from == start || !HoldsNoCommand(edited)) {
            kept += edited + text.substr(end, next - end);
        }
        start = next;
    }
    return kept;
}

}  // namespace quillon
