#include "model/script/ConsoleCommands.h"

#include <algorithm>

namespace quillon {
namespace {

// Every byte up to the blank but NUL, which ends the engine's text instead. The original engine
// compares signed characters: every byte above 127 is below the blank too.
bool IsBlank(char c, Engine engine) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte != 0 && byte <= ' ') || (engine == Engine::Original && byte >= 0x80);
}

bool StartsComment(const std::string& text, size_t at) {
    return text.compare(at, 2, "//") == 0;
}

// The command without its comment, when anything but blanks is left.
void KeepIfAny(std::vector<std::string>& commands, std::string command, Engine engine) {
    bool quoted = false;
    for (size_t at = 0; at < command.size(); ++at) {
        if (!quoted && StartsComment(command, at)) {
            command.resize(at);
            break;
        }
        quoted = quoted != (command[at] == '"');
    }
    if (!std::all_of(command.begin(), command.end(),
                     [engine](char c) { return IsBlank(c, engine); })) {
        commands.push_back(std::move(command));
    }
}

}  // namespace

std::vector<std::string> CommandsOf(const std::string& script, Engine engine) {
    std::vector<std::string> commands;
    std::string command;
    bool quoted = false;
    bool comment = false;  // only ET: Legacy skips the rest of a line after "//"
    for (size_t at = 0; at < script.size(); ++at) {
        const char c = script[at];
        if (c == '\n' || c == '\r') {
            KeepIfAny(commands, command, engine);
            command.clear();
            quoted = false;
            comment = false;
        } else if (comment) {
            continue;
        } else if (!quoted && c == ';') {
            KeepIfAny(commands, command, engine);
            command.clear();
        } else if (!quoted && engine == Engine::Legacy && StartsComment(script, at)) {
            comment = true;
        } else {
            quoted = quoted != (c == '"');
            command += c;
        }
    }
    KeepIfAny(commands, command, engine);
    return commands;
}

std::vector<std::string> WordsOf(const std::string& command, Engine engine) {
    std::vector<std::string> words;
    size_t at = 0;
    while (true) {
        while (at < command.size() && IsBlank(command[at], engine)) {
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
            while (at < command.size() && !IsBlank(command[at], engine) && command[at] != '"' &&
                   !StartsComment(command, at)) {
                word += command[at++];
            }
        }
        words.push_back(std::move(word));
    }
}

std::string WordsFrom(const std::vector<std::string>& words, size_t first) {
    std::string joined;
    for (size_t at = first; at < words.size(); ++at) {
        joined += (at > first ? " " : "") + words[at];
    }
    return joined;
}

}  // namespace quillon
