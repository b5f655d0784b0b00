#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "OwnedHandles.h"
#include "SpokenNames.h"

namespace quillon::win32 {

// What the team reads of each line of the assignment list: the selected line's text is the
// list's tooltip and its description for screen readers.
class ListDescriptions {
  public:
    void Set(HWND window, HWND list, SpokenNames& spokenNames,
             const std::vector<std::string>& texts);
    // The selection moved: the tooltip and the description follow it.
    void Follow(HWND list, SpokenNames& spokenNames);

  private:
    OwnedWindow tooltip_;
    std::vector<std::wstring> texts_;
    std::wstring shown_;
};

}  // namespace quillon::win32
