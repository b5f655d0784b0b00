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

std::optional<KeyBindings> SearchPath::KnownBindings(const GameProfile& game, Engine engine) const {
    const auto read = [&](const std::string& name) {
        const std::string folder = FolderHolding(name);
        return folder.empty() ? NothingRead()
                              : files_.ReadRegularFile(FilesOf(folder).FolderOf(name) + name,
                                                       kLargestConfiguration);
    };
    std::string configuration = game.configurationFile;
    if (game.configurationInProfile) {
        // Without a profile named, the game runs the configuration beside the profiles.
        const Result<std::string> defaultProfile =
            read(std::string(kProfilesFolder) + kSeparator + kDefaultProfileFile);
        if (!defaultProfile.Ok() && defaultProfile.Kind() != ErrorKind::Missing) {
            return std::nullopt;
        }
        const std::optional<std::string> profile =
            defaultProfile.Ok() ? ProfileNameIn(defaultProfile.Get()) : std::nullopt;
        if (profile && profile->empty()) {
            return std::nullopt;
        }
        if (profile) {
            configuration = kProfilesFolder + std::string(1, kSeparator) + *profile + kSeparator +
                            game.configurationFile;
        }
    }
    const Result<std::string> found = read(configuration);
    if (found.Kind() == ErrorKind::Missing) {
        return DefaultBindings(game);
    }
    if (!found.Ok()) {
        return std::nullopt;
    }
    return GamesOwn(ReadBindings(found.Get(), DefaultBindings(game), engine));
}

}  // namespace quillon
