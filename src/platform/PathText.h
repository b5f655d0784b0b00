#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace quillon {

// The platform's folder separator; folder texts end in it. The longest path the system opens,
// in bytes of UTF-8 at the most.
#ifdef _WIN32
constexpr char kSeparator = '\\';
constexpr size_t kLongestPath = 32767 * 3;  // through the \\?\ form, in UTF-16 units
#else
constexpr char kSeparator = '/';
constexpr size_t kLongestPath = 4095;  // PATH_MAX, less its NUL
#endif

// Paths are UTF-8 text in the program; these convert at the file system's boundary.
std::filesystem::path PathFromText(const std::string& text);
std::string TextFromPath(const std::filesystem::path& path);

// The path with the folder separator appended when its last character is not one; an empty
// path gives the separator alone.
std::string EnsureTrailingSeparator(const std::string& path);

// A path as this system spells it, however it was written where it came from (a settings file
// written by hand, the registry, Steam's files, a folder chooser, a typed answer): on Windows
// "/" and "\" both separate folders, so each becomes "\", and a run of separators becomes one,
// except the two that begin a share's path ("\\server\share") or the "\\?\" form. Elsewhere
// a run of "/" becomes one. Nothing else changes.
std::string NormalPath(const std::string& path);

// The length of a normal path's root, the part below which folders can be made: "C:\",
// "\\server\share\", "\\?\C:\" and "\\?\UNC\server\share\" on Windows, "/" elsewhere; 0
// for a relative path.
size_t RootLength(const std::string& path);

// The folder part of a file's path, up to and including its last separator; empty when there
// is none.
std::string FolderOfFile(const std::string& filePath);

// A path as a message shows it: characters that would end or break the message (NUL, line
// breaks and other control characters) shown as "?", and a path longer than about 200
// characters cut in the middle, its start and its end kept.
std::string PathForMessage(const std::string& path);

#ifdef _WIN32
// The form of a path that Windows takes whole however long it is: the \\?\ form of a long
// absolute path; shorter and relative paths are left as they are.
std::wstring LongPathForm(const std::wstring& path);

// The text before the first NUL of a fixed-size name buffer of the folder listing.
std::wstring TrimAtNul(const wchar_t* buffer, size_t capacity);
#endif

}  // namespace quillon
