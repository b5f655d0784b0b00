#include "DialogTemplate.h"

namespace quillon::win32 {

DialogTemplate::DialogTemplate(const std::wstring& title, short width, short height) {
    AppendDword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | DS_SETFOREGROUND | WS_POPUP | WS_CAPTION |
                WS_SYSMENU);
    AppendDword(0);       // extended style
    words_.push_back(0);  // control count, raised by Add
    for (short value : {short{0}, short{0}, width, height}) {
        words_.push_back(static_cast<WORD>(value));
    }
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the standard dialog class
    Append(title);
    words_.push_back(8);  // font size in points
    Append(L"MS Shell Dlg");
}

void DialogTemplate::Add(DialogClass type, WORD id, DWORD style, short x, short y, short width,
                         short height, const std::wstring& text) {
    AlignToDword();
    AppendDword(style | WS_CHILD | WS_VISIBLE);
    AppendDword(0);
    for (short value : {x, y, width, height}) {
        words_.push_back(static_cast<WORD>(value));
    }
    words_.push_back(id);
    words_.push_back(0xFFFF);
    words_.push_back(static_cast<WORD>(type));
    Append(text);
    words_.push_back(0);                     // no creation data
    constexpr size_t kControlCountWord = 4;  // after the style and extended style DWORDs
    ++words_[kControlCountWord];
}

void DialogTemplate::FitPrompt(HWND box, int promptId) {
    const HWND prompt = GetDlgItem(box, promptId);
    RECT place{};
    GetWindowRect(prompt, &place);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&place), 2);
    const std::wstring text = ControlText(prompt);
    RECT needed{0, 0, place.right - place.left, 0};
    const HDC dc = GetDC(prompt);
    const HGDIOBJ before =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(prompt, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    SelectObject(dc, before);
    ReleaseDC(prompt, dc);
    const int more = needed.bottom - (place.bottom - place.top);
    if (more <= 0) {
        return;
    }
    constexpr UINT kOnlySize = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(prompt, nullptr, 0, 0, place.right - place.left, needed.bottom, kOnlySize);
    for (HWND control = GetWindow(box, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        RECT at{};
        GetWindowRect(control, &at);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&at), 2);
        if (control != prompt && at.top >= place.bottom) {
            SetWindowPos(control, nullptr, at.left, at.top + more, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    RECT frame{};
    GetWindowRect(box, &frame);
    SetWindowPos(box, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + more,
                 kOnlySize);
}

void DialogTemplate::AlignToDword() {
    if (words_.size() % 2 != 0) {
        words_.push_back(0);
    }
}

void DialogTemplate::Append(const std::wstring& text) {
    words_.insert(words_.end(), text.begin(), text.end());
    words_.push_back(0);
}

void DialogTemplate::AppendDword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
}

std::wstring ControlText(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace quillon::win32
