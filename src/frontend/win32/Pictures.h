#pragma once

#include <windows.h>

#include "OwnedHandles.h"

namespace quillon::win32 {

// A PNG picture of the program's resources (RCDATA) as a 32-bit bitmap, decoded by the Windows
// Imaging Component; none when it cannot be decoded.
OwnedBitmap DecodePicture(int resourceId);

// A picture brought to another size by averaging, not by dropping or doubling pixels.
OwnedBitmap ScaledBitmap(HBITMAP source, int width, int height);

}  // namespace quillon::win32
