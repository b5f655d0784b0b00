#pragma once

#include <windows.h>

#include "OwnedHandles.h"
#include "app/Layout.h"

namespace quillon::win32 {

// The layout's font, or the nearest this system has: where "Terminal" or "Small Fonts" is
// missing, a bold fixed-pitch or a small plain font takes its place. Sizes are for 96 dpi. The
// toolkit's default font is the system's own and is not created: nullptr.
OwnedFont CreateLayoutFont(layout::Font font);

}  // namespace quillon::win32
