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

std::string LineWithout(const std::string& line,
                        const std::function<bool(const std::string&)>& drop, Engine engine) {
    struct Span {
        size_t at;
        size_t size;
        bool dropped;
    };
    std::vector<Span> spans;
    size_t from = 0;
    for (const std::string& command : CommandsOf(line, engine)) {
        const size_t at = line.find(command, from);
        if (at == std::string::npos) {
            return line;
        }
        spans.push_back({at, command.size(), drop(command)});
        from = at + command.size();
    }
    std::string edited = line;
    // From the end, so that the places of the earlier commands stay where they were.
    for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
        if (!span->dropped) {
            continue;
        }
        // The blanks after a command stay, before a comment, unless it began the line.
        size_t begin = span->at;
        size_t end = edited.find_last_not_of(" \t", span->at + span->size - 1) + 1;
        if (end < edited.size() && edited[end] == ';') {
            ++end;
        } else if (begin > 0 && edited[begin - 1] == ';') {
            --begin;
        }
        while (begin == 0 && end < edited.size() && (edited[end] == ' ' || edited[end] == '\t')) {
            ++end;
        }
        edited.erase(begin, end - begin);
    }
    return edited;
}

}  // namespace

std::string WithoutCommands(const std::string& text,
                            const std::function<bool(const std::string&)>& drop, Engine engine) {
    const bool marked = text.rfind(kByteOrderMark, 0) == 0;
    std::string kept = marked ? kByteOrderMark : "";
    for (size_t start = marked ? 3 : 0; start < text.size();) {
        const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const size_t next = end < text.size() ? end + LineEndAt(text, end) : end;
        const std::string line = text.substr(start, end - start);
        const std::string edited = LineWithout(line, drop, engine);
        if (edited == line || !HoldsNoCommand(edited)) {
            kept += edited + text.substr(end, next - end);
        }
        start = next;
    }
    return kept;
}

}  // namespace quillon
