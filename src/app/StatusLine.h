#pragma once

#include <cstdint>
#include <string>

#include "app/View.h"
#include "model/game/GameProfile.h"

namespace quillon {

// The status bar's line: the game and the game folder the window works with, or instead, until
// the player's next step, a word on what the last step did not do. The prompt above the menu
// picture stays the voice menu's own.
class StatusLine {
  public:
    explicit StatusLine(View& view) : view_(view) {}

    // The game, by the name the player knows the folder's, and the folder, shown from now on.
    void ShowInUse(const std::string& gameName, const std::string& folder);
    // Shown until the next step.
    void Note(const std::string& note);
    // The player takes another step: a note makes way for the game and the folder in use.
    void NextStep();

  private:
    void Show(const std::string& text);

    View& view_;
    std::string inUse_;
    std::string shown_;
};

// What the status bar says of a key that already holds all the messages it takes.
std::string FullKeyNote(int16_t key);
// What it says of an answer to the class question that names no class of the game.
std::string NoClassNote(const GameProfile& game);

}  // namespace quillon
