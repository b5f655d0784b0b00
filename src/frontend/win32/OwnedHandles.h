#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace quillon::win32 {

// Holders that release a Windows handle with their owner.

struct GdiObjectRelease {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
struct IconRelease {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct AcceleratorRelease {
    void operator()(HACCEL table) const { DestroyAcceleratorTable(table); }
};
struct MemoryDcRelease {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct WindowRelease {
    void operator()(HWND window) const {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
    }
};

using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectRelease>;
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectRelease>;
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconRelease>;
using OwnedAccelerators = std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorRelease>;
using OwnedDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcRelease>;
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowRelease>;

}  // namespace quillon::win32
