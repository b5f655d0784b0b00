#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quillon::win32 {

// Builds a dialog template in memory, so that the input box and the progress window need no
// resource script of their own. Units are dialog units.
class DialogTemplate {
  public:
    DialogTemplate(const std::wstring& title, short width, short height);

    // Adds a control of a predefined class (0x0080 button, 0x0081 edit, 0x0082 static).
    void Add(WORD classAtom, WORD id, DWORD style, short x, short y, short width, short height,
             const std::wstring& text = L"");

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    void AlignToDword();
    void Append(const std::wstring& text);
    void AppendDword(DWORD value);

    std::vector<WORD> words_;
};

}  // namespace quillon::win32
