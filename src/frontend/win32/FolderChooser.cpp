#include "FolderChooser.h"

#include <shobjidl.h>

#include "Com.h"

namespace quillon::win32 {

std::optional<std::wstring> RunFolderChooser(HWND owner, const std::wstring& title,
                                             const std::wstring& start) {
    const ComApartment apartment;
    IFileOpenDialog* created = nullptr;
    if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&created)))) {
        return std::nullopt;
    }
    const ComHolder<IFileOpenDialog> chooser(created);
    FILEOPENDIALOGOPTIONS options = 0;
    chooser->GetOptions(&options);
    chooser->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
    chooser->SetTitle(title.c_str());
    IShellItem* folder = nullptr;
    if (!start.empty() &&
        SUCCEEDED(SHCreateItemFromParsingName(start.c_str(), nullptr, IID_PPV_ARGS(&folder)))) {
        const ComHolder<IShellItem> startFolder(folder);
        chooser->SetFolder(startFolder.get());
    }
    IShellItem* result = nullptr;
    if (FAILED(chooser->Show(owner)) || FAILED(chooser->GetResult(&result))) {
        return std::nullopt;
    }
    const ComHolder<IShellItem> picked(result);
    wchar_t* path = nullptr;
    if (FAILED(picked->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
        return std::nullopt;
    }
    std::wstring chosen(path);
    CoTaskMemFree(path);
    return chosen;
}

}  // namespace quillon::win32
