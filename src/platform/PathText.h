#pragma once

#include <string>

namespace quillon {

// The path with the folder separator appended when its last character is not one; an empty
// path gives the separator alone. (Named for Windows, where the separator is a backslash.)
std::string EnsureTrailingBackslash(const std::string& path);

// The folder part of a file's path, up to and including its last separator; empty when there
// is none.
std::string FolderOfFile(const std::string& filePath);

#ifdef _WIN32
// The text before the first NUL of a fixed-size name buffer of the folder listing.
std::wstring TrimAtNul(const wchar_t* buffer, size_t capacity);
#endif

}  // namespace quillon
