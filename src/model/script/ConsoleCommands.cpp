#include "model/script/ConsoleCommands.h"

namespace quillon {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool StartsComment(const std::string& text, size_t at) {
    return text.compare(at, 2, "//") == 0;
}

void KeepIfAny(std::vector<std::string>& commands, const std::string& command) {
    if (command.find_first_not_of(" \t") != std::string::npos) {
        commands.push_back(command);
    }
}

}  // namespace

std::vector<std::string> CommandsOf(const std::string& script) {
    std::vector<std::string> commands;
    std::string command;
    bool quoted = false;
    bool comment = false;
    for (size_t at = 0; at < script.size(); ++at) {
        const char c = script[at];
        if (c == '\n' || c == '\r') {
            KeepIfAny(commands, command);
            command.clear();
            quoted = false;
            comment = false;
        } else if (comment) {
            continue;
        } else if (!quoted && c == ';') {
            KeepIfAny(commands, command);
            command.clear();
        } else if (!quoted && StartsComment(script, at)) {
            comment = true;
        } else {
            quoted = quoted != (c == '"');
            command += c;
        }
    }
    KeepIfAny(commands, command);
    return commands;
}

std::vector<std::string> WordsOf(const std::string& command) {
    std::vector<std::string> words;
    size_t at = 0;
    while (true) {
        while (at < command.size() && IsBlank(command[at])) {
            ++at;
        }
        if (at >= command.size() || StartsComment(command, at)) {
            return words;
        }
        std::string word;
        if (command[at] == '"') {
            const size_t close = command.find('"', at + 1);
            word = command.substr(at + 1, close == std::string::npos ? close : close - at - 1);
            at = close == std::string::npos ? command.size() : close + 1;
        } else {
            while (at < command.size() && !IsBlank(command[at]) && command[at] != '"' &&
                   !StartsComment(command, at)) {
                word += command[at++];
            }
        }
        words.push_back(std::move(word));
    }
}

}  // namespace quillon
