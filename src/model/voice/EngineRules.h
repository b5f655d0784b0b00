#pragma once

#include <cstddef>

#include "model/game/GameProfile.h"

namespace quillon {

// How each engine finds and reads the voice chats' files: its file system, its reading of the
// .voice scripts and of WAV sounds.
struct EngineRules {
    // The first game's pk3 names: "mp_" sorts as "zz_", "sp_" pks are not loaded, and a pk3
    // really named "zz_" fails to load.
    bool multiplayerPakNames;
    // Files beside the archives count, before every archive; otherwise the pure server that a
    // game runs, online and off, reads voices from archives alone.
    bool looseFilesFirst;
    size_t largestVoiceScript;  // bytes; a larger script gives no chats
    size_t mostChats;
    size_t mostSounds;      // per chat; reaching it loses the rest of the file
    bool quoteEscapes;      // \" inside quotes
    bool cutsLongWords;     // a word of kLongestWord bytes or more is cut; else it ends the file
    bool checksWaveFormat;  // the WAV's format tag must say PCM
    bool playsStereo;
};

const EngineRules& RulesOf(Game game, Engine engine);

}  // namespace quillon
