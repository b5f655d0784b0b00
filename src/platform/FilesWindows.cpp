#include <windows.h>

#include <string>
#include <utility>

#include "platform/Files.h"
#include "platform/NewFile.h"
#include "platform/PathText.h"
#include "platform/WideText.h"

namespace quillon {
namespace {

// Owns a file handle.
class UniqueHandle {
  public:
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE Get() const { return handle_; }
    bool Close() { return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != FALSE; }

  private:
    HANDLE handle_;
};

// The system's words for an error code, without the line break it ends in.
std::string SystemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length > 0 ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' ||
                               reason.back() == L' ' || reason.back() == L'.')) {
        reason.pop_back();
    }
    return reason.empty() ? "error " + std::to_string(error) : TextFromWide(reason);
}

// A name for the new file that no other writer picks: the process, a counter and the time.
std::wstring UniqueName(const std::wstring& destination) {
    static LONG counter = 0;
    const LONG serial = InterlockedIncrement(&counter);
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return destination + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(serial) + L"-" + std::to_wstring(now.QuadPart % 1000000) + L".tmp";
}

}  // namespace

FileRead ReadRegularFile(const std::string& fileName, size_t limit) {
    FileRead result;
    const std::wstring path = LongPathForm(WideFromText(fileName));
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        result.status = missing ? FileRead::Status::Missing : FileRead::Status::Refused;
        result.reason = SystemReason(error);
        return result;
    }
    result.status = FileRead::Status::Refused;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        result.reason = *RefusalOf(FileKind::Folder, 0, limit);
        return result;
    }
    const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        result.reason = SystemReason(GetLastError());
        return result;
    }
    LARGE_INTEGER size{};
    const bool regular =
        GetFileType(file.Get()) == FILE_TYPE_DISK && GetFileSizeEx(file.Get(), &size);
    if (const auto refusal = RefusalOf(regular ? FileKind::Regular : FileKind::Other,
                                       static_cast<uint64_t>(size.QuadPart), limit)) {
        result.reason = *refusal;
        return result;
    }
    std::string content(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < content.size()) {
        DWORD got = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<size_t>(content.size() - done, 1 << 20));
        if (!ReadFile(file.Get(), content.data() + done, wanted, &got, nullptr)) {
            result.reason = SystemReason(GetLastError());
            return result;
        }
        if (got == 0) {
            break;  // it shrank meanwhile
        }
        done += got;
    }
    content.resize(done);
    result.status = FileRead::Status::Read;
    result.content = std::move(content);
    return result;
}

Outcome PutNewFileInPlace(const std::string& destination, const std::string& content) {
    const std::wstring target = LongPathForm(WideFromText(destination));
    std::wstring temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = UniqueName(target);
        created = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
            break;
        }
    }
    UniqueHandle file(created);
    if (file.Get() == INVALID_HANDLE_VALUE) {
        return Outcome::Failure("no new file could be made beside it (" +
                                SystemReason(GetLastError()) + ")");
    }
    TemporaryFile guard(temporary);
    size_t written = 0;
    while (written < content.size()) {
        DWORD done = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(content.size() - written, 1 << 20));
        if (!WriteFile(file.Get(), content.data() + written, chunk, &done, nullptr)) {
            return Outcome::Failure(SystemReason(GetLastError()));
        }
        written += done;
    }
    if (!FlushFileBuffers(file.Get()) || !file.Close()) {
        return Outcome::Failure(SystemReason(GetLastError()));
    }
    // While another program has the destination open (a second Quillon checking its own
    // export, a virus scanner), the system refuses to replace it for a moment: try again.
    constexpr int kReplaceAttempts = 100;
    constexpr DWORD kReplacePause = 10;
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(temporary.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            break;
        }
        const DWORD error = GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) ||
            attempt == kReplaceAttempts) {
            return Outcome::Failure(SystemReason(error));
        }
        Sleep(kReplacePause);
    }
    guard.Keep();
    return Outcome::Success();
}

}  // namespace quillon
