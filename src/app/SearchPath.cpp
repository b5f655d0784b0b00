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

std::optional<KeyBindings> SearchPath::KnownBindings(const GameProfile& game) const {
    const auto read = [&](const std::string& name) {
        const std::string folder = FolderHolding(name);
        return folder.empty() ? NothingRead()
                              : files_.ReadRegularFile(FilesOf(folder).FolderOf(name) + name,
                                                       kLargestConfiguration);
    };
    std::string configuration = game.configurationFile;
    if (game.configurationInProfile) {
        const Result<std::string> defaultProfile =
            read(std::string(kProfilesFolder) + kSeparator + kDefaultProfileFile);
        if (defaultProfile.Kind() == ErrorKind::Missing) {
            return DefaultBindings(game);
        }
        const std::string profile = ProfileNameIn(defaultProfile.Get());
        if (!defaultProfile.Ok() || profile.empty()) {
            return std::nullopt;
        }
        configuration = kProfilesFolder + std::string(1, kSeparator) + profile + kSeparator +
                        game.configurationFile;
    }
    const Result<std::string> found = read(configuration);
    if (found.Kind() == ErrorKind::Missing) {
        return DefaultBindings(game);
    }
    if (!found.Ok()) {
        return std::nullopt;
    }
    return GamesOwn(ReadBindings(found.Get(), DefaultBindings(game)));
}

}  // namespace quillon
