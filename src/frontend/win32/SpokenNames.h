#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace quillon::win32 {

// The names screen readers say for controls whose caption says too little ("5" is "Keypad 5").
// A named control answers a screen reader with the system's own accessible object for it, in a
// wrapper that gives the name; everything else about the control stays the system's.
class SpokenNames {
  public:
    SpokenNames() = default;
    ~SpokenNames();
    SpokenNames(const SpokenNames&) = delete;
    SpokenNames& operator=(const SpokenNames&) = delete;

    // Names the control from now on, and tells screen readers that its name changed.
    void Name(HWND control, const std::wstring& name);
    // Gives a named control a description (the empty text: the system's own), and tells screen
    // readers that it changed.
    void Describe(HWND control, const std::wstring& description);

  private:
    struct Spoken {
        std::wstring name;
        std::wstring description;
    };
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    std::map<HWND, Spoken> names_;
};

}  // namespace quillon::win32
