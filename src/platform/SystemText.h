#pragma once

#include <string>

#include "platform/Status.h"

namespace quillon {

// Whether the bytes are well-formed UTF-8.
bool IsUtf8(const std::string& bytes);

// Text a player's editor wrote, as the program's UTF-8: UTF-16 after its byte-order mark (either
// byte order, as Notepad's "Unicode" writes it) converted; UTF-8 as it is; other bytes, on
// Windows, in the system's ANSI code page, as older editors write it; elsewhere as they are.
std::string TextFromEditor(const std::string& bytes);

// Text a player's editor wrote, as the game reads it: one byte per character, which the engine
// reads up to its first NUL. Text that a byte-order mark shows to be UTF-16 or UTF-8 is written
// without the mark, in the system's ANSI code page on Windows (the game's own) and in UTF-8
// elsewhere; other bytes stay as they are. Fails as Unsuitable, saying why, for UTF-16 or UTF-8
// that is not well-formed, and for letters the code page has none for (naming them).
Result<std::string> TextForGame(const std::string& bytes);

}  // namespace quillon
