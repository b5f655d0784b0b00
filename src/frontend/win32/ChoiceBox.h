#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace quillon::win32 {

// A modal box with a prompt, a list of the choices with the first selected, OK and Cancel.
// Returns the index of the choice taken (OK, Enter, or a double click on it), or nothing when
// cancelled.
std::optional<size_t> RunChoiceBox(HWND owner, const std::wstring& prompt,
                                   const std::wstring& title,
                                   const std::vector<std::wstring>& choices);

}  // namespace quillon::win32
