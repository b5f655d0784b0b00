#include "platform/PathText.h"

#include "platform/Files.h"

namespace quillon {

std::string EnsureTrailingBackslash(const std::string& path) {
    if (path.empty() || path.back() != kSeparator) {
        return path + kSeparator;
    }
    return path;
}

std::string FolderOfFile(const std::string& filePath) {
    const size_t last = filePath.rfind(kSeparator);
    return last == std::string::npos ? std::string() : filePath.substr(0, last + 1);
}

#ifdef _WIN32
std::wstring TrimAtNul(const wchar_t* buffer, size_t capacity) {
    size_t length = 0;
    while (length < capacity && buffer[length] != L'\0') {
        ++length;
    }
    return std::wstring(buffer, length);
}
#endif

}  // namespace quillon
