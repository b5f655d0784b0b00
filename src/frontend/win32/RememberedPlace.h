#pragma once

#include <optional>

#include "app/WindowPlace.h"

namespace quillon::win32 {

// Where a new window opens: the place remembered from the last run, moved on past the windows of
// other runs standing there, and onto a display; none where the system is to choose.
std::optional<ScreenRect> PlaceToOpenAt();

}  // namespace quillon::win32
