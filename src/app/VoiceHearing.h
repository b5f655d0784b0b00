#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/StatusLine.h"
#include "app/View.h"
#include "model/menu/Assignment.h"
#include "model/voice/InstalledVoices.h"
#include "platform/FileSystem.h"

namespace quillon {

// Where the voices of the game folder in use are: the folders its engine searches, first first.
struct VoicePlace {
    FileSystem& files;
    std::vector<std::string> folders;
    Game game;
    Engine engine;
};

// Hearing a message before the team does: its sound in the chosen team's voice, and the chat
// lines the team reads. The installation's voices are read at the first need, never at start-up,
// and forgotten when the game folder changes; only the sound being played is held decoded.
class VoiceHearing {
  public:
    // What it hears is played by the view and said on the status line.
    VoiceHearing(View& view, StatusLine& status) : view_(view), status_(status) {}

    // Takes the team the settings file of the working folder remembers, Allies when it names
    // none, and checks it in the menu.
    void Start(FileSystem& files, const std::string& workingFolder);
    Team ChosenTeam() const { return team_; }
    // The team whose voice is heard from now on, checked in the menu and remembered in the
    // settings file below the game folder's line (`gameFolder` where it has none); the status
    // line says when it could not be.
    void ChooseTeam(Team team, FileSystem& files, const std::string& workingFolder,
                    const std::string& gameFolder);

    void Forget();

    // Plays the message, the next of its sounds at each press, and says which one on the status
    // line, or why there is nothing to hear.
    void Hear(const std::optional<Assignment>& message, const VoicePlace& place);

    // What the team reads of each message: its chat lines in the chosen team's voice, one a line
    // (the player's own text where the game shows it instead); empty when the voices are not
    // read yet and `mayRead` is false, or the message has none.
    std::vector<std::string> Describe(const std::vector<Assignment>& messages,
                                      const VoicePlace& place, bool mayRead);

  private:
    const InstalledVoices& Voices(const VoicePlace& place);
    // Why the team's voice chats give nothing to hear of `name`; empty when they give it.
    std::string WhyNothing(const std::string& name, const VoicePlace& place);

    void ShowTeam();

    View& view_;
    StatusLine& status_;
    Team team_ = Team::Allies;
    std::optional<InstalledVoices> voices_;
    std::map<std::pair<Team, std::string>, size_t> nextSound_;
};

// The name of the voice chat a message sends ("Medic" of "vsay_team Medic;").
std::string ChatNameOf(const Assignment& message);

}  // namespace quillon
