#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quillon::win32 {

// A modal box with a prompt, an edit field holding the default answer, OK and Cancel. Returns
// the text entered, or nothing when cancelled.
std::optional<std::wstring> RunInputBox(HWND owner, const std::wstring& prompt,
                                        const std::wstring& title,
                                        const std::wstring& defaultAnswer);

}  // namespace quillon::win32
