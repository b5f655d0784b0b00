#pragma once
// The names of the window classes Quillon registers, and the main window's style, shared by the
// files that build the window.

#include <windows.h>

namespace quillon::win32 {

constexpr wchar_t kWindowClass[] = L"QuillonMainWindow";
constexpr wchar_t kMenuLineClass[] = L"QuillonMenuLine";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

}  // namespace quillon::win32
