#include "model/script/ScriptReader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <set>

#include "model/script/ConsoleCommands.h"
#include "platform/TextCase.h"

namespace quillon {
namespace {

// One of the variables the script sets for a key: a slot 1..3, or the pointer (slot 0).
struct KeyVariable {
    int key = 0;
    int slot = 0;
};
constexpr int kPointer = 0;

// The decimal number at the start of `text`, as the game writes it (no leading zero), and where
// it ends; nothing when there is none.
std::optional<int> LeadingNumber(const std::string& text, size_t& end) {
    end = 0;
    while (end < text.size() && end < 3 && std::isdigit(static_cast<unsigned char>(text[end]))) {
        ++end;
    }
    if (end == 0 || (end > 1 && text[0] == '0')) {
        return std::nullopt;
    }
    return std::stoi(text.substr(0, end));
}

// The key and slot of a variable name "tryKbS" or "tryKbb", in any letter case.
std::optional<KeyVariable> VariableOf(const std::string& name) {
    if (name.size() < 6 || !SameIgnoringCase(name.substr(0, 3), "try")) {
        return std::nullopt;
    }
    const std::string rest = name.substr(3);
    size_t end = 0;
    const std::optional<int> key = LeadingNumber(rest, end);
    if (!key || *key < kFirstAssignableKey || *key > kLastKey || rest.size() != end + 2 ||
        std::tolower(static_cast<unsigned char>(rest[end])) != 'b') {
        return std::nullopt;
    }
    const char slot = static_cast<char>(std::tolower(static_cast<unsigned char>(rest[end + 1])));
    if (slot == 'b') {
        return KeyVariable{*key, kPointer};
    }
    if (slot < '1' || slot >= '1' + kSlotsPerKey) {
        return std::nullopt;
    }
    return KeyVariable{*key, slot - '0'};
}

bool IsSetCommand(const std::string& word) {
    for (const char* set : {"set", "seta", "sets", "setu"}) {
        if (SameIgnoringCase(word, set)) {
            return true;
        }
    }
    return false;
}

// Whether the words point the key's pointer at one of its slots: "vstr tryKbN".
bool PointsAtASlot(const std::vector<std::string>& words, size_t first, int key) {
    if (words.size() != first + 2 || !SameIgnoringCase(words[first], "vstr")) {
        return false;
    }
    const std::optional<KeyVariable> target = VariableOf(words[first + 1]);
    return target && target->key == key && target->slot != kPointer;
}

// What a slot's value says: at most one known voice message, with any words after its name as its
// text, then at most the cycle part that points the key's pointer at a slot, in any spacing.
// Nothing when it says anything else; an empty slot is an empty assignment.
std::optional<std::optional<Assignment>> SlotValue(const GameProfile& game,
                                                   const std::string& value, int key,
                                                   Engine engine) {
    std::optional<Assignment> said;
    bool spoke = false;
    bool cycled = false;
    for (const std::string& command : CommandsOf(value, engine)) {
        const std::vector<std::string> words = WordsOf(command, engine);
        const bool voice =
            SameIgnoringCase(words[0], "vsay") || SameIgnoringCase(words[0], "vsay_team");
        if (voice && !spoke && !cycled) {
            said = words.size() >= 2 ? AssignmentSaying(game, words[0] + " " + words[1])
                                     : std::nullopt;
            if (!said) {
                return std::nullopt;
            }
            // The words after the name, as the game joins them: the player's own text.
            said = said->WithText(WordsFrom(words, 2));
            spoke = true;
        } else if (!cycled && words.size() >= 2 && IsSetCommand(words[0]) && VariableOf(words[1]) &&
                   VariableOf(words[1])->key == key && VariableOf(words[1])->slot == kPointer &&
                   PointsAtASlot(words, 2, key)) {
            cycled = true;
        } else {
            return std::nullopt;
        }
    }
    return said;
}

void NotUnderstood(RestoredKeys& restored, const std::string& command) {
    if (restored.linesNotUnderstood++ == 0) {
        restored.firstNotUnderstood = command;
    }
}

}  // namespace

std::optional<Assignment> AssignmentSaying(const GameProfile& game, const std::string& command) {
    for (const MenuEntry& entry : game.menu) {
        if (IsMessage(entry) && SameIgnoringCase(command, entry.action)) {
            return Assignment(entry);
        }
    }
    for (const PlayerClass& playerClass : game.classes) {
        const std::string known(playerClass.command);  // ends in ";"
        if (SameIgnoringCase(command, known.substr(0, known.size() - 1))) {
            return Assignment(playerClass);
        }
    }
    return std::nullopt;
}

RestoredKeys ReadScriptAssignments(const GameProfile& game, const std::string& script,
                                   const std::string& templateText, Engine engine) {
    const std::vector<std::string> templateCommands = CommandsOf(templateText, engine);
    const std::set<std::string> ofTheTemplate(templateCommands.begin(), templateCommands.end());
    // Slot by slot as the file sets them; a slot set twice keeps the later, as in the game.
    std::array<std::array<std::optional<Assignment>, kSlotsPerKey>, kKeyCount> slots{};
    RestoredKeys restored;
    for (const std::string& command : CommandsOf(script, engine)) {
        const std::vector<std::string> words = WordsOf(command, engine);
        const std::optional<KeyVariable> variable =
            words.size() >= 2 && IsSetCommand(words[0]) ? VariableOf(words[1]) : std::nullopt;
        if (!variable) {
            continue;  // not one of ours
        }
        const std::string value = WordsFrom(words, 2);
        if (variable->slot == kPointer) {
            if (!PointsAtASlot(WordsOf(value, engine), 0, variable->key) &&
                ofTheTemplate.count(command) == 0) {
                NotUnderstood(restored, command);
            }
        } else if (const auto said = words.size() > 2
                                         ? SlotValue(game, value, variable->key, engine)
                                         : std::nullopt) {
            slots[variable->key][variable->slot - 1] = *said;
        } else if (ofTheTemplate.count(command) == 0) {
            NotUnderstood(restored, command);
        }
    }
    // The console reads no further than a NUL byte: a key's message after one is lost to the game.
    if (const size_t nul = script.find('\0'); nul != std::string::npos) {
        std::string unread = script.substr(nul + 1);
        std::replace(unread.begin(), unread.end(), '\0', '\n');
        for (const std::string& command : CommandsOf(unread, engine)) {
            const std::vector<std::string> words = WordsOf(command, engine);
            if (words.size() >= 2 && IsSetCommand(words[0]) && VariableOf(words[1])) {
                NotUnderstood(restored, command);
            }
        }
    }
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        for (const std::optional<Assignment>& slot : slots[key]) {
            if (slot) {
                restored.table.Append(key, *slot);
            }
        }
        restored.keysRestored += restored.table.UsedCount(key) > 0 ? 1 : 0;
    }
    return restored;
}

}  // namespace quillon
