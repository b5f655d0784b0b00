// The status bar at the window's foot: the common controls' own, which screen readers know as
// one, with Quillon's notes.
#include "MainWindow.h"

#include <commctrl.h>

#include "platform/WideText.h"

namespace quillon::win32 {

void MainWindow::BuildStatusBar() {
    // Placed and lettered as a control of the layout at each dpi, not by the bar itself, which
    // would take the height of its font at the first dpi.
    CreateControl(STATUSCLASSNAMEW, L"", CCS_NOPARENTALIGN | CCS_NORESIZE,
                  {0, layout::kClientHeight, layout::kClientWidth, layout::kStatusBarHeight},
                  kStatusBarId, layout::Font::Default, false);
}

void MainWindow::ShowStatus(const std::string& text) {
    const std::wstring shown = WideFromText(text);
    SetWindowTextW(Control(kStatusBarId), shown.c_str());
    spokenNames_.Name(Control(kStatusBarId), shown);
}

}  // namespace quillon::win32
