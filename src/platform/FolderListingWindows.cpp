#include <windows.h>

#include <shlwapi.h>

#include "platform/FolderListing.h"
#include "platform/PathText.h"
#include "platform/WideText.h"

namespace quillon {

// Windows lists by path; there is nothing to keep open.
struct OpenFolder {};

namespace {

bool IdentifyFolder(const std::wstring& folder, FolderId& id) {
    const HANDLE handle =
        CreateFileW(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(handle, &info) != 0;
    CloseHandle(handle);
    id = {info.dwVolumeSerialNumber,
          (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
    return known;
}

}  // namespace

bool NameMatchesPattern(const std::string& name, const std::string& pattern) {
    return PathMatchSpecW(WideFromText(name).c_str(), WideFromText(pattern).c_str()) != FALSE;
}

size_t FoldersKeptOpenAtMost() {
    return 0;  // nothing is kept open: folders are listed by path
}

ListOutcome ListFolder(const std::string& folder, const std::string& pattern,
                       FolderListing& listing, const OpenFolder*, const std::string&) {
    const std::wstring apiFolder = LongPathForm(WideFromText(folder));
    if (!IdentifyFolder(apiFolder, listing.id)) {
        return GetLastError() == ERROR_TOO_MANY_OPEN_FILES ? ListOutcome::OutOfHandles
                                                           : ListOutcome::Unlistable;
    }
    listing.entries.clear();
    listing.filesSeen = 0;

    WIN32_FIND_DATAW data{};
    const HANDLE find = FindFirstFileExW((apiFolder + L"*").c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_FILE_NOT_FOUND ? ListOutcome::Listed
                                                      : ListOutcome::Unlistable;
    }
    const std::wstring widePattern = WideFromText(pattern);
    do {
        const std::wstring name = TrimAtNul(data.cFileName, MAX_PATH);
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            if (!name.empty() && name[0] != L'.') {
                listing.entries.push_back({TextFromWide(name), true});
            }
        } else {
            ++listing.filesSeen;
            if (PathMatchSpecW(name.c_str(), widePattern.c_str())) {
                listing.entries.push_back({TextFromWide(name), false});
            }
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return ListOutcome::Listed;
}

}  // namespace quillon
