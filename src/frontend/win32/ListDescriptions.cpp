#include "ListDescriptions.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "platform/WideText.h"

namespace quillon::win32 {

void ListDescriptions::Set(HWND window, HWND list, SpokenNames& spokenNames,
                           const std::vector<std::string>& texts) {
    texts_.clear();
    for (const std::string& text : texts) {
        texts_.push_back(WideFromText(text));
    }
    const bool none = std::all_of(texts_.begin(), texts_.end(),
                                  [](const std::wstring& text) { return text.empty(); });
    if (!tooltip_ && none) {
        return;  // nothing to tell yet: no tooltip at start-up
    }
    if (!tooltip_) {
        tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                                       nullptr, nullptr));
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(list);
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        // The chat lines of a message stand one under the other.
        SendMessageW(tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, 600);
    }
    Follow(list, spokenNames);
}

void ListDescriptions::Follow(HWND list, SpokenNames& spokenNames) {
    if (!tooltip_) {
        return;
    }
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    std::wstring text = selected >= 0 && static_cast<size_t>(selected) < texts_.size()
                            ? texts_[static_cast<size_t>(selected)]
                            : std::wstring();
    if (text == shown_) {
        return;
    }
    shown_ = std::move(text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = GetParent(list);
    tool.uId = reinterpret_cast<UINT_PTR>(list);
    tool.lpszText = const_cast<wchar_t*>(shown_.c_str());  // copied by the tooltip
    SendMessageW(tooltip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    spokenNames.Describe(list, shown_);
}

}  // namespace quillon::win32
