#pragma once

#include <QFont>

#include "app/Layout.h"

namespace quillon::qt {

// The layout's font, or the nearest this system has: "Terminal" and "Small Fonts" exist only on
// Windows, and stand-ins of about their size take their places.
QFont FontFor(layout::Font font, const QFont& standard);

}  // namespace quillon::qt
