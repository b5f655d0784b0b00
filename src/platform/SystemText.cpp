#include "platform/SystemText.h"

#include <optional>

#ifdef _WIN32
#include <windows.h>

#include "platform/WideText.h"
#endif

namespace quillon {

bool IsUtf8(const std::string& bytes) {
    for (size_t at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        // The sequence's length, and the smallest value it may carry (no overlong forms).
        const size_t length = lead < 0x80                   ? 1
                              : lead >= 0xC2 && lead < 0xE0 ? 2
                              : lead >= 0xE0 && lead < 0xF0 ? 3
                              : lead >= 0xF0 && lead < 0xF5 ? 4
                                                            : 0;
        if (length == 0 || at + length > bytes.size()) {
            return false;
        }
        unsigned value = lead & (0x7F >> length);
        for (size_t next = 1; next < length; ++next) {
            const auto byte = static_cast<unsigned char>(bytes[at + next]);
            if ((byte & 0xC0) != 0x80) {
                return false;
            }
            value = (value << 6) | (byte & 0x3F);
        }
        const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
        if (overlong || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000)) {
            return false;
        }
        at += length;
    }
    return true;
}

namespace {

const std::string kUtf8Mark = "\xEF\xBB\xBF";

void AppendUtf8(std::string& text, char32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Whether the bytes begin with UTF-16's byte-order mark, and in which order.
enum class Utf16 { None, LittleEndian, BigEndian };
Utf16 Utf16Marked(const std::string& bytes) {
    if (bytes.size() < 2) {
        return Utf16::None;
    }
    const auto first = static_cast<unsigned char>(bytes[0]);
    const auto second = static_cast<unsigned char>(bytes[1]);
    return first == 0xFF && second == 0xFE   ? Utf16::LittleEndian
           : first == 0xFE && second == 0xFF ? Utf16::BigEndian
                                             : Utf16::None;
}

// UTF-16 after its mark as UTF-8; nothing when it is not well-formed (an odd byte at the end, a
// surrogate without its pair).
std::optional<std::string> Utf8FromUtf16(const std::string& bytes, Utf16 order) {
    const auto unit = [&](size_t at) {
        const auto high =
            static_cast<unsigned char>(bytes[at + (order == Utf16::BigEndian ? 0 : 1)]);
        const auto low =
            static_cast<unsigned char>(bytes[at + (order == Utf16::BigEndian ? 1 : 0)]);
        return static_cast<char32_t>((high << 8) | low);
    };
    if (bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string text;
    for (size_t at = 2; at < bytes.size(); at += 2) {
        char32_t code = unit(at);
        if (code >= 0xDC00 && code < 0xE000) {
            return std::nullopt;
        }
        if (code >= 0xD800 && code < 0xDC00) {
            const char32_t next = at + 2 < bytes.size() ? unit(at + 2) : 0;
            if (next < 0xDC00 || next >= 0xE000) {
                return std::nullopt;
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (next - 0xDC00);
            at += 2;
        }
        AppendUtf8(text, code);
    }
    return text;
}

Status NotWellFormed(const char* encoding) {
    return Status::Failure(ErrorKind::Unsuitable, std::string("it is marked as ") + encoding +
                                                      " text, but is not well-formed " + encoding);
}

#ifdef _WIN32
// UTF-8 text in the system's ANSI code page; fails naming the letters it has none for.
Result<std::string> InCodePage(const std::string& text) {
    const std::wstring wide = WideFromText(text);
    std::string missing;
    std::string bytes;
    for (size_t at = 0; at < wide.size();) {
        // A letter outside the first plane takes two units.
        const size_t units = wide[at] >= 0xD800 && wide[at] < 0xDC00 ? 2 : 1;
        const int size = static_cast<int>(units);
        char converted[8] = {};
        BOOL defaulted = FALSE;
        const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data() + at, size,
                                               converted, sizeof converted, nullptr, &defaulted);
        if (length <= 0 || defaulted) {
            const std::string letter = TextFromWide(wide.substr(at, units));
            if (missing.find(letter) == std::string::npos) {
                missing += (missing.empty() ? "" : " ") + letter;
            }
        } else {
            bytes.append(converted, static_cast<size_t>(length));
        }
        at += units;
    }
    if (!missing.empty()) {
        return Status::Failure(ErrorKind::Unsuitable,
                               "it holds letters that Windows' code page for programs such as "
                               "the game has none for: " +
                                   missing);
    }
    return bytes;
}
#endif

}  // namespace

Result<std::string> TextForGame(const std::string& bytes) {
    std::string text;
    if (const Utf16 order = Utf16Marked(bytes); order != Utf16::None) {
        const std::optional<std::string> converted = Utf8FromUtf16(bytes, order);
        if (!converted) {
            return NotWellFormed("UTF-16");
        }
        text = *converted;
    } else if (bytes.rfind(kUtf8Mark, 0) == 0) {
        text = bytes.substr(kUtf8Mark.size());
        if (!IsUtf8(text)) {
            return NotWellFormed("UTF-8");
        }
    } else {
        return bytes;
    }
#ifdef _WIN32
    return InCodePage(text);
#else
    return text;
#endif
}

std::string TextFromEditor(const std::string& bytes) {
    if (const Utf16 order = Utf16Marked(bytes); order != Utf16::None) {
        if (std::optional<std::string> text = Utf8FromUtf16(bytes, order)) {
            return *text;
        }
    }
#ifdef _WIN32
    if (!IsUtf8(bytes)) {
        const int size = static_cast<int>(bytes.size());
        const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
        std::wstring wide(static_cast<size_t>(length), L'\0');
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
        return TextFromWide(wide);
    }
#endif
    return bytes;
}

}  // namespace quillon
