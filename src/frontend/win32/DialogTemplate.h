#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quillon::win32 {

// The predefined window classes a dialog template names by atom.
enum class DialogClass : WORD { Button = 0x0080, Edit = 0x0081, Static = 0x0082, ListBox = 0x0083 };

// Builds a dialog template in memory, so that the boxes and the progress window need no resource
// script of their own. Units are dialog units. The dialog comes to the foreground, and
// is centred on its owner or, without one, on the screen.
class DialogTemplate {
  public:
    DialogTemplate(const std::wstring& title, short width, short height);

    void Add(DialogClass type, WORD id, DWORD style, short x, short y, short width, short height,
             const std::wstring& text = L"");

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

    // Grows the prompt of a box made from a template to the height its text takes at the box's
    // font (at the display's scale) and width, and moves the controls below it, and the box's
    // foot, down as far: no line of a long prompt is cut off.
    static void FitPrompt(HWND box, int promptId);

  private:
    void AlignToDword();
    void Append(const std::wstring& text);
    void AppendDword(DWORD value);

    std::vector<WORD> words_;
};

// The text a control of a box holds.
std::wstring ControlText(HWND control);

}  // namespace quillon::win32
