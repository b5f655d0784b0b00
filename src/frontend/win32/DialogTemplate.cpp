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

}  // namespace quillon::win32
