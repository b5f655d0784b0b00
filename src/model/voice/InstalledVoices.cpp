#include "model/voice/InstalledVoices.h"

namespace quillon {

const char* VoiceScriptOf(Team team) {
    return team == Team::Axis ? "scripts/wm_axis_chat.voice" : "scripts/wm_allies_chat.voice";
}

InstalledVoices InstalledVoices::Load(FileSystem& files, const std::vector<std::string>& folders,
                                      Game game, Engine engine) {
    InstalledVoices voices;
    voices.rules_ = &RulesOf(game, engine);
    voices.data_ = GameData::Index(files, folders, *voices.rules_);
    for (const Team team : {Team::Axis, Team::Allies}) {
        TeamVoices& read = voices.teams_[static_cast<size_t>(team)];
        // A script over the game's limit is read whole, so that the limit is what is told.
        Result<std::string> script =
            voices.data_.Read(VoiceScriptOf(team), voices.rules_->largestVoiceScript + 1);
        read.read = script;
        if (script.Ok()) {
            read.chats = ParseVoiceChats(script.Get(), *voices.rules_);
        }
    }
    return voices;
}

Result<PcmSound> InstalledVoices::Sound(const std::string& name) const {
    if (rules_ == nullptr) {
        return NothingRead();
    }
    Result<std::string> bytes = data_.Read(name, kLargestSound);
    if (!bytes.Ok()) {
        return Status(bytes);
    }
    return ReadWave(bytes.Get(), *rules_);
}

}  // namespace quillon
