#pragma once

#ifdef _WIN32

#include <windows.h>

#include <string>
#include <utility>

namespace quillon::test {

// A registry key of the test's own under HKEY_CURRENT_USER, removed with the object.
class TestRegistryKey {
  public:
    explicit TestRegistryKey(std::wstring key) : key_(std::move(key)) {}
    ~TestRegistryKey() { RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str()); }
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;

    // Made with the key when it is the first.
    void Set(const std::wstring& name, const std::wstring& text, DWORD type = REG_SZ) {
        RegSetKeyValueW(HKEY_CURRENT_USER, key_.c_str(), name.c_str(), type, text.c_str(),
                        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

  private:
    std::wstring key_;
};

}  // namespace quillon::test

#endif
