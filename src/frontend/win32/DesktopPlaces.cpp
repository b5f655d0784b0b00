#include "DesktopPlaces.h"

namespace quillon::win32 {

std::optional<ScreenRect> WorkAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    return GetMonitorInfoW(monitor, &info) ? std::optional(ScreenRectOf(info.rcWork))
                                           : std::nullopt;
}

std::vector<ScreenRect> DisplayWorkAreas() {
    std::vector<ScreenRect> areas;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM found) -> BOOL {
            if (const std::optional<ScreenRect> area = WorkAreaOf(monitor)) {
                reinterpret_cast<std::vector<ScreenRect>*>(found)->push_back(*area);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&areas));
    return areas;
}

RECT RestoredPlaceOf(HWND window) {
    RECT place{};
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (IsIconic(window) && GetWindowPlacement(window, &placement)) {
        // Measured from the corner of the display's work area, which a taskbar on the left or
        // at the top moves away from the display's own corner.
        place = placement.rcNormalPosition;
        MONITORINFO display{};
        display.cbSize = sizeof display;
        if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &display)) {
            OffsetRect(&place, display.rcWork.left - display.rcMonitor.left,
                       display.rcWork.top - display.rcMonitor.top);
        }
    } else {
        GetWindowRect(window, &place);
    }
    return place;
}

std::vector<ScreenRect> WindowsOfClass(const wchar_t* windowClass) {
    std::vector<ScreenRect> places;
    for (HWND other = FindWindowExW(nullptr, nullptr, windowClass, nullptr); other != nullptr;
         other = FindWindowExW(nullptr, other, windowClass, nullptr)) {
        // One not laid out yet has no place to avoid.
        if (const RECT place = RestoredPlaceOf(other); !IsRectEmpty(&place)) {
            places.push_back(ScreenRectOf(place));
        }
    }
    return places;
}

}  // namespace quillon::win32
