#include "app/WindowPlace.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "app/Layout.h"

namespace quillon {
namespace {

// Beyond any desktop: a larger number is no place a window was.
constexpr int kFarthest = 1 << 20;

long long SharedArea(const ScreenRect& a, const ScreenRect& b) {
    const long long width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

ScreenRect Moved(const ScreenRect& place, int x, int y) {
    return {place.left + x, place.top + y, place.right + x, place.bottom + y};
}

// The work area that shows most of the place; nothing when none shows any of it.
std::optional<ScreenRect> AreaShowing(const ScreenRect& place,
                                      const std::vector<ScreenRect>& workAreas) {
    std::optional<ScreenRect> best;
    long long shown = 0;
    for (const ScreenRect& area : workAreas) {
        if (const long long shared = SharedArea(place, area); shared > shown) {
            shown = shared;
            best = area;
        }
    }
    return best;
}

bool Taken(const ScreenRect& place, const std::vector<ScreenRect>& otherWindows) {
    return std::any_of(otherWindows.begin(), otherWindows.end(), [&](const ScreenRect& other) {
        return other.left == place.left && other.top == place.top;
    });
}

}  // namespace

ScreenRect Inside(const ScreenRect& place, const ScreenRect& area) {
    int x = std::min(0, area.right - place.right);
    x = std::max(x, area.left - place.left);
    int y = std::min(0, area.bottom - place.bottom);
    y = std::max(y, area.top - place.top);
    return Moved(place, x, y);
}

int LayoutDpiToFit(int dpi, int frameWidth, int frameHeight, const ScreenRect& workArea) {
    // The inside at d dots per inch is its size at the layout's scale, times d over that scale.
    const auto fitting = [](int room, int length) {
        return static_cast<long long>(room) * layout::kDotsPerInch / length;
    };
    const long long fits =
        std::min({static_cast<long long>(dpi),
                  fitting(workArea.right - workArea.left - frameWidth, layout::kClientWidth),
                  fitting(workArea.bottom - workArea.top - frameHeight, layout::kInsideHeight)});
    return static_cast<int>(
        std::max(fits, static_cast<long long>(std::min(dpi, layout::kDotsPerInch))));
}

std::string PlaceText(const ScreenRect& place) {
    return std::to_string(place.left) + " " + std::to_string(place.top) + " " +
           std::to_string(place.right) + " " + std::to_string(place.bottom);
}

std::optional<ScreenRect> PlaceFromText(const std::string& text) {
    int edges[4] = {};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (int& edge : edges) {
        if (&edge != edges) {  // one space between the numbers
            if (at == end || *at != ' ') {
                return std::nullopt;
            }
            ++at;
        }
        const std::from_chars_result read = std::from_chars(at, end, edge);
        if (read.ec != std::errc() || edge <= -kFarthest || edge >= kFarthest) {
            return std::nullopt;
        }
        at = read.ptr;
    }
    const ScreenRect place{edges[0], edges[1], edges[2], edges[3]};
    if (at != end || place.right <= place.left || place.bottom <= place.top) {
        return std::nullopt;
    }
    return place;
}

std::optional<ScreenRect> OpeningPlace(const std::optional<ScreenRect>& remembered,
                                       const std::vector<ScreenRect>& workAreas,
                                       const std::vector<ScreenRect>& otherWindows, int step) {
    std::optional<ScreenRect> place;
    if (remembered) {
        if (const std::optional<ScreenRect> area = AreaShowing(*remembered, workAreas)) {
            place = Inside(*remembered, *area);
        }
    }
    if (!place && !otherWindows.empty()) {
        place = otherWindows.front();
    }
    if (!place) {
        return std::nullopt;
    }
    const ScreenRect area = AreaShowing(*place, workAreas).value_or(*place);
    // Each step passes at most one other window.
    for (size_t passed = 0; passed <= otherWindows.size() && Taken(*place, otherWindows);
         ++passed) {
        *place = Moved(*place, step, step);
        if (place->right > area.right || place->bottom > area.bottom) {
            *place = Moved(*place, area.left - place->left, area.top - place->top);
        }
    }
    return place;
}

std::optional<ScreenRect> OpeningPlaceAfter(const std::optional<ScreenRect>& remembered,
                                            const std::vector<ScreenRect>& workAreas,
                                            size_t windowsBefore, int step) {
    std::optional<ScreenRect> place = OpeningPlace(remembered, workAreas, {}, step);
    for (size_t passed = 0; place && passed < windowsBefore; ++passed) {
        place = OpeningPlace(place, workAreas, {*place}, step);
    }
    return place;
}

}  // namespace quillon
