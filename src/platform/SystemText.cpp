#include "platform/SystemText.h"

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

std::string TextFromEditor(const std::string& bytes) {
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
