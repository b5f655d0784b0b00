#include "model/script/ScriptGenerator.h"

#include <optional>

#include "model/script/GameBindings.h"

namespace quillon {
namespace {

constexpr const char* kLineEnd = "\r\n";

std::string CommandPart(const std::optional<Assignment>& slot) {
    return slot ? slot->Command() : ";";
}

// The script's variable of a key's slot: the script counts them from 1 (try5b1 to try5b3).
std::string SlotVariable(const std::string& prefix, int16_t slot) {
    return prefix + std::to_string(slot + 1);
}

// The slot to point at after `slot` has spoken, or nothing. The second slot always points back
// to the first when the third is free, even when the second itself is free (the game never runs
// it then), kept as players' scripts have it.
std::optional<int16_t> NextSlot(const KeyTable& table, int16_t key, int16_t slot) {
    const bool nextUsed = table.IsUsed(key, static_cast<int16_t>(slot + 1));
    switch (slot) {
        case 0:
            return nextUsed ? std::optional<int16_t>(1) : std::nullopt;
        case 1:
            return static_cast<int16_t>(nextUsed ? 2 : 0);
        default:
            return table.IsUsed(key, slot) ? std::optional<int16_t>(0) : std::nullopt;
    }
}

}  // namespace

std::string GenerateScriptBody(const KeyTable& table) {
    std::string body;
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        const std::string prefix = "try" + std::to_string(key) + "b";
        body += kLineEnd;
        for (int16_t slot = 0; slot < kSlotsPerKey; ++slot) {
            body += "set " + SlotVariable(prefix, slot) + "  \"" + CommandPart(table.At(key, slot));
            if (const std::optional<int16_t> next = NextSlot(table, key, slot)) {
                body += "set " + prefix + "b vstr " + SlotVariable(prefix, *next);
            }
            body += std::string("\"") + kLineEnd;
        }
        if (table.IsUsed(key, 0)) {
            body += "set " + prefix + "b \"vstr " + SlotVariable(prefix, 0) + "\"" + kLineEnd;
        }
    }
    return body;
}

std::string ConsoleScript(const std::string& templateText, const KeyTable& table,
                          const std::set<int16_t>& keysLeft, Engine engine) {
    return WithoutBindsOf(templateText, keysLeft, engine) + GenerateScriptBody(table);
}

}  // namespace quillon
