#include "app/SearchPath.h"

#include "platform/PathText.h"

namespace quillon {
namespace {

constexpr const char* kProfilesFolder = "profiles";
constexpr const char* kDefaultProfileFile = "defaultprofile.dat";

}  // namespace

std::string SearchPath::FolderHolding(const std::string& name) const {
    for (const std::string& folder : folders_) {
        if (files_.IsRegularFile(FilesOf(folder).FolderOf(name) + name)) {
            return folder;
        }
    }
    return {};
}

KeyBindings SearchPath::Bindings(const GameProfile& game) const {
    const auto read = [&](const std::string& name) {
        const std::string folder = FolderHolding(name);
        return folder.empty() ? FileRead()
                              : files_.ReadRegularFile(FilesOf(folder).FolderOf(name) + name,
                                                       kLargestConfiguration);
    };
    std::string configuration = game.configurationFile;
    if (game.configurationInProfile) {
        const FileRead defaultProfile =
            read(std::string(kProfilesFolder) + kSeparator + kDefaultProfileFile);
        if (defaultProfile.status == FileRead::Status::Missing) {
            return DefaultBindings(game);
        }
        const std::string profile = ProfileNameIn(defaultProfile.content);
        if (defaultProfile.status == FileRead::Status::Refused || profile.empty()) {
            return {};
        }
        configuration = kProfilesFolder + std::string(1, kSeparator) + profile + kSeparator +
                        game.configurationFile;
    }
    const FileRead found = read(configuration);
    switch (found.status) {
        case FileRead::Status::Missing:
            return DefaultBindings(game);
        case FileRead::Status::Refused:
            return {};
        case FileRead::Status::Read:
            break;
    }
    return GamesOwn(ReadBindings(found.content, DefaultBindings(game)));
}

}  // namespace quillon
