#pragma once

#include <cstdint>

#include "keys/FormState.h"
#include "ui/View.h"

namespace quillon {

// The one window object: it owns all state of a run and has a handler for every event the
// window raises. Front ends forward their events here and do nothing else.
class Form {
  public:
    explicit Form(View& view) : view_(view) {}

    // The start-up sequence, run once before the window is first shown. Returns false when the
    // program has to end instead (no game installation found).
    bool Form_Load();

    void Command1_Click(int16_t index);  // a keypad button
    void Command2_Click();               // "Assign Voice Command"
    void Command3_Click();               // "Cancel"
    void Command4_Click();               // "Delete command"
    void Image2_Click(int16_t index);    // a hot-spot over the menu picture
    void mnuexport_Click();              // "&Export Script"
    void Timer1_Timer();                 // every 50 ms: the voice-menu navigator
    void Timer2_Timer();                 // every 75 ms: the blinking of the current key

    const FormState& State() const { return state_; }

  private:
    // Empties the key table's labels, shows the main page and selects key 1.
    void Reset();

    template <typename Handler>
    void Guarded(Handler handler);

    View& view_;
    FormState state_;
    // Set while a handler runs. A handler can wait in a modal box (the class prompt opens inside
    // a menu tick); timer ticks that arrive meanwhile do nothing, so no step of the navigator or
    // of the blinking starts half-way through another handler.
    bool handlerRunning_ = false;
};

}  // namespace quillon
