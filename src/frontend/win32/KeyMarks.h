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
    KeyMarks() = default;
    ~KeyMarks();
    KeyMarks(const KeyMarks&) = delete;
    KeyMarks& operator=(const KeyMarks&) = delete;

    // Marks the button of `window` with the text as its tooltip; the empty text takes the mark
    // away.
    void Mark(HWND window, HWND button, const std::wstring& text);

  private:
    static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
    OwnedWindow tooltip_;
    std::map<HWND, bool> marked_;  // every button given a mark so far, and whether it has one
};

}  // namespace quillon::win32
