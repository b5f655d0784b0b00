#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "OwnedHandles.h"

namespace quillon::win32 {

// The marks of the keypad's keys that the game binds by itself: a corner in the highlight colour
// drawn over the button, in proportion to it at any dpi, and a tooltip that says what the key
// does in the game.
class KeyMarks {
  public:
    // Marks the button of `window` with the text as its tooltip; the empty text takes the mark
    // away.
    void Mark(HWND window, HWND button, const std::wstring& text);
    // Draws the button's mark, if it has one, over what the button painted of itself.
    void PaintOver(HWND button) const;
    // Hands a mouse message of a button on to the tooltip, which shows and hides by them.
    void Relay(HWND button, UINT message, WPARAM wParam, LPARAM lParam) const;

  private:
    OwnedWindow tooltip_;
    std::map<HWND, bool> marked_;  // every button given a mark so far, and whether it has one
};

}  // namespace quillon::win32
