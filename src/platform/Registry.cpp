#ifdef _WIN32

#include "platform/Registry.h"

#include <windows.h>

#include <memory>
#include <type_traits>

#include "platform/WideText.h"

namespace quillon {
namespace {

struct KeyRelease {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using OwnedKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyRelease>;

OwnedKey OpenKey(RegistryRoot root, const std::string& key, RegistryView view) {
    REGSAM access = KEY_READ;
    if (view == RegistryView::Bits32) {
        access |= KEY_WOW64_32KEY;
    } else if (view == RegistryView::Bits64) {
        access |= KEY_WOW64_64KEY;
    }
    HKEY opened = nullptr;
    const HKEY base = root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    if (RegOpenKeyExW(base, WideFromText(key).c_str(), 0, access, &opened) != ERROR_SUCCESS) {
        return nullptr;
    }
    return OwnedKey(opened);
}

}  // namespace

std::optional<std::string> RegistryText(RegistryRoot root, const std::string& key,
                                        const std::string& value, RegistryView view) {
    const OwnedKey opened = OpenKey(root, key, view);
    if (!opened) {
        return std::nullopt;
    }
    const std::wstring name = WideFromText(value);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ) || size > 64 * 1024) {
        return std::nullopt;
    }
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(wcsnlen(text.c_str(), text.size()));
    if (type == REG_EXPAND_SZ) {
        // Installers write such a value with the system's variables: %SystemDrive%\Games\...
        const DWORD length = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
        std::wstring expanded(length, L'\0');
        if (length == 0 || ExpandEnvironmentStringsW(text.c_str(), expanded.data(), length) == 0) {
            return std::nullopt;
        }
        expanded.resize(wcsnlen(expanded.c_str(), expanded.size()));
        return TextFromWide(expanded);
    }
    return TextFromWide(text);
}

bool SetRegistryText(RegistryRoot root, const std::string& key, const std::string& value,
                     const std::string& text) {
    const std::wstring wide = WideFromText(text);
    const HKEY base = root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    return RegSetKeyValueW(base, WideFromText(key).c_str(), WideFromText(value).c_str(), REG_SZ,
                           wide.c_str(), static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))) ==
           ERROR_SUCCESS;
}

std::vector<std::string> RegistrySubkeys(RegistryRoot root, const std::string& key,
                                         RegistryView view) {
    std::vector<std::string> names;
    const OwnedKey opened = OpenKey(root, key, view);
    if (!opened) {
        return names;
    }
    constexpr DWORD kLongestKeyName = 256;
    for (DWORD index = 0;; ++index) {
        wchar_t name[kLongestKeyName] = {};
        DWORD length = kLongestKeyName;
        const LONG status =
            RegEnumKeyExW(opened.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status != ERROR_SUCCESS) {
            break;
        }
        names.push_back(TextFromWide(std::wstring(name, length)));
    }
    return names;
}

}  // namespace quillon

#endif
