#include "FolderChooser.h"

#include <objbase.h>
#include <shobjidl.h>

#include <memory>

namespace quillon::win32 {
namespace {

// Releases a COM object with its holder.
struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using ComHolder = std::unique_ptr<Interface, ComRelease>;

// COM for the length of one call, where the thread has none yet.
class ComApartment {
  public:
    ComApartment()
        : initialized_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (initialized_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool initialized_;
};

}  // namespace

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
