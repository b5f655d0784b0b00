#include "model/script/Autoexec.h"

#include <vector>

#include "model/script/CommandEdit.h"
#include "model/script/ConsoleCommands.h"
#include "platform/TextCase.h"

namespace quillon {
namespace {

bool IsScriptRun(const std::string& command, Engine engine) {
    const std::vector<std::string> words = WordsOf(command, engine);
    return words.size() == 2 && SameIgnoringCase(words[0], "exec") &&
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
    if (autoexec.empty()) {
        return kRunScriptLine + lineEnd;
    }
    const bool ended = autoexec.back() == '\n' || autoexec.back() == '\r';
    return ended ? autoexec + kRunScriptLine + lineEnd : autoexec + lineEnd + kRunScriptLine;
}

}  // namespace quillon
