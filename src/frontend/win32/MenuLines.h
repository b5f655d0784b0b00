#pragma once

#include <windows.h>

namespace quillon::win32 {

// The procedure of the menu lines laid over the page's picture (class kMenuLineClass).
LRESULT CALLBACK MenuLineProc(HWND line, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace quillon::win32
