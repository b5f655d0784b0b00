#pragma once

#include <windows.h>

#include "ui/Layout.h"

namespace quillon::win32 {

// The layout's font, or the nearest this system has: where "Terminal" or "Small Fonts" is
// missing, a bold fixed-pitch or a small plain font takes its place. Sizes are for 96 dpi.
HFONT CreateLayoutFont(layout::Font font);

}  // namespace quillon::win32
