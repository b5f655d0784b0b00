#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quillon::win32 {

// The predefined window classes a dialog template names by atom.
enum class DialogClass : WORD { Button = 0x0080, Edit = 0x0081, Static = 0x0082 };

// Builds a dialog template in memory, so that the input box and the progress window need no
// resource script of their own. Units are dialog units. The dialog comes to the foreground, and
// is centred on its owner or, without one, on the screen.
class DialogTemplate {
  public:
    DialogTemplate(const std::wstring& title, short width, short height);

    void Add(DialogClass type, WORD id, DWORD style, short x, short y, short width, short height,
             const std::wstring& text = L"");

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    void AlignToDword();
    void Append(const std::wstring& text);
    void AppendDword(DWORD value);

    std::vector<WORD> words_;
};

}  // namespace quillon::win32
