#include "model/script/Autoexec.h"

#include <algorithm>
#include <vector>

#include "model/script/CommandEdit.h"
#include "model/script/ConsoleCommands.h"
#include "platform/TextCase.h"

namespace quillon {
namespace {

// "exec" runs a file named by exactly one word; ET: Legacy's "execq" too, without a word in the
// console.
bool IsScriptRun(const std::string& command, Engine engine) {
    const std::vector<std::string> words = WordsOf(command, engine);
    return words.size() == 2 &&
           (SameIgnoringCase(words[0], "exec") ||
            (engine == Engine::Legacy && SameIgnoringCase(words[0], "execq"))) &&
           (SameIgnoringCase(words[1], kScriptName) || SameIgnoringCase(words[1], kScriptFileName));
}

}  // namespace

bool RunsScript(const std::string& autoexec, Engine engine) {
    for (const std::string& command : CommandsOf(autoexec, engine)) {
        if (IsScriptRun(command, engine)) {
            return true;
        }
    }
    return false;
}

std::string WithScriptRun(const std::string& autoexec, bool run, Engine engine) {
    if (!run) {
        return WithoutCommands(
            autoexec, [engine](const std::string& command) { return IsScriptRun(command, engine); },
            engine);
    }
    if (RunsScript(autoexec, engine)) {
        return autoexec;
    }
    const bool unixLines =
        autoexec.find('\n') != std::string::npos && autoexec.find("\r\n") == std::string::npos;
    const std::string lineEnd = unixLines ? "\n" : "\r\n";
    // The game reads no further than a NUL byte: the line goes before it, every byte kept.
    const size_t read = std::min(autoexec.find('\0'), autoexec.size());
    const std::string unread = autoexec.substr(read);
    const auto appended = [&](const std::string& text) {
        if (text.empty()) {
            return kRunScriptLine + lineEnd + unread;
        }
        const bool ended = text.back() == '\n' || text.back() == '\r';
        return ended ? text + kRunScriptLine + lineEnd + unread
                     : text + lineEnd + kRunScriptLine + (unread.empty() ? "" : lineEnd) + unread;
    };
    const std::string head = autoexec.substr(0, read);
    // A comment left open would take the line in: it is closed on a line of its own first, after
    // a double quote where an odd count of them hides its end.
    if (EndsInOpenComment(head, engine)) {
        for (const char* close : {"*/", "\"*/"}) {
            const std::string closed = appended(head + lineEnd + close);
            if (RunsScript(closed, engine)) {
                return closed;
            }
        }
    }
    return appended(head);
}

}  // namespace quillon
