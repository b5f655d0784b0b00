#include "export/ScriptGenerator.h"

#include "export/ConsoleVocabulary.h"
#include "platform/Files.h"

namespace quillon {
namespace {

constexpr const char* kLineEnd = "\r\n";

std::string CommandPart(const Slot& slot) {
    if (slot.page == 1) {
        // A class slot always holds a class letter; should anything else reach here, the slot
        // still says nothing and keeps its quotes balanced.
        const std::string command = ClassCommand(slot.line);
        return command.empty() ? ";" : command;
    }
    return VsayCommand(slot.page, slot.line) + ";";
}

// The slot to point at after slot `slot` has spoken, or 0 for none. Slot 2 always points back
// to slot 1 when slot 3 is free, even when slot 2 itself is free; the game never runs it then.
int NextSlot(const KeyTable& table, int16_t key, int16_t slot) {
    const bool nextUsed = table.At(key, static_cast<int16_t>(slot + 1)).IsUsed();
    switch (slot) {
        case 1:
            return nextUsed ? 2 : 0;
        case 2:
            return nextUsed ? 3 : 1;
        default:
            return table.At(key, slot).IsUsed() ? 1 : 0;
    }
}

}  // namespace

std::string GenerateScriptBody(const KeyTable& table) {
    std::string body;
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        const std::string prefix = "try" + std::to_string(key) + "b";
        body += kLineEnd;
        for (int16_t slot = 1; slot <= kSlotsPerKey; ++slot) {
            body +=
                "set " + prefix + std::to_string(slot) + "  \"" + CommandPart(table.At(key, slot));
            if (const int next = NextSlot(table, key, slot); next != 0) {
                body += "set " + prefix + "b vstr " + prefix + std::to_string(next);
            }
            body += std::string("\"") + kLineEnd;
        }
        if (table.At(key, 1).IsUsed()) {
            body += "set " + prefix + "b \"vstr " + prefix + "1\"" + kLineEnd;
        }
    }
    return body;
}

std::string WriteConsoleScript(const KeyTable& table, const std::string& gamePath) {
    std::string script;
    if (!ReadWholeFile(kTemplateFileName, script)) {
        return "The template \"" + std::string(kTemplateFileName) + "\" could not be read in " +
               CurrentFolderText() + ".\nPut the template there and export again; your " +
               "assignments are kept.";
    }
    if (gamePath.empty() || !IsFolder(gamePath)) {
        return "The game folder \"" + gamePath + "\" does not exist.\nCheck the game " +
               "installation, or delete \"qm.cfg\" and start Quillon again to search for it; " +
               "your assignments are kept until you close Quillon.";
    }
    script += GenerateScriptBody(table);
    const std::string destination = gamePath + kScriptFileName;
    const std::string failure = WriteFileReplacing(destination, script);
    if (!failure.empty()) {
        return "The script \"" + destination + "\" could not be written: " + failure +
               ".\nCheck that the game folder can be written to, then export again; your " +
               "assignments are kept.";
    }
    return {};
}

}  // namespace quillon
