#pragma once

#include <windows.h>

#include "ui/View.h"

namespace quillon::win32 {

// Shown while a drive search walks: the drive, how far it got, and a Cancel button.
class SearchProgressWindow {
  public:
    explicit SearchProgressWindow(HWND owner);
    ~SearchProgressWindow();
    SearchProgressWindow(const SearchProgressWindow&) = delete;
    SearchProgressWindow& operator=(const SearchProgressWindow&) = delete;

    // Shows the progress and lets the window react; false once the user has cancelled.
    bool Update(const SearchProgress& progress);

  private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    bool cancelled_ = false;
};

}  // namespace quillon::win32
