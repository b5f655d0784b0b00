#pragma once

#include <windows.h>

#include "OwnedHandles.h"
#include "app/View.h"

namespace quillon::win32 {

// Shown while a drive search walks: the drive, how far it got, and a Cancel button.
class SearchProgressWindow : public SearchProgressDisplay {
  public:
    // `owner` is the main window once it is shown; nobody's before.
    explicit SearchProgressWindow(HWND owner);

    bool Show(const SearchProgress& progress) override;

  private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    bool cancelled_ = false;
    OwnedWindow window_;
};

}  // namespace quillon::win32
