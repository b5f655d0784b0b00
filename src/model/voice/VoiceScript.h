#pragma once

#include <string>
#include <vector>

#include "model/voice/EngineRules.h"

namespace quillon {

// One variant of a voice chat: its sound file and the line the team reads.
struct VoiceLine {
    std::string sound;
    std::string text;
};

struct VoiceChat {
    std::string name;
    std::vector<VoiceLine> lines;
};

// The chats of one .voice script, as the game reads it; `problem` says why the game stopped
// reading early or read nothing (empty when it read to the end).
struct VoiceChats {
    std::vector<VoiceChat> chats;
    std::string problem;

    // The first chat of that name, letter case ignored, as the game picks it; none when no chat
    // has it.
    const VoiceChat* Find(const std::string& name) const;
};

// The longest name of a chat, text of a line, and sound name that the games keep (in bytes).
constexpr size_t kLongestChatName = 63;
constexpr size_t kLongestChatText = 63;
constexpr size_t kLongestSoundName = 63;

// Reads a .voice script: a gender word, then blocks "NAME { SOUND TEXT [SPRITE] ... }", by the
// engine's tokenizer and limits.
VoiceChats ParseVoiceChats(const std::string& script, const EngineRules& rules);

}  // namespace quillon
