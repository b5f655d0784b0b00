#include "model/script/GameBindings.h"

#include <algorithm>

#include "model/script/CommandEdit.h"
#include "model/script/ConsoleCommands.h"
#include "platform/TextCase.h"

namespace quillon {
namespace {

// The key 1..22 of a console key name in any letter case; 0 for any other name.
int16_t KeyNamed(const std::string& name) {
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        if (SameIgnoringCase(name, kKeys[key].bindName)) {
            return key;
        }
    }
    return 0;
}

// The key that a command, in words, binds to something; 0 when it binds none of the keys.
int16_t KeyBoundBy(const std::vector<std::string>& words) {
    return words.size() >= 3 && SameIgnoringCase(words[0], "bind") ? KeyNamed(words[1]) : 0;
}

// Whether the name is that of one of Quillon's pointers, "tryNbb" for a key N, in any letter
// case.
bool IsPointer(const std::string& name) {
    if (name.size() < 6 || !SameIgnoringCase(name.substr(0, 3), "try") ||
        !SameIgnoringCase(name.substr(name.size() - 2), "bb")) {
        return false;
    }
    const std::string number = name.substr(3, name.size() - 5);
    if (number.empty() || number.size() > 2 || number[0] == '0' ||
        number.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    const int key = std::stoi(number);
    return key >= kFirstAssignableKey && key <= kLastKey;
}

// Whether the text from `start` to `end` holds "bind" in any letter case.
bool HoldsBind(const std::string& text, size_t start, size_t end) {
    for (size_t at = start; at + 4 <= end; ++at) {
        if ((text[at] | 0x20) == 'b' && (text[at + 1] | 0x20) == 'i' &&
            (text[at + 2] | 0x20) == 'n' && (text[at + 3] | 0x20) == 'd') {
            return true;
        }
    }
    return false;
}

// Runs a command of a configuration on the binds, when it binds or unbinds.
void Run(const std::string& command, KeyBindings& bindings, Engine engine) {
    const std::vector<std::string> words = WordsOf(command, engine);
    if (words.empty()) {
        return;
    }
    if (SameIgnoringCase(words[0], "unbindall")) {
        bindings = KeyBindings();
    } else if (words.size() == 2 && SameIgnoringCase(words[0], "unbind")) {
        bindings[KeyNamed(words[1])].clear();
    } else if (const int16_t key = KeyBoundBy(words); key != 0) {
        bindings[key] = WordsFrom(words, 2);
    }
}

}  // namespace

KeyBindings DefaultBindings(const GameProfile& game) {
    KeyBindings bindings;
    for (const GameBinding& binding : game.defaultBindings) {
        bindings.at(static_cast<size_t>(KeyNamed(binding.key))) = binding.command;
    }
    return bindings;
}

KeyBindings ReadBindings(const std::string& configuration, KeyBindings before, Engine engine) {
    KeyBindings bindings = std::move(before);
    // A command line without "bind" in any letter case binds nothing, and most of a
    // configuration is variables.
    for (const CommandLine& line : CommandLinesOf(configuration, engine)) {
        if (HoldsBind(configuration, line.at, line.at + line.size)) {
            Run(configuration.substr(line.at, line.size), bindings, engine);
        }
    }
    bindings[0].clear();  // no key of ours
    return bindings;
}

std::optional<std::string> ProfileNameIn(const std::string& defaultProfile) {
    const std::vector<std::string> commands = CommandsOf(defaultProfile);
    const std::vector<std::string> words =
        commands.empty() ? std::vector<std::string>() : WordsOf(commands.front());
    if (words.empty() || words[0].empty()) {
        return std::nullopt;
    }
    if (words[0] == "." || words[0] == ".." ||
        words[0].find_first_of("/\\:") != std::string::npos) {
        return std::string();
    }
    return words[0];
}

KeyBindings GamesOwn(const KeyBindings& bindings) {
    KeyBindings own = bindings;
    for (std::string& command : own) {
        const std::vector<std::string> words = WordsOf(command);
        if (words.size() == 2 && SameIgnoringCase(words[0], "vstr") && IsPointer(words[1])) {
            command.clear();
        }
    }
    return own;
}

std::string GameCommandInWords(const GameProfile& game, const std::string& command) {
    const std::string spaced = WordsFrom(WordsOf(command), 0);
    for (const KnownCommand& known : game.knownCommands) {
        if (SameIgnoringCase(spaced, known.command)) {
            return known.words;
        }
    }
    return command;
}

std::set<int16_t> KeysBoundBy(const std::string& templateText, Engine engine) {
    std::set<int16_t> keys;
    for (const std::string& command : CommandsOf(templateText, engine)) {
        if (const int16_t key = KeyBoundBy(WordsOf(command, engine)); key != 0) {
            keys.insert(key);
        }
    }
    return keys;
}

std::string WithoutBindsOf(const std::string& templateText, const std::set<int16_t>& keys,
                           Engine engine) {
    if (keys.empty()) {
        return templateText;
    }
    return WithoutCommands(
        templateText,
        [&](const std::string& command) {
            const int16_t key = KeyBoundBy(WordsOf(command, engine));
            return key != 0 && keys.count(key) > 0;
        },
        engine);
}

}  // namespace quillon
