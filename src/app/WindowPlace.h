#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillon {

// A rectangle on the desktop in the system's pixels: right and bottom lie just outside it.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const ScreenRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

// The place moved as little as it takes to lie inside the area, its top left corner first.
ScreenRect Inside(const ScreenRect& place, const ScreenRect& area);

// The scale, in dots per inch, at which the window's inside (the layout and the status bar
// below it) is laid out on a display of `dpi`: the display's own, or as much less as it takes
// for the window to fit in the display's work area, where its frame (border, title and menu
// bar, at the display's own scale) takes `frameWidth` and `frameHeight` pixels. Never less than the
// layout's own scale: the window is no smaller than the one players know, which any screen holds.
int LayoutDpiToFit(int dpi, int frameWidth, int frameHeight, const ScreenRect& workArea);

// The window's place as it is remembered between runs: "left top right bottom".
std::string PlaceText(const ScreenRect& place);
// Nothing for a text that holds no sensible place: damaged, or written by something else.
std::optional<ScreenRect> PlaceFromText(const std::string& text);

// Where the window opens. At its remembered place, moved wholly onto the display that shows
// most of it; where the system puts new windows when it lies on no display (one that is gone,
// or was set up otherwise). While another Quillon window stands at that place, `step` pixels
// right and down of it, so that a second start opens beside the first, not hidden under it.
// Nothing: where the system puts new windows.
std::optional<ScreenRect> OpeningPlace(const std::optional<ScreenRect>& remembered,
                                       const std::vector<ScreenRect>& workAreas,
                                       const std::vector<ScreenRect>& otherWindows, int step);
// Where the window opens when `windowsBefore` other Quillon windows, that cannot be seen, opened
// there before it, each a step right and down of the one before.
std::optional<ScreenRect> OpeningPlaceAfter(const std::optional<ScreenRect>& remembered,
                                            const std::vector<ScreenRect>& workAreas,
                                            size_t windowsBefore, int step);

}  // namespace quillon
