#include "app/VoiceHearing.h"

#include "app/Messages.h"
#include "model/install/SettingsFile.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

constexpr const char* kTeamSetting = "TeamVoice";
constexpr size_t kLargestSettings = 64 * 1024;

const char* TeamName(Team team) {
    return team == Team::Axis ? "Axis" : "Allies";
}

}  // namespace

std::string ChatNameOf(const Assignment& message) {
    const std::string command = message.Command();
    const size_t start = command.find(' ');
    if (start == std::string::npos) {
        return {};
    }
    const size_t end = command.find_first_of(" ;", start + 1);
    return command.substr(start + 1, end == std::string::npos ? end : end - start - 1);
}

void VoiceHearing::Start(FileSystem& files, const std::string& workingFolder) {
    const Result<std::string> settings =
        files.ReadRegularFile(workingFolder + kSettingsFileName, kLargestSettings);
    team_ = settings.Ok() && SettingValue(settings.Get(), kTeamSetting) == "Axis" ? Team::Axis
                                                                                  : Team::Allies;
    ShowTeam();
}

void VoiceHearing::ChooseTeam(Team team, FileSystem& files, const std::string& workingFolder,
                              const std::string& gameFolder) {
    team_ = team;
    ShowTeam();
    const std::string path = workingFolder + kSettingsFileName;
    const Result<std::string> settings = files.ReadRegularFile(path, kLargestSettings);
    // The folder's line stays as the file gives it; only a file without one gets the folder in
    // use.
    const bool namesFolder = settings.Ok() && ScriptFolderFromSettings(settings.Get()).has_value();
    const std::string below = namesFolder ? SettingsBelowFolder(settings.Get()) : std::string();
    const std::string remembered = WithSetting(below, kTeamSetting, TeamName(team));
    const Status saved =
        namesFolder
            ? WriteFileReplacing(
                  files, path,
                  settings.Get().substr(0, settings.Get().size() - below.size()) + remembered)
            : WriteSettingsFile(files, workingFolder, gameFolder, remembered);
    status_.Note(saved.Ok() ? std::string("Messages are heard in the ") + TeamName(team) + " voice."
                            : std::string("Messages are heard in the ") + TeamName(team) +
                                  " voice, but Quillon could not remember it in \"" +
                                  kSettingsFileName + "\": " + WhySettingsNotWritten(saved) + ".");
}

void VoiceHearing::ShowTeam() {
    view_.SetMenuItemChecked(layout::Command::TeamVoiceAxis, team_ == Team::Axis);
    view_.SetMenuItemChecked(layout::Command::TeamVoiceAllies, team_ == Team::Allies);
}

void VoiceHearing::Forget() {
    voices_.reset();
    nextSound_.clear();
}

const InstalledVoices& VoiceHearing::Voices(const VoicePlace& place) {
    if (!voices_) {
        voices_ = InstalledVoices::Load(place.files, place.folders, place.game, place.engine);
    }
    return *voices_;
}

std::string VoiceHearing::WhyNothing(const std::string& name, const VoicePlace& place) {
    const InstalledVoices& voices = Voices(place);
    const TeamVoices& team = voices.Of(team_);
    const std::string script = VoiceScriptOf(team_);
    if (team.read.Kind() == ErrorKind::Missing) {
        const std::vector<std::string>& unreadable = voices.Data().Unreadable();
        return "Nothing to hear: the game folder's installation has no " + script +
               (unreadable.empty() ? "" : " that Quillon can read; " + unreadable.front()) + ".";
    }
    if (!team.read.Ok()) {
        return "Nothing to hear: " + script + " could not be read: " +
               (team.read.What() == Finding::LargerThanLimit ? "it is too large"
                                                             : team.read.Message()) +
               ".";
    }
    if (team.chats.Find(name) != nullptr) {
        return {};
    }
    return "Nothing to hear: the " + std::string(TeamName(team_)) + " voice chats have no \"" +
           name + "\"" +
           (team.chats.problem.empty()
                ? ""
                : " (the game stops reading " + script + ": " + team.chats.problem + ")") +
           ".";
}

void VoiceHearing::Hear(const std::optional<Assignment>& message, const VoicePlace& place) {
    if (!message) {
        status_.Note("Select a message of the key's list to hear it.");
        return;
    }
    const std::string name = ChatNameOf(*message);
    if (const std::string why = WhyNothing(name, place); !why.empty()) {
        status_.Note(why);
        return;
    }
    const VoiceChat& chat = *Voices(place).Of(team_).chats.Find(name);
    size_t& next = nextSound_[{team_, name}];
    const size_t index = next++ % chat.lines.size();
    const VoiceLine& line = chat.lines[index];
    const std::string text =
        place.engine == Engine::Legacy && !message->Text().empty() ? message->Text() : line.text;
    const std::string which = std::string(TeamName(team_)) + ", " + std::to_string(index + 1) +
                              " of " + std::to_string(chat.lines.size()) + ": " + text;
    if (line.sound.size() > kLongestSoundName) {
        status_.Note(which + " (silent: the game loads no sound of so long a name)");
        return;
    }
    const Result<PcmSound> sound = Voices(place).Sound(line.sound);
    if (!sound.Ok()) {
        status_.Note(which + " (silent: " + line.sound +
                     (sound.Kind() == ErrorKind::Missing ? " is in none of the game's folders)"
                      : sound.What() == Finding::LargerThanLimit ? " is larger than Quillon plays)"
                                                                 : " " + sound.Message() + ")"));
        return;
    }
    const Status played = view_.PlaySound(sound.Get());
    status_.Note(played.Ok() ? which : which + " (silent: " + played.Message() + ")");
}

std::vector<std::string> VoiceHearing::Describe(const std::vector<Assignment>& messages,
                                                const VoicePlace& place, bool mayRead) {
    std::vector<std::string> descriptions(messages.size());
    if (!voices_ && !mayRead) {
        return descriptions;
    }
    const VoiceChats& chats = Voices(place).Of(team_).chats;
    for (size_t k = 0; k < messages.size(); ++k) {
        if (place.engine == Engine::Legacy && !messages[k].Text().empty()) {
            descriptions[k] = messages[k].Text();
        } else if (const VoiceChat* chat = chats.Find(ChatNameOf(messages[k]))) {
            for (const VoiceLine& line : chat->lines) {
                descriptions[k] += (descriptions[k].empty() ? "" : "\n") + line.text;
            }
        }
    }
    return descriptions;
}

}  // namespace quillon
