#pragma once

#include <windows.h>

#include <string>

namespace quillon::win32 {

// A modal box with a prompt, an edit field holding the default answer, OK and Cancel. Returns
// the text entered, or the empty text when cancelled.
std::wstring RunInputBox(HWND owner, const std::wstring& prompt, const std::wstring& title,
                         const std::wstring& defaultAnswer);

}  // namespace quillon::win32
