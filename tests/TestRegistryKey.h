#pragma once

#ifdef _WIN32

#include <windows.h>

#include <string>
#include <utility>

namespace quillon::test {

// A registry key of the test's own under HKEY_CURRENT_USER, removed with the object.
class TestRegistryKey {
  public:
    explicit TestRegistryKey(std::wstring key) : key_(std::move(key)) {
        RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        &handle_, nullptr);
    }
    ~TestRegistryKey() {
        RegCloseKey(handle_);
        RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str());
    }
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;

    void Set(const std::wstring& name, const std::wstring& text) {
        RegSetValueExW(handle_, name.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

  private:
    std::wstring key_;
    HKEY handle_ = nullptr;
};

}  // namespace quillon::test

#endif
