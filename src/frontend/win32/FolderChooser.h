#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quillon::win32 {

// The system's folder picker (the common item dialog choosing folders), opened at `start`.
// Returns the folder chosen, or nothing when it is cancelled.
std::optional<std::wstring> RunFolderChooser(HWND owner, const std::wstring& title,
                                             const std::wstring& start);

}  // namespace quillon::win32
