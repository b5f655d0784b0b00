#include "model/script/ScriptGenerator.h"

#include <optional>
#include <utility>

#include "model/script/GameBindings.h"
#include "platform/PathText.h"

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
// to the first when the third is free, even when the second itself is free; the game never runs
// it then.
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

ScriptWritten Failed(std::string message) {
    return {Outcome::Failure(std::move(message)), 0};
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

ScriptWritten WriteConsoleScript(FileSystem& files, const KeyTable& table,
                                 const std::string& workingFolder, const std::string& scriptFolder,
                                 const std::set<int16_t>& keysLeft) {
    FileRead read = files.ReadRegularFile(workingFolder + kTemplateFileName, kLargestScript);
    const std::string templateFolder = "\"" + PathForMessage(workingFolder) + "\"";
    if (read.status == FileRead::Status::Missing) {
        return Failed("The template \"" + std::string(kTemplateFileName) +
                      "\" could not be read in " + templateFolder +
                      ".\nPut the template there and export again; your " +
                      "assignments are kept.");
    }
    if (read.status == FileRead::Status::Refused) {
        return Failed("The template \"" + std::string(kTemplateFileName) + "\" in " +
                      templateFolder + " cannot be used: " + read.reason +
                      ".\nPut a text file of that name there and export again; your " +
                      "assignments are kept.");
    }
    if (scriptFolder.empty() || !files.IsFolder(scriptFolder)) {
        return Failed(
            "The game folder \"" + PathForMessage(scriptFolder) + "\" does not exist.\nCheck the " +
            "game installation, or delete \"qm.cfg\" and start Quillon again to search for it; " +
            "your assignments are kept until you close Quillon.");
    }
    std::string script = WithoutBindsOf(read.content, keysLeft);
    script += GenerateScriptBody(table);
    if (script.size() > kLargestScript) {
        return Failed("The template \"" + std::string(kTemplateFileName) + "\" in " +
                      templateFolder + " is too large: the script would be " +
                      std::to_string(script.size()) + " bytes, more than Quillon reads back (" +
                      std::to_string(kLargestScript) + ").\nShorten the template and export " +
                      "again; your assignments are kept.");
    }
    const std::string destination = scriptFolder + kScriptFileName;
    if (const Outcome written = WriteFileReplacing(files, destination, script);
        !written.Succeeded()) {
        return {written.Saying("The script \"" + PathForMessage(destination) +
                               "\" could not be written: " + written.Message() +
                               ".\nCheck that the game folder can be written to, then export "
                               "again; your assignments are kept."),
                0};
    }
    return {Outcome::Success(), script.size()};
}

std::string ScriptSizeWarning(const GameProfile& game, size_t size) {
    // The engine takes the file with one byte more: a script of the limit itself is refused.
    if (size < game.scriptLimit) {
        return {};
    }
    return "The script is " + std::to_string(size) + " bytes long. " + game.name +
           " runs no script of " + std::to_string(game.scriptLimit) + " bytes or more: \"/" +
           kRunScriptLine + "\" would run none of it.\nShorten the template \"" +
           kTemplateFileName + "\"" + game.scriptLimitNote + ".";
}

}  // namespace quillon
