#pragma once

#ifdef _WIN32

#include <string>

namespace quillon {

// The program keeps text in UTF-8; Windows takes UTF-16 at its boundary.
std::wstring WideFromText(const std::string& text);
std::string TextFromWide(const std::wstring& wide);

}  // namespace quillon

#endif
