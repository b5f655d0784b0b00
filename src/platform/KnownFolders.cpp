#include "platform/KnownFolders.h"

#ifdef _WIN32

#include <shlobj.h>
#include <windows.h>

#include "platform/WideText.h"

namespace quillon {
namespace {

std::string KnownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    const bool found = SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path));
    const std::string text = found ? TextFromWide(path) : std::string();
    CoTaskMemFree(path);
    return text;
}

}  // namespace

std::string DocumentsFolder() {
    return KnownFolder(FOLDERID_Documents);
}

std::string LocalAppDataFolder() {
    return KnownFolder(FOLDERID_LocalAppData);
}

std::string RoamingAppDataFolder() {
    return KnownFolder(FOLDERID_RoamingAppData);
}

std::string ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);  // cut short: a long path
    }
    path.resize(length);
    return TextFromWide(path.substr(0, path.find_last_of(L'\\')));
}

std::vector<std::string> ProgramFilesFolders() {
    std::vector<std::string> folders;
    for (const std::string& folder :
         {KnownFolder(FOLDERID_ProgramFiles), KnownFolder(FOLDERID_ProgramFilesX86)}) {
        if (!folder.empty() && (folders.empty() || folders.front() != folder)) {
            folders.push_back(folder);
        }
    }
    return folders;
}

}  // namespace quillon

#endif
