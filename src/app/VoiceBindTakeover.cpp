#include "app/VoiceBindTakeover.h"

#include "app/Program.h"
#include "model/keys/Keypad.h"
#include "model/script/VoiceBinds.h"

namespace quillon {

std::optional<KeyTable> VoiceBindTakeover::Offer(View& view, const GameProfile& game, Engine engine,
                                                 const KeyBindings& bindings, const KeyTable& keys,
                                                 const std::string& folder) {
    if (answered_.count(folder) > 0) {
        return std::nullopt;
    }
    const KeyTable voice = VoiceMessagesOf(game, bindings, engine);
    KeyTable taken = keys;
    std::string said;
    int keysSaying = 0;
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        if (voice.UsedCount(key) == 0) {
            continue;
        }
        std::string messages;
        for (int16_t slot = 0; slot < voice.UsedCount(key); ++slot) {
            const Assignment& message = *voice.At(key, slot);
            messages += (slot > 0 ? " / " : "") + message.Label() +
                        (message.Text().empty() ? "" : " \"" + message.Text() + "\"");
            taken.Append(key, message);
        }
        said += (said.empty() ? "" : ", ") + SpokenKeyName(key) + ": " + messages;
        ++keysSaying;
    }
    if (taken == keys) {
        return std::nullopt;
    }
    const std::string question =
        "Your game says voice messages on " + std::to_string(keysSaying) +
        (keysSaying == 1 ? " key (" : " keys (") + said +
        "). Put them on the keypad?\n\nYes: they become your own messages, which the next export "
        "binds.\nNo: leave them to the game.\nCancel: ask again at the next start.";
    const View::Answer answer = view.AskYesNoCancel(question, kProgramName);
    if (answer == View::Answer::Cancel) {
        return std::nullopt;
    }
    answered_.insert(folder);
    return answer == View::Answer::Yes ? std::optional<KeyTable>(taken) : std::nullopt;
}

}  // namespace quillon
