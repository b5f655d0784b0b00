#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/Outcome.h"

namespace quillon {

// The platform's folder separator; folder texts end in it.
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

// Paths are UTF-8 text in the program; these convert at the file system's boundary.
std::filesystem::path PathFromText(const std::string& text);
std::string TextFromPath(const std::filesystem::path& path);

// Reads a whole file as bytes; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& fileName);

bool IsFolder(const std::string& path);

std::string CurrentFolderText();

// Writes `content` to a new file beside `destination` and then puts it in the destination's
// place, so that a failure leaves the old file untouched. A failure says what went wrong.
Outcome WriteFileReplacing(const std::string& destination, const std::string& content);

}  // namespace quillon
