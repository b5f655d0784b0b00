#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/menu/Assignment.h"

namespace quillon {

// The voice menu is polled: a click on a line only records it, and the next menu tick acts on
// it, showing another page or picking a message.
class MenuNavigator {
  public:
    enum class State {
        Idle,        // no selection in progress
        Waiting,     // a selection waits for a click on a line
        LinePicked,  // a line was clicked and waits for the next tick
    };

    // What one tick did.
    struct Step {
        bool classWanted = false;          // the class line was picked: ask for the class
        std::optional<Assignment> picked;  // the message picked; the selection is over
    };

    explicit MenuNavigator(const GameProfile& game) : game_(&game) {}

    // The game whose menu it walks; a selection in progress is cancelled.
    void UseGame(const GameProfile& game);
    const GameProfile& Profile() const { return *game_; }

    State CurrentState() const { return state_; }
    bool InProgress() const { return state_ != State::Idle; }
    int16_t Page() const { return page_; }              // the page on show; the main page when idle
    int16_t PickedLine() const { return pickedLine_; }  // while a line waits for its tick

    // Starts a selection on the main page; a selection in progress starts over.
    void Begin();

    // Records a click on a line (1..10) while the menu waits for one; any other click is ignored.
    void PickLine(int16_t line);

    // Leaves the menu without a message.
    void Cancel();

    // Acts on the recorded click.
    Step Tick();

    // Completes the class line with the answer to the class prompt: its first letter, in either
    // case, chooses the class; anything else, the empty answer included, cancels the selection.
    std::optional<Assignment> AnswerClass(const std::string& answer);

  private:
    const GameProfile* game_;
    State state_ = State::Idle;
    int16_t page_ = kMainPage;
    int16_t pickedLine_ = 0;
};

}  // namespace quillon
