#include "model/script/Autoexec.h"

#include <vector>

#include "model/script/ConsoleCommands.h"
#include "platform/TextCase.h"

namespace quillon {
namespace {

bool IsScriptRun(const std::string& command, Engine engine) {
    const std::vector<std::string> words = WordsOf(command, engine);
    return words.size() == 2 && SameIgnoringCase(words[0], "exec") &&
           (SameIgnoringCase(words[1], "qmvc") || SameIgnoringCase(words[1], "qmvc.cfg"));
}

// A line that runs the script and does nothing else.
bool OnlyRunsScript(const std::string& line, Engine engine) {
    const std::vector<std::string> commands = CommandsOf(line, engine);
    bool runs = false;
    for (const std::string& command : commands) {
        if (!IsScriptRun(command, engine)) {
            return false;
        }
        runs = true;
    }
    return runs;
}

// The length of the line end at `at`: CR LF, LF or a lone CR.
size_t LineEndAt(const std::string& text, size_t at) {
    return text.compare(at, 2, "\r\n") == 0 ? 2 : 1;
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
    if (run) {
        if (RunsScript(autoexec, engine)) {
            return autoexec;
        }
        const bool unixLines =
            autoexec.find('\n') != std::string::npos && autoexec.find("\r\n") == std::string::npos;
        const std::string lineEnd = unixLines ? "\n" : "\r\n";
        const bool ended = autoexec.empty() || autoexec.back() == '\n' || autoexec.back() == '\r';
        return autoexec + (ended ? "" : lineEnd) + kRunScriptLine + lineEnd;
    }
    std::string kept;
    for (size_t start = 0; start < autoexec.size();) {
        const size_t end = std::min(autoexec.find_first_of("\r\n", start), autoexec.size());
        const size_t next = end < autoexec.size() ? end + LineEndAt(autoexec, end) : end;
        if (!OnlyRunsScript(autoexec.substr(start, end - start), engine)) {
            kept += autoexec.substr(start, next - start);
        }
        start = next;
    }
    return kept;
}

}  // namespace quillon
