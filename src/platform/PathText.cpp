#include "platform/PathText.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>

#include "platform/WideText.h"
#endif

namespace quillon {

std::filesystem::path PathFromText(const std::string& text) {
#ifdef _WIN32
    return std::filesystem::path(LongPathForm(WideFromText(text)));
#else
    return std::filesystem::path(text);
#endif
}

std::string TextFromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return TextFromWide(path.native());
#else
    return path.native();
#endif
}

std::string EnsureTrailingSeparator(const std::string& path) {
    if (path.empty() || path.back() != kSeparator) {
        return path + kSeparator;
    }
    return path;
}

std::string NormalPath(const std::string& path) {
#ifdef _WIN32
    const auto separates = [](char c) { return c == '\\' || c == '/'; };
    // A share's path, and the \\?\ form, begin with two separators.
    const size_t kept = path.size() >= 2 && separates(path[0]) && separates(path[1]) ? 2 : 0;
#else
    const auto separates = [](char c) { return c == '/'; };
    const size_t kept = 0;
#endif
    std::string normal(kept, kSeparator);
    for (size_t at = kept; at < path.size(); ++at) {
        if (!separates(path[at])) {
            normal += path[at];
        } else if (normal.size() <= kept || normal.back() != kSeparator) {
            normal += kSeparator;
        }
    }
    return normal;
}

size_t RootLength(const std::string& path) {
#ifdef _WIN32
    // The end of the separator after `count` more parts from `from`; the whole path when it
    // has fewer.
    const auto afterParts = [&](size_t from, int count) {
        for (; count > 0 && from < path.size(); --count) {
            const size_t end = path.find('\\', from);
            from = end == std::string::npos ? path.size() : end + 1;
        }
        return from;
    };
    const auto drive = [&](size_t at) {
        return path.size() >= at + 2 && path[at + 1] == ':' ? std::min(path.size(), at + 3) : at;
    };
    if (path.rfind("\\\\?\\UNC\\", 0) == 0) {
        return afterParts(8, 2);
    }
    if (path.rfind("\\\\?\\", 0) == 0) {
        return drive(4);
    }
    if (path.rfind("\\\\", 0) == 0) {
        return afterParts(2, 2);
    }
    return path.rfind('\\', 0) == 0 ? 1 : drive(0);
#else
    return path.rfind('/', 0) == 0 ? 1 : 0;
#endif
}

std::string FolderOfFile(const std::string& filePath) {
    const size_t last = filePath.rfind(kSeparator);
    return last == std::string::npos ? std::string() : filePath.substr(0, last + 1);
}

std::string PathForMessage(const std::string& path) {
    constexpr size_t kLongest = 200;
    constexpr size_t kKeptAtStart = 90;
    constexpr size_t kKeptAtEnd = 100;
    std::string shown = path;
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            c = '?';
        }
    }
    if (shown.size() <= kLongest) {
        return shown;
    }
    // Cut between characters, never inside the bytes of one.
    auto isContinuation = [&](size_t at) {
        return (static_cast<unsigned char>(shown[at]) & 0xC0) == 0x80;
    };
    size_t head = kKeptAtStart;
    while (head > 0 && isContinuation(head)) {
        --head;
    }
    size_t tail = shown.size() - kKeptAtEnd;
    while (tail < shown.size() && isContinuation(tail)) {
        ++tail;
    }
    return shown.substr(0, head) + "..." + shown.substr(tail);
}

#ifdef _WIN32
std::wstring LongPathForm(const std::wstring& path) {
    constexpr size_t kClassicLimit = MAX_PATH - 12;  // room for a file name below a folder
    const bool absolute =
        path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
    const bool share = path.rfind(L"\\\\", 0) == 0 && path.rfind(L"\\\\?\\", 0) != 0;
    if (path.size() < kClassicLimit || (!absolute && !share)) {
        return path;
    }
    std::wstring whole = path;
    for (wchar_t& c : whole) {
        if (c == L'/') {
            c = L'\\';  // the \\?\ form takes no forward slashes
        }
    }
    return share ? L"\\\\?\\UNC\\" + whole.substr(2) : L"\\\\?\\" + whole;
}

std::wstring TrimAtNul(const wchar_t* buffer, size_t capacity) {
    size_t length = 0;
    while (length < capacity && buffer[length] != L'\0') {
        ++length;
    }
    return std::wstring(buffer, length);
}
#endif

}  // namespace quillon
