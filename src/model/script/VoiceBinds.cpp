#include "model/script/VoiceBinds.h"

#include <algorithm>

#include "model/script/ConsoleCommands.h"
#include "model/script/ScriptReader.h"
#include "platform/TextCase.h"

namespace quillon {

VoiceBind VoiceBindOf(const GameProfile& game, const std::string& command, Engine engine) {
    VoiceBind bind;
    for (const std::string& part : CommandsOf(command, engine)) {
        const std::vector<std::string> words = WordsOf(part, engine);
        const bool voice = words.size() >= 2 && (SameIgnoringCase(words[0], "vsay") ||
                                                 SameIgnoringCase(words[0], "vsay_team"));
        const std::optional<Assignment> said =
            voice ? AssignmentSaying(game, words[0] + " " + words[1]) : std::nullopt;
        if (said && bind.messages.size() < static_cast<size_t>(kSlotsPerKey)) {
            bind.messages.push_back(said->WithText(WordsFrom(words, 2)));
        } else {
            bind.rest += (bind.rest.empty() ? "" : ";") + WordsFrom(WordsOf(part, engine), 0);
        }
    }
    return bind;
}

KeyTable VoiceMessagesOf(const GameProfile& game, const KeyBindings& bindings, Engine engine) {
    KeyTable table;
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        for (const Assignment& message : VoiceBindOf(game, bindings[key], engine).messages) {
            table.Append(key, message);
        }
    }
    return table;
}

std::string GameCommandBesides(const GameProfile& game, const std::string& command,
                               const KeyTable& table, int16_t key, Engine engine) {
    const VoiceBind bind = VoiceBindOf(game, command, engine);
    const auto held = [&](const Assignment& message) {
        for (int16_t slot = 0; slot < table.UsedCount(key); ++slot) {
            if (table.At(key, slot)->WithText({}) == message.WithText({})) {
                return true;
            }
        }
        return false;
    };
    const bool allHeld =
        !bind.messages.empty() && std::all_of(bind.messages.begin(), bind.messages.end(), held);
    return allHeld ? bind.rest : command;
}

}  // namespace quillon
