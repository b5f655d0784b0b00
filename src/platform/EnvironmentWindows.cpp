#include <shlobj.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Environment.h"
#include "platform/PathText.h"
#include "platform/Registry.h"
#include "platform/WideText.h"

namespace quillon {
namespace {

REFKNOWNFOLDERID IdOf(KnownFolder folder) {
    switch (folder) {
        case KnownFolder::Documents:
            return FOLDERID_Documents;
        case KnownFolder::LocalAppData:
            return FOLDERID_LocalAppData;
        case KnownFolder::RoamingAppData:
            return FOLDERID_RoamingAppData;
        case KnownFolder::ProgramFiles:
            return FOLDERID_ProgramFiles;
        case KnownFolder::ProgramFilesX86:
            break;
    }
    return FOLDERID_ProgramFilesX86;
}

class SystemEnvironment : public Environment {
  public:
    std::string Variable(const std::string& name) const override {
        const wchar_t* value = _wgetenv(WideFromText(name).c_str());
        return value != nullptr ? TextFromWide(value) : std::string();
    }
    std::string CurrentFolder() const override {
        std::error_code error;
        const std::filesystem::path current = std::filesystem::current_path(error);
        return error ? std::string() : TextFromPath(current);
    }
    std::string ProgramFolder() const override {
        std::wstring path(MAX_PATH, L'\0');
        DWORD length = 0;
        while ((length = GetModuleFileNameW(nullptr, path.data(),
                                            static_cast<DWORD>(path.size()))) == path.size()) {
            path.resize(path.size() * 2);  // cut short: a long path
        }
        path.resize(length);
        return TextFromWide(path.substr(0, path.find_last_of(L'\\')));
    }
    std::string KnownFolderPath(KnownFolder folder) const override {
        wchar_t* path = nullptr;
        const bool found =
            SUCCEEDED(SHGetKnownFolderPath(IdOf(folder), KF_FLAG_DEFAULT, nullptr, &path));
        const std::string text = found ? TextFromWide(path) : std::string();
        CoTaskMemFree(path);
        return text;
    }
    std::optional<std::string> RegistryText(RegistryRoot root, const std::string& key,
                                            const std::string& value,
                                            RegistryView view) const override {
        return quillon::RegistryText(root, key, value, view);
    }
    std::vector<std::string> RegistrySubkeys(RegistryRoot root, const std::string& key,
                                             RegistryView view) const override {
        return quillon::RegistrySubkeys(root, key, view);
    }
};

}  // namespace

const Environment& RealEnvironment() {
    static const SystemEnvironment environment;
    return environment;
}

}  // namespace quillon
