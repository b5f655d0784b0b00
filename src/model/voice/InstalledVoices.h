#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/voice/GameData.h"
#include "model/voice/VoiceScript.h"
#include "model/voice/WaveSound.h"

namespace quillon {

// The side whose voice a message is heard in: the sender's.
enum class Team { Axis, Allies };

// The script each team's chats come from.
const char* VoiceScriptOf(Team team);

// One team's voice chats as the installation gives them; `read` says why there are none when
// the script could not be read (Missing when no place has it).
struct TeamVoices {
    VoiceChats chats;
    Status read;
};

// The voice chats of an installation, read as its engine reads them when a game starts.
class InstalledVoices {
  public:
    InstalledVoices() = default;
    static InstalledVoices Load(FileSystem& files, const std::vector<std::string>& folders,
                                Game game, Engine engine);

    const TeamVoices& Of(Team team) const { return teams_[static_cast<size_t>(team)]; }
    // A sound the scripts name, read and decoded.
    Result<PcmSound> Sound(const std::string& name) const;
    const GameData& Data() const { return data_; }

  private:
    const EngineRules* rules_ = nullptr;
    GameData data_;
    std::array<TeamVoices, 2> teams_;
};

}  // namespace quillon
