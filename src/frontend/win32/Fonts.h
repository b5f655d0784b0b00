#pragma once

#include <windows.h>

#include "OwnedHandles.h"
#include "app/Layout.h"

namespace quillon::win32 {

// The layout's font at a display's dots per inch, or the nearest this system has: where
// "Terminal" or "Small Fonts" is missing, a bold fixed-pitch or a small plain font takes its
// place. The toolkit's default font is the system's own at 96 dpi and is not created: nullptr;
// at any other it is made in its face at its size for that dpi.
OwnedFont CreateLayoutFont(layout::Font font, UINT dpi);

}  // namespace quillon::win32
