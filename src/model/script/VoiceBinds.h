#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/game/GameProfile.h"
#include "model/keys/KeyTable.h"
#include "model/menu/Assignment.h"
#include "model/script/GameBindings.h"

namespace quillon {

// What a key's bind in the game says in voice messages, and what it does besides.
struct VoiceBind {
    std::vector<Assignment> messages;  // in the order the bind says them, up to a key's slots
    std::string rest;                  // its other commands, ";" between them
};

// Reads a bound command as the console runs it: each of its commands ("vsay" or "vsay_team" in
// any letter case) that says a message of the game's menu or a class announcement is one of the
// messages, the words after the message's name its text, until the key's slots are full; every
// other command, another game's messages among them, is part of the rest.
VoiceBind VoiceBindOf(const GameProfile& game, const std::string& command,
                      Engine engine = Engine::Original);

// The voice messages that the binds say on each key, as a key table.
KeyTable VoiceMessagesOf(const GameProfile& game, const KeyBindings& bindings,
                         Engine engine = Engine::Original);

// What the game's bind of a key does that its messages on the keypad do not: the bind's rest when
// the key holds every voice message of the bind (texts aside), else the whole command.
std::string GameCommandBesides(const GameProfile& game, const std::string& command,
                               const KeyTable& table, int16_t key,
                               Engine engine = Engine::Original);

}  // namespace quillon
