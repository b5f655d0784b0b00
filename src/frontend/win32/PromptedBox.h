#pragma once

#include <windows.h>

#include <string>

#include "DialogTemplate.h"

namespace quillon::win32 {

// A box that asks with a prompt above one field and OK and Cancel at its foot, in dialog units:
// its width, the prompt's height (grown for a longer text) and the field's kind and height.
struct BoxShape {
    short width;
    short promptHeight;
    DialogClass fieldType;
    DWORD fieldStyle;
    short fieldHeight;
};

// What such a box does with its field (the input box's edit field, the choice box's list).
class BoxField {
  public:
    virtual ~BoxField() = default;
    // Fills the field as the box opens; the focus goes to it then.
    virtual void Fill(HWND field) = 0;
    // Takes the answer from the field at OK: false while it holds none, and the box stays open.
    virtual bool Take(HWND field) = 0;
    // Whether the field's notification answers as OK does.
    virtual bool Answers(WORD /*notification*/) const { return false; }
};

// Opens the modal box; true when it is answered with OK and the field's answer was taken.
bool RunPromptedBox(HWND owner, const std::wstring& prompt, const std::wstring& title,
                    const BoxShape& shape, BoxField& field);

}  // namespace quillon::win32
