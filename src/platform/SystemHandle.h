#pragma once

#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace quillon {

// Owns an open file or folder of the system: a file descriptor, or a Windows handle.
class SystemHandle {
  public:
#ifdef _WIN32
    using Native = HANDLE;
    static Native Invalid() {
        return INVALID_HANDLE_VALUE;
    }
#else
    using Native = int;
    static constexpr Native Invalid() {
        return -1;
    }
#endif

    SystemHandle() = default;
    explicit SystemHandle(Native handle) : handle_(handle) {}
    ~SystemHandle() {
        Close();
    }
    SystemHandle(SystemHandle&& other) noexcept : handle_(other.Release()) {}
    SystemHandle& operator=(SystemHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = other.Release();
        }
        return *this;
    }
    SystemHandle(const SystemHandle&) = delete;
    SystemHandle& operator=(const SystemHandle&) = delete;

    bool IsOpen() const {
        return handle_ != Invalid();
    }
    Native Get() const {
        return handle_;
    }
    Native Release() {
        return std::exchange(handle_, Invalid());
    }

    // Closes now; false when closing reports a failure (a write that did not reach the disk).
    bool Close() {
        if (!IsOpen()) {
            return true;
        }
#ifdef _WIN32
        return CloseHandle(Release()) != FALSE;
#else
        return close(Release()) == 0;
#endif
    }

  private:
    Native handle_ = Invalid();
};

}  // namespace quillon
