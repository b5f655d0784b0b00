#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "app/WindowPlace.h"

namespace quillon::win32 {

inline ScreenRect ScreenRectOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// The part of a display that windows may take: without the taskbar.
std::optional<ScreenRect> WorkAreaOf(HMONITOR monitor);
std::vector<ScreenRect> DisplayWorkAreas();

// Where the window stands when it is shown as it was opened: for a minimized one, where it comes
// back to, not where the system parks it.
RECT RestoredPlaceOf(HWND window);

// The places of the windows of the class, of this and of other runs, whatever their state:
// shown, minimized, or not shown yet while their start still asks something.
std::vector<ScreenRect> WindowsOfClass(const wchar_t* windowClass);

}  // namespace quillon::win32
