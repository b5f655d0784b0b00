#include "model/script/ScriptReader.h"

#include <array>
#include <cctype>
#include <optional>

#include "platform/TextCase.h"

namespace quillon {
namespace {

constexpr const char* kAliasStart = "set try";

std::optional<Assignment> AssignmentForCommand(const std::string& command) {
    for (const VoiceMessage& message : kVoiceMessages) {
        if (SameIgnoringCase(command, message.command)) {
            return Assignment(message);
        }
    }
    for (const PlayerClass& playerClass : kPlayerClasses) {
        const std::string known(playerClass.command);  // ends in ";"
        if (SameIgnoringCase(command, known.substr(0, known.size() - 1))) {
            return Assignment(playerClass);
        }
    }
    return std::nullopt;
}

// Reads a decimal number of one or two digits at `at`, advancing past it; 0 when there is none.
int ReadNumber(const std::string& text, size_t& at) {
    int number = 0;
    int digits = 0;
    while (at < text.size() && digits < 3 && std::isdigit(static_cast<unsigned char>(text[at]))) {
        number = number * 10 + (text[at] - '0');
        ++at;
        ++digits;
    }
    return digits == 0 || digits > 2 || (digits == 2 && text[at - 2] == '0') ? 0 : number;
}

enum class LineKind { Other, Slot, Pointer, NotUnderstood };

struct SlotLine {
    int key = 0;
    int slot = 0;
    std::optional<Assignment> assignment;  // nothing for an empty slot
};

// One line of the script: a slot alias, a pointer alias, something else of ours that says
// nothing known, or a line that is not ours at all.
LineKind ReadLine(const std::string& line, SlotLine& read) {
    if (line.compare(0, 7, kAliasStart) != 0) {
        return LineKind::Other;
    }
    size_t at = 7;
    const int key = ReadNumber(line, at);
    if (key < kFirstAssignableKey || key > kLastKey || at >= line.size() || line[at] != 'b') {
        return LineKind::NotUnderstood;
    }
    const std::string k = std::to_string(key);
    ++at;
    if (line.compare(at, std::string::npos, "b \"vstr try" + k + "b1\"") == 0) {
        return LineKind::Pointer;
    }
    const int slot = ReadNumber(line, at);
    if (slot < 1 || slot > kSlotsPerKey || line.compare(at, 3, "  \"") != 0 || line.back() != '"' ||
        line.size() < at + 4) {
        return LineKind::NotUnderstood;
    }
    std::string content = line.substr(at + 3, line.size() - at - 4);
    // The cycle part: "set tryKbb vstr tryKbN" after the command part.
    const std::string cyclePrefix = "set try" + k + "bb vstr try" + k + "b";
    const size_t cycle = content.rfind(cyclePrefix);
    if (cycle != std::string::npos && content.size() == cycle + cyclePrefix.size() + 1 &&
        content.back() >= '1' && content.back() <= '3') {
        content.resize(cycle);
    }
    if (content.empty() || content.back() != ';') {
        return LineKind::NotUnderstood;
    }
    content.pop_back();
    read.key = key;
    read.slot = slot;
    if (content.empty()) {
        read.assignment.reset();
        return LineKind::Slot;
    }
    read.assignment = AssignmentForCommand(content);
    return read.assignment ? LineKind::Slot : LineKind::NotUnderstood;
}

}  // namespace

RestoredKeys ReadScriptAssignments(const std::string& script) {
    // Slot by slot as the file sets them; a slot set twice keeps the later, as in the game.
    std::array<std::array<std::optional<Assignment>, kSlotsPerKey>, kKeyCount> slots{};
    RestoredKeys restored;
    size_t start = 0;
    while (start < script.size()) {
        size_t end = script.find('\n', start);
        if (end == std::string::npos) {
            end = script.size();
        }
        std::string line = script.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        SlotLine read;
        switch (ReadLine(line, read)) {
            case LineKind::Slot:
                slots[read.key][read.slot - 1] = read.assignment;
                break;
            case LineKind::NotUnderstood:
                ++restored.linesNotUnderstood;
                break;
            case LineKind::Pointer:
            case LineKind::Other:
                break;
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
