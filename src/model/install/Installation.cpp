#include "model/install/Installation.h"

#include <algorithm>

#include "model/install/GameFolders.h"
#include "platform/PathText.h"
#include "platform/TextCase.h"

namespace quillon {
namespace {

std::string ParentOf(const std::string& folder) {
    return FolderOfFile(folder.substr(0, folder.size() - 1));
}

// `relative` ("ETLegacy\etmain", ".wolf/main") below `base`, in this system's separators,
// ending in the separator.
std::string Below(const std::string& base, const std::string& relative) {
    std::string joined = EnsureTrailingSeparator(base) + relative;
    std::replace_if(
        joined.begin(), joined.end(), [](char c) { return c == '/' || c == '\\'; }, kSeparator);
    return EnsureTrailingSeparator(joined);
}

// The parts of a path between its separators.
std::vector<std::string> PartsOf(const std::string& path) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t end = std::min(path.find_first_of("/\\", start), path.size());
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The path of the first `count` parts, ending in the separator.
std::string FirstParts(const std::vector<std::string>& parts, size_t count) {
    std::string path;
    for (size_t at = 0; at < count; ++at) {
        path += parts[at] + kSeparator;
    }
    return path;
}

// A Steam library's game is the Windows game, run by Proton in a prefix of the library's own
// for the game's app: "steamapps/compatdata/<app>/pfx".
std::string ProtonPrefixOf(const std::string& path, const GameProfile& game) {
    const std::string manifest = game.steamAppManifest;
    const std::string before = "appmanifest_";
    const size_t dot = manifest.rfind('.');
    if (manifest.rfind(before, 0) != 0 || dot == std::string::npos) {
        return {};
    }
    const std::string app = manifest.substr(before.size(), dot - before.size());
    const std::vector<std::string> parts = PartsOf(path);
    for (size_t at = 0; at + 1 < parts.size(); ++at) {
        if (SameIgnoringCase(parts[at], "steamapps") && SameIgnoringCase(parts[at + 1], "common")) {
            return Below(FirstParts(parts, at + 1), "compatdata/" + app + "/pfx");
        }
    }
    return {};
}

// A folder the engine keeps for the user, known by its mark or by its place.
bool IsUserFolder(const std::string& folder, const FolderMark* mark,
                  const std::vector<std::string>& userFolders) {
    return (mark != nullptr && mark->parentName != nullptr) ||
           std::any_of(userFolders.begin(), userFolders.end(),
                       [&](const std::string& user) { return SameIgnoringCase(user, folder); });
}

class Order {
  public:
    void Add(const std::string& folder, bool userFolder) {
        if (std::none_of(folders_.begin(), folders_.end(),
                         [&](const SearchedFolder& added) { return added.folder == folder; })) {
            folders_.push_back({folder, userFolder});
        }
    }
    std::vector<SearchedFolder> Folders() && { return std::move(folders_); }

  private:
    std::vector<SearchedFolder> folders_;
};

std::string Sibling(const std::string& folder, const char* name) {
    return ParentOf(folder) + name + kSeparator;
}

}  // namespace

UserPlaces UserPlacesOf(const Environment& environment) {
    UserPlaces places;
#ifdef _WIN32
    places.windows = true;
    places.userRoot = environment.KnownFolderPath(KnownFolder::Documents);
#else
    places.userRoot = environment.Variable("HOME");
    places.userName = environment.Variable("USER");
#endif
    return places;
}

std::vector<std::string> Installation::SearchedFolders() const {
    std::vector<std::string> folders;
    for (const SearchedFolder& searched : searchOrder) {
        folders.push_back(searched.folder);
    }
    return folders;
}

std::string WinePrefixOf(const std::string& path) {
    const std::vector<std::string> parts = PartsOf(path);
    for (size_t at = 1; at < parts.size(); ++at) {
        const bool driveC = SameIgnoringCase(parts[at], "drive_c");
        const bool device = SameIgnoringCase(parts[at - 1], "dosdevices") &&
                            parts[at].size() == 2 && parts[at][1] == ':';
        if (driveC || device) {
            return FirstParts(parts, driveC ? at : at - 1);
        }
    }
    return {};
}

std::string WineDocumentsOf(FileSystem& files, const std::string& prefix,
                            const std::string& userName) {
    const std::string users = Below(prefix, "drive_c/users");
    FolderListing listing;
    if (prefix.empty() || !files.ListFolder(users, "", listing).Ok()) {
        return {};
    }
    // Wine names the user's folder after the user (Proton's is "steamuser"); "Public" is every
    // user's. The user's own first, else the only other one.
    std::vector<std::string> names;
    for (const FolderEntry& entry : listing.entries) {
        if (entry.isFolder && !SameIgnoringCase(entry.name, "Public")) {
            names.insert(entry.name == userName ? names.begin() : names.end(), entry.name);
        }
    }
    if (names.empty() || (names.size() > 1 && names.front() != userName)) {
        return {};
    }
    // Older Wine names it "My Documents".
    for (const char* documents : {"Documents", "My Documents"}) {
        const std::string folder = Below(users + names.front(), documents);
        if (files.IsFolder(folder)) {
            return folder;
        }
    }
    return {};
}

Installation InstallationOf(FileSystem& files, const std::string& folder, const UserPlaces& places,
                            const InstallationsReading& installationsReading) {
    Installation installation;
    installation.gameFolder = folder;
    installation.scriptFolder = folder;
    // A folder that no longer shows whose it is stays the first game's, as before there were
    // others.
    installation.game = GameOfFolder(files, folder).value_or(Game::ReturnToCastleWolfenstein);
    const GameProfile& game = ProfileOf(installation.game);
    const FolderMark* mark = MarkOfFolder(files, folder, game);
    installation.engine = mark != nullptr ? mark->engine : Engine::Original;
    if (!places.windows) {
        installation.winePrefix = WinePrefixOf(folder);
        if (installation.winePrefix.empty()) {
            installation.winePrefix = ProtonPrefixOf(folder, game);
        }
    }
    installation.windowsGame = places.windows || !installation.winePrefix.empty();

    // The user folders of the engine: below the home folder of a native game, below Documents
    // of the Windows game (the prefix's under Wine).
    const std::string userRoot =
        installation.winePrefix.empty()
            ? places.userRoot
            : WineDocumentsOf(files, installation.winePrefix, places.userName);
    const std::vector<const char*>& names =
        installation.windowsGame ? game.documentsFolders : game.homeFolders;
    std::vector<std::string> userFolders;
    if (!userRoot.empty()) {
        for (const char* name : names) {
            userFolders.push_back(Below(userRoot, name));
        }
    }
    const char* own = mark != nullptr ? mark->ownFolder : nullptr;
    Order order;

    if (IsUserFolder(folder, mark, userFolders)) {
        // The user folder is the home path; the installations are searched after it.
        const std::vector<std::string> installations =
            installationsReading ? installationsReading(game, folder) : std::vector<std::string>();
        if (own != nullptr) {
            order.Add(Sibling(folder, own), true);
            for (const std::string& installed : installations) {
                order.Add(Sibling(installed, own), false);
            }
        }
        order.Add(folder, true);
        for (const std::string& installed : installations) {
            order.Add(installed, false);
        }
        installation.searchOrder = std::move(order).Folders();
        return installation;
    }

    installation.root = ParentOf(folder);
    if (mark != nullptr && mark->userFolder >= 0) {
        // The game reads the player's files from its user folder, searched first.
        if (userRoot.empty()) {
            installation.userFolderUnknown = true;
        } else {
            installation.scriptFolder = userFolders.at(static_cast<size_t>(mark->userFolder));
        }
    }
    if (own != nullptr) {
        if (installation.scriptFolder != folder) {
            order.Add(Sibling(installation.scriptFolder, own), true);
        }
        order.Add(Sibling(folder, own), false);
        if (installation.scriptFolder != folder) {
            order.Add(installation.scriptFolder, true);
        }
    } else {
        // An engine with a home path searches it first where it has one; the user folders of
        // an engine with a game folder of its own are another engine's.
        for (const std::string& home : userFolders) {
            if (!files.IsFolder(home)) {
                continue;
            }
            const FolderMark* homeMark = MarkOfFolder(files, home, game);
            if (homeMark == nullptr || homeMark->ownFolder == nullptr) {
                order.Add(home, true);
            }
        }
    }
    order.Add(folder, false);
    installation.searchOrder = std::move(order).Folders();
    return installation;
}

}  // namespace quillon
