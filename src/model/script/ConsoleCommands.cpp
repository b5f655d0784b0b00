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

// The text's length as the console reads it: up to its first NUL.
size_t ReadLength(const std::string& text) {
    return std::min(text.find('\0'), text.size());
}

constexpr size_t kLongestCommandLine = 1023;

struct Cut {
    std::vector<CommandLine> lines;
    bool openComment = false;
};

// The command buffer's cutting, byte by byte as the engine does it. A double quote counts even
// inside ET: Legacy's comments, and an odd count hides their ends, as in the game.
Cut CutIntoLines(const std::string& script, Engine engine) {
    const size_t length = ReadLength(script);
    const bool comments = engine == Engine::Legacy;
    Cut cut;
    bool star = false;
    bool slash = false;
    for (size_t start = 0; start < length;) {
        int quotes = 0;
        size_t at = start;
        for (; at < length; ++at) {
            const char c = script[at];
            quotes += c == '"' ? 1 : 0;
            const bool quoted = (quotes & 1) != 0;
            if (comments && !quoted && at + 1 < length) {
                const char next = script[at + 1];
                if (!star && c == '/' && next == '/') {
                    slash = true;
                } else if (!slash && c == '/' && next == '*') {
                    star = true;
                } else if (star && c == '*' && next == '/') {
                    star = false;
                    ++at;  // the "/" ends the line, and is no part of it
                    break;
                }
            }
            if (!quoted && !slash && !star && c == ';') {
                break;
            }
            if (!star && (c == '\n' || c == '\r')) {
                slash = false;
                break;
            }
        }
        // A longer command line is cut at 1,023 bytes; the byte after them is lost, and the rest
        // is the next command line.
        at = std::min(at, start + kLongestCommandLine);
        cut.lines.push_back({start, at - start});
        start = at + 1;
    }
    cut.openComment = star;
    return cut;
}

struct Word {
    std::string text;
    size_t at;
    size_t end;
};

std::vector<Word> WordsIn(const std::string& line, Engine engine) {
    const size_t length = ReadLength(line);
    // ET: Legacy lets "http://" be a word: "//" after ":" starts no comment.
    const auto lineComment = [&](size_t at) {
        return at + 1 < length && line[at] == '/' && line[at + 1] == '/' &&
               (engine == Engine::Original || at == 0 || line[at - 1] != ':');
    };
    const auto blockComment = [&](size_t at) {
        return at + 1 < length && line[at] == '/' && line[at + 1] == '*';
    };
    std::vector<Word> words;
    size_t at = 0;
    while (true) {
        while (true) {
            while (at < length && IsBlank(line[at], engine)) {
                ++at;
            }
            if (at >= length || lineComment(at)) {
                return words;
            }
            if (!blockComment(at)) {
                break;
            }
            const size_t close = line.find("*/", at + 1);
            if (close == std::string::npos || close + 2 > length) {
                return words;
            }
            at = close + 2;
        }
        Word word{{}, at, at};
        if (line[at] == '"') {
            const size_t close = std::min(line.find('"', at + 1), length);
            word.text = line.substr(at + 1, close - at - 1);
            at = std::min(close + 1, length);
        } else {
            while (at < length && !IsBlank(line[at], engine) && line[at] != '"' &&
                   !lineComment(at) && !blockComment(at)) {
                ++at;
            }
            word.text = line.substr(word.at, at - word.at);
        }
        word.end = at;
        words.push_back(std::move(word));
    }
}

}  // namespace

std::vector<CommandLine> CommandLinesOf(const std::string& script, Engine engine) {
    return CutIntoLines(script, engine).lines;
}

std::vector<std::string> CommandsOf(const std::string& script, Engine engine) {
    std::vector<std::string> commands;
    for (const CommandLine& line : CommandLinesOf(script, engine)) {
        std::string command = script.substr(line.at, line.size);
        if (!WordsIn(command, engine).empty()) {
            commands.push_back(std::move(command));
        }
    }
    return commands;
}

std::vector<std::string> WordsOf(const std::string& command, Engine engine) {
    std::vector<std::string> words;
    for (Word& word : WordsIn(command, engine)) {
        words.push_back(std::move(word.text));
    }
    return words;
}

CommandLine WordsExtentOf(const std::string& command, Engine engine) {
    const std::vector<Word> words = WordsIn(command, engine);
    return words.empty() ? CommandLine{0, 0}
                         : CommandLine{words.front().at, words.back().end - words.front().at};
}

bool EndsInOpenComment(const std::string& script, Engine engine) {
    return CutIntoLines(script, engine).openComment;
}

std::string WordsFrom(const std::vector<std::string>& words, size_t first) {
    std::string joined;
    for (size_t at = first; at < words.size(); ++at) {
        joined += (at > first ? " " : "") + words[at];
    }
    return joined;
}

}  // namespace quillon
