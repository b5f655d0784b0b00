#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <utility>

#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/SystemError.h"
#include "platform/SystemFileSystem.h"
#include "platform/SystemHandle.h"
#include "platform/TextCase.h"
#include "platform/WideText.h"

namespace quillon {
namespace {

Status LastError() {
    return SystemError(static_cast<int>(GetLastError()));
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

class WindowsNewFile : public NewFile {
  public:
    // `path` as the program names it; the system is given its long form.
    WindowsNewFile(const std::wstring& path, SystemHandle file)
        : widePath_(LongPathForm(path)), path_(TextFromWide(path)), file_(std::move(file)) {}
    ~WindowsNewFile() override {
        file_.Close();
        if (!kept_) {
            DeleteFileW(widePath_.c_str());
        }
    }

    const std::string& Path() const override { return path_; }

    Status Write(const char* data, size_t size, size_t& written) override {
        DWORD done = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(size, 1 << 20));
        written = 0;
        if (!WriteFile(file_.Get(), data, chunk, &done, nullptr)) {
            return LastError();
        }
        written = done;
        return Status::Success();
    }

    Status FlushAndClose() override {
        if (!FlushFileBuffers(file_.Get()) || !file_.Close()) {
            return LastError();
        }
        return Status::Success();
    }

    void Keep() override { kept_ = true; }

  private:
    std::wstring widePath_;
    std::string path_;
    SystemHandle file_;
    bool kept_ = false;
};

// The path of the file an open handle leads to, after every link.
std::wstring FinalPathOf(HANDLE file) {
    const DWORD flags = FILE_NAME_NORMALIZED | VOLUME_NAME_DOS;
    std::wstring path(GetFinalPathNameByHandleW(file, nullptr, 0, flags), L'\0');
    const DWORD length =
        GetFinalPathNameByHandleW(file, path.data(), static_cast<DWORD>(path.size()), flags);
    path.resize(length < path.size() ? length : 0);
    return path;
}

std::wstring FullPathOf(const std::wstring& path) {
    std::wstring full(GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD length =
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    full.resize(length < full.size() ? length : 0);
    return full;
}

// A path as the program keeps it: without the \\?\ form's prefix.
std::string WithoutLongPathPrefix(const std::wstring& path) {
    const std::wstring prefix = L"\\\\?\\";
    const std::wstring unc = prefix + L"UNC\\";
    if (path.rfind(unc, 0) == 0) {
        return TextFromWide(L"\\\\" + path.substr(unc.size()));
    }
    return TextFromWide(path.rfind(prefix, 0) == 0 ? path.substr(prefix.size()) : path);
}

// A place of a lock file: one byte, locked through its own handle, so that two holders in one
// process exclude each other as two processes do.
class WindowsHeldLock : public HeldLock {
  public:
    explicit WindowsHeldLock(SystemHandle file) : file_(std::move(file)) {}

  private:
    SystemHandle file_;
};

// A folder held for this process's writes: a named mutex of the session, which the system lets
// go however its owner ends. A mutex is its owning thread's again at each wait, so the names held
// in this process are kept apart too.
class WindowsHeldFolder : public HeldLock {
  public:
    WindowsHeldFolder(std::wstring name, SystemHandle mutex)
        : name_(std::move(name)), mutex_(std::move(mutex)) {}
    ~WindowsHeldFolder() override {
        ReleaseMutex(mutex_.Get());
        const std::lock_guard<std::mutex> lock(HeldNamesMutex());
        HeldNames().erase(name_);
    }
    WindowsHeldFolder(const WindowsHeldFolder&) = delete;
    WindowsHeldFolder& operator=(const WindowsHeldFolder&) = delete;

    static std::mutex& HeldNamesMutex() {
        static std::mutex mutex;
        return mutex;
    }
    static std::set<std::wstring>& HeldNames() {
        static std::set<std::wstring> names;
        return names;
    }

  private:
    std::wstring name_;
    SystemHandle mutex_;
};

// The mutex's name for a folder, by whatever path or letter case it is reached: its full path
// in lower case, hashed, since a name may hold no backslash.
std::wstring FolderMutexName(const std::wstring& folder) {
    std::wstring path = FinalPathOf(
        SystemHandle(CreateFileW(folder.c_str(), 0,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr))
            .Get());
    if (path.empty()) {
        path = FullPathOf(folder);
    }
    CharLowerBuffW(path.data(), static_cast<DWORD>(path.size()));
    uint64_t hash = 14695981039346656037ULL;  // FNV-1a
    for (const wchar_t unit : path) {
        hash = (hash ^ static_cast<uint64_t>(unit)) * 1099511628211ULL;
    }
    wchar_t hex[17] = {};
    for (int digit = 15; digit >= 0; --digit, hash >>= 4) {
        hex[digit] = L"0123456789abcdef"[hash & 15];
    }
    return L"Local\\Quillon-folder-" + std::wstring(hex);
}

class WindowsFileSystem : public SystemFileSystem {
  public:
    bool IsFolder(const std::string& path) override {
        const DWORD attributes = GetFileAttributesW(LongPathForm(WideFromText(path)).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES &&
               (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }

    bool IsRegularFile(const std::string& path) override {
        const DWORD attributes = GetFileAttributesW(LongPathForm(WideFromText(path)).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES &&
               (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
    }

    std::optional<std::string> LinkTarget(const std::string& path) override {
        const std::wstring wide = LongPathForm(WideFromText(path));
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        const bool reparse = attributes != INVALID_FILE_ATTRIBUTES &&
                             (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        const SystemHandle file(
            CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        if (!file.IsOpen()) {
            return reparse ? std::optional<std::string>(std::string()) : std::nullopt;
        }
        // Wine shows a link of the system beneath it as the file itself; only the path the
        // system ends at tells.
        const std::string final = WithoutLongPathPrefix(FinalPathOf(file.Get()));
        if (final.empty() ||
            (!reparse && SameIgnoringCase(final, WithoutLongPathPrefix(FullPathOf(wide))))) {
            return std::nullopt;
        }
        return final;
    }

    bool IsReadOnly(const std::string& path) override {
        const DWORD attributes = GetFileAttributesW(LongPathForm(WideFromText(path)).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES &&
               (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) ==
                   FILE_ATTRIBUTE_READONLY;
    }

    Result<std::unique_ptr<HeldLock>> TryLock(const std::string& path, size_t slot) override {
        SystemHandle file(CreateFileW(LongPathForm(WideFromText(path)).c_str(),
                                      GENERIC_READ | GENERIC_WRITE,
                                      // not FILE_SHARE_DELETE: nobody deletes it while it is held
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsOpen()) {
            return LastError();
        }
        OVERLAPPED place{};
        place.Offset = static_cast<DWORD>(slot);
        if (!LockFileEx(file.Get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                        &place)) {
            const DWORD code = GetLastError();
            const Status error = SystemError(static_cast<int>(code));
            return code == ERROR_LOCK_VIOLATION ? Status::Failure(ErrorKind::Busy, error.Message())
                                                : error;
        }
        return std::unique_ptr<HeldLock>(std::make_unique<WindowsHeldLock>(std::move(file)));
    }

    Result<std::unique_ptr<HeldLock>> TryLockFolder(const std::string& folder) override {
        const std::wstring name = FolderMutexName(LongPathForm(WideFromText(folder)));
        const std::lock_guard<std::mutex> lock(WindowsHeldFolder::HeldNamesMutex());
        const Status busy = Status::Failure(ErrorKind::Busy, "another program holds the folder");
        if (WindowsHeldFolder::HeldNames().count(name) != 0) {
            return busy;
        }
        SystemHandle mutex(CreateMutexW(nullptr, FALSE, name.c_str()));
        if (mutex.Get() == nullptr) {
            mutex.Release();
            return LastError();
        }
        // An owner that ended without letting go leaves it abandoned: it is ours then.
        const DWORD waited = WaitForSingleObject(mutex.Get(), 0);
        if (waited == WAIT_TIMEOUT) {
            return busy;
        }
        if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
            return LastError();
        }
        WindowsHeldFolder::HeldNames().insert(name);
        return std::unique_ptr<HeldLock>(
            std::make_unique<WindowsHeldFolder>(name, std::move(mutex)));
    }

    bool Exists(const std::string& path) override {
        return path.size() <= kLongestPath && path.find('\0') == std::string::npos &&
               GetFileAttributesW(LongPathForm(WideFromText(path)).c_str()) !=
                   INVALID_FILE_ATTRIBUTES;
    }

    Result<std::unique_ptr<NewFile>> CreateNewFileBeside(const std::string& destination) override {
        const std::wstring target = WideFromText(destination);
        for (int attempt = 0; attempt < 100; ++attempt) {
            // The long form of the whole name: the unique part may take a path near the
            // classic limit past it.
            const std::wstring name = UniqueName(target);
            SystemHandle created(CreateFileW(LongPathForm(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                             CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (created.IsOpen()) {
                return std::unique_ptr<NewFile>(
                    std::make_unique<WindowsNewFile>(name, std::move(created)));
            }
            if (GetLastError() != ERROR_FILE_EXISTS) {
                break;
            }
        }
        return LastError();
    }

    Status Replace(const std::string& from, const std::string& to) override {
        const std::wstring source = LongPathForm(WideFromText(from));
        const std::wstring target = LongPathForm(WideFromText(to));
        // While another program has the destination open (a second Quillon checking its own
        // export, a virus scanner), the system refuses to replace it for a moment: try again.
        constexpr int kReplaceAttempts = 100;
        constexpr DWORD kReplacePause = 10;
        // The system refuses to replace a read-only file: the mark moves to the new one first,
        // and back should the replace fail.
        const DWORD attributes = GetFileAttributesW(target.c_str());
        const bool readOnly =
            attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
        if (readOnly) {
            SetFileAttributesW(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
            SetFileAttributesW(source.c_str(),
                               GetFileAttributesW(source.c_str()) | FILE_ATTRIBUTE_READONLY);
        }
        for (int attempt = 1;; ++attempt) {
            if (MoveFileExW(source.c_str(), target.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
                return Status::Success();
            }
            const DWORD error = GetLastError();
            if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) ||
                attempt == kReplaceAttempts) {
                if (readOnly) {
                    SetFileAttributesW(target.c_str(), attributes);
                    SetFileAttributesW(source.c_str(), FILE_ATTRIBUTE_NORMAL);
                }
                return SystemError(static_cast<int>(error));
            }
            Sleep(kReplacePause);
        }
    }

    Status Remove(const std::string& path) override {
        if (!DeleteFileW(LongPathForm(WideFromText(path)).c_str()) &&
            GetLastError() != ERROR_FILE_NOT_FOUND) {
            return LastError();
        }
        return Status::Success();
    }

    Status MakeFolder(const std::string& path) override {
        if (!CreateDirectoryW(LongPathForm(WideFromText(path)).c_str(), nullptr) &&
            !(GetLastError() == ERROR_ALREADY_EXISTS && IsFolder(path))) {
            return LastError();
        }
        return Status::Success();
    }
};

}  // namespace

Result<std::pair<SystemHandle, uint64_t>> OpenRegularFile(const std::string& fileName,
                                                          size_t limit) {
    const std::wstring path = LongPathForm(WideFromText(fileName));
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return LastError();
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return Readable(FileKind::Folder, 0, limit);
    }
    SystemHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        return LastError();
    }
    LARGE_INTEGER size{};
    const bool regular =
        GetFileType(file.Get()) == FILE_TYPE_DISK && GetFileSizeEx(file.Get(), &size);
    if (Status readable = Readable(regular ? FileKind::Regular : FileKind::Other,
                                   static_cast<uint64_t>(size.QuadPart), limit);
        !readable.Ok()) {
        return readable;
    }
    return std::make_pair(std::move(file), static_cast<uint64_t>(size.QuadPart));
}

Result<size_t> ReadSomeAt(const SystemHandle& file, uint64_t offset, char* into, size_t wanted) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    if (!ReadFile(file.Get(), into, static_cast<DWORD>(std::min<size_t>(wanted, 1 << 20)), &got,
                  &at)) {
        if (GetLastError() == ERROR_HANDLE_EOF) {
            return size_t{0};
        }
        return LastError();
    }
    return static_cast<size_t>(got);
}

FileSystem& RealFileSystem() {
    static WindowsFileSystem files;
    return files;
}

bool IsNewFileName(const std::string& name, const std::string& destinationName) {
    // UniqueName's "<destination>.<process>-<serial>-<time>.tmp".
    const std::string prefix = destinationName + ".";
    const std::string suffix = ".tmp";
    if (name.size() <= prefix.size() + suffix.size() ||
        name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    const std::string numbers =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    size_t dashes = 0;
    for (size_t at = 0; at < numbers.size(); ++at) {
        const bool dash = numbers[at] == '-';
        if (dash && (at == 0 || at + 1 == numbers.size() || numbers[at - 1] == '-')) {
            return false;
        }
        if (!dash && (numbers[at] < '0' || numbers[at] > '9')) {
            return false;
        }
        dashes += dash ? 1 : 0;
    }
    return dashes == 2;
}

}  // namespace quillon
