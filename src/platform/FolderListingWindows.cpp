#include <windows.h>

#include <shlwapi.h>

#include <atomic>
#include <cstddef>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/FolderListing.h"
#include "platform/PathText.h"
#include "platform/SystemError.h"
#include "platform/SystemHandle.h"
#include "platform/WideText.h"

namespace quillon {

// Windows lists by path; there is nothing to keep open.
struct OpenFolder {};

namespace {

std::atomic<int64_t> folderOpens{0};

// The folder's identity from its open handle: the 128-bit id where the file system and the
// system give it, else the 64-bit index.
FolderId IdentityOf(HANDLE folder) {
    FILE_ID_INFO full{};
    if (GetFileInformationByHandleEx(folder, FileIdInfo, &full, sizeof full)) {
        uint64_t low = 0;
        uint64_t high = 0;
        static_assert(sizeof full.FileId.Identifier == sizeof low + sizeof high);
        std::memcpy(&low, full.FileId.Identifier, sizeof low);
        std::memcpy(&high, full.FileId.Identifier + sizeof low, sizeof high);
        return {full.VolumeSerialNumber, low, high};
    }
    BY_HANDLE_FILE_INFORMATION info{};
    GetFileInformationByHandle(folder, &info);
    return {info.dwVolumeSerialNumber,
            (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow, 0};
}

// Adds one entry of the listing: a subfolder to walk, or a file that matches.
void Note(const std::wstring& name, DWORD attributes, const std::wstring& pattern,
          FolderListing& listing) {
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        if (!name.empty() && name[0] != L'.') {
            listing.entries.push_back({TextFromWide(name), true});
        }
        return;
    }
    ++listing.filesSeen;
    if (PathMatchSpecW(name.c_str(), pattern.c_str())) {
        listing.entries.push_back({TextFromWide(name), false});
    }
}

// Reads the entries through the folder's own handle; false when the system or the file system
// cannot list that way, before anything was read.
bool ListThroughHandle(HANDLE folder, const std::wstring& pattern, FolderListing& listing) {
    constexpr DWORD kBufferSize = 64 * 1024;
    alignas(8) static thread_local std::byte buffer[kBufferSize];
    FILE_INFO_BY_HANDLE_CLASS request = FileIdBothDirectoryRestartInfo;
    while (GetFileInformationByHandleEx(folder, request, buffer, kBufferSize)) {
        request = FileIdBothDirectoryInfo;
        for (size_t offset = 0;;) {
            const auto* entry = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(buffer + offset);
            Note(std::wstring(entry->FileName, entry->FileNameLength / sizeof(wchar_t)),
                 entry->FileAttributes, pattern, listing);
            if (entry->NextEntryOffset == 0) {
                break;
            }
            offset += entry->NextEntryOffset;
        }
    }
    const DWORD error = GetLastError();
    return error == ERROR_NO_MORE_FILES || request == FileIdBothDirectoryInfo;
}

// The classic listing by path, for where listing through the handle is not to be had.
void ListByPath(const std::wstring& folder, const std::wstring& pattern, FolderListing& listing) {
    ++folderOpens;
    WIN32_FIND_DATAW data{};
    const HANDLE find = FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        Note(TrimAtNul(data.cFileName, MAX_PATH), data.dwFileAttributes, pattern, listing);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

}  // namespace

bool NameMatchesPattern(const std::string& name, const std::string& pattern) {
    return PathMatchSpecW(WideFromText(name).c_str(), WideFromText(pattern).c_str()) != FALSE;
}

int64_t FolderOpenCount() {
    return folderOpens;
}

size_t FoldersKeptOpenAtMost() {
    return 0;  // nothing is kept open: folders are listed by path
}

// One open per folder: the handle gives the folder's identity and then its entries.
Status ListFolder(const std::string& folder, const std::string& pattern, FolderListing& listing,
                  const OpenFolder*, const std::string&) {
    const std::wstring path = LongPathForm(WideFromText(folder));
    ++folderOpens;
    const SystemHandle handle(CreateFileW(path.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                          nullptr));
    if (!handle.IsOpen()) {
        return SystemError(static_cast<int>(GetLastError()));
    }
    listing.id = IdentityOf(handle.Get());
    listing.entries.clear();
    listing.filesSeen = 0;
    const std::wstring widePattern = WideFromText(pattern);
    if (!ListThroughHandle(handle.Get(), widePattern, listing)) {
        listing.entries.clear();
        listing.filesSeen = 0;
        ListByPath(path, widePattern, listing);
    }
    return Status::Success();
}

}  // namespace quillon
