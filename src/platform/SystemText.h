#pragma once

#include <string>

namespace quillon {

// Whether the bytes are well-formed UTF-8.
bool IsUtf8(const std::string& bytes);

// Text a player's editor wrote, as the program's UTF-8: UTF-8 as it is; other bytes, on Windows,
// in the system's ANSI code page, as older editors write it; elsewhere as they are.
std::string TextFromEditor(const std::string& bytes);

}  // namespace quillon
