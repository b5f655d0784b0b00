#include "model/install/GameFolders.h"

#include <algorithm>

#include "platform/PathText.h"
#include "platform/TextCase.h"

namespace quillon {
namespace {

// The parent folder, and the folder's own name, for a folder path ending in the separator.
std::string ParentOf(const std::string& folder) {
    return FolderOfFile(folder.substr(0, folder.size() - 1));
}

std::string NameOf(const std::string& folder) {
    const size_t parent = ParentOf(folder).size();
    return folder.substr(parent, folder.size() - parent - 1);
}

// Whether the folder holds a regular file matching `path`, which may begin with "../" and have a
// folder part, in any letter case.
bool HoldsFile(FileSystem& files, const std::string& folder, std::string path) {
    std::string at = folder;
    if (path.rfind("../", 0) == 0) {
        at = ParentOf(folder);
        path = path.substr(3);
    }
    if (at.empty()) {
        return false;
    }
    const size_t slash = path.rfind('/');
    if (slash != std::string::npos) {
        at += path.substr(0, slash) + kSeparator;
        path = path.substr(slash + 1);
    }
    FolderListing listing;
    return files.ListFolder(at, path, listing).Ok() &&
           std::any_of(listing.entries.begin(), listing.entries.end(),
                       [&](const FolderEntry& entry) {
                           return !entry.isFolder && files.IsRegularFile(at + entry.name);
                       });
}

bool HasMark(FileSystem& files, const std::string& folder, const FolderMark& mark) {
    if (mark.parentName != nullptr) {
        return files.IsFolder(folder) &&
               SameIgnoringCase(NameOf(ParentOf(folder)), mark.parentName);
    }
    return std::all_of(mark.files.begin(), mark.files.end(),
                       [&](const char* file) { return HoldsFile(files, folder, file); });
}

}  // namespace

const FolderMark* MarkOfFolder(FileSystem& files, const std::string& folder,
                               const GameProfile& game) {
    const FolderMark* found = nullptr;
    for (const FolderMark& mark : game.marks) {
        if (HasMark(files, folder, mark)) {
            if (mark.engine != Engine::Original) {
                return &mark;
            }
            found = found != nullptr ? found : &mark;
        }
    }
    return found;
}

bool IsGameFolder(FileSystem& files, const std::string& folder, const GameProfile& game) {
    if (folder.size() < 2 ||
        (*game.folderName != '\0' && !SameIgnoringCase(NameOf(folder), game.folderName))) {
        return false;
    }
    return std::any_of(game.marks.begin(), game.marks.end(),
                       [&](const FolderMark& mark) { return HasMark(files, folder, mark); });
}

std::optional<Game> GameOfFolder(FileSystem& files, const std::string& folder) {
    // A folder named as one game's folder is that game's or none: a stray file of another game
    // in it does not make it the other's.
    for (const Game game : kGames) {
        const char* name = ProfileOf(game).folderName;
        if (*name != '\0' && folder.size() >= 2 && SameIgnoringCase(NameOf(folder), name)) {
            return IsGameFolder(files, folder, ProfileOf(game)) ? std::optional(game)
                                                                : std::nullopt;
        }
    }
    for (const Game game : kGames) {
        if (IsGameFolder(files, folder, ProfileOf(game))) {
            return game;
        }
    }
    return std::nullopt;
}

bool ShowsMessageTexts(FileSystem& files, const std::string& folder, const GameProfile& game) {
    return IsGameFolder(files, folder, game) &&
           EngineOfFolder(files, folder, game) == Engine::Legacy;
}

Engine EngineOfFolder(FileSystem& files, const std::string& folder, const GameProfile& game) {
    const FolderMark* mark = MarkOfFolder(files, folder, game);
    return mark != nullptr ? mark->engine : Engine::Original;
}

std::string GameNameOfFolder(FileSystem& files, const std::string& folder,
                             const GameProfile& game) {
    const FolderMark* mark = MarkOfFolder(files, folder, game);
    return mark != nullptr && mark->engineName != nullptr ? mark->engineName : game.name;
}

const std::vector<const char*>& UserFolders(const GameProfile& game) {
#ifdef _WIN32
    return game.documentsFolders;
#else
    return game.homeFolders;
#endif
}

std::string DriveSearchPattern() {
    std::string pattern;
    for (const Game game : kGames) {
        pattern += (pattern.empty() ? "" : ";") + std::string(ProfileOf(game).searchPattern);
    }
    return pattern;
}

std::string GameFolderOfMatch(FileSystem& files, const std::string& match) {
    const std::string folder = FolderOfFile(match);
    if (folder.empty() || GameOfFolder(files, folder)) {
        return folder;
    }
    for (const Game game : kGames) {
        const std::string beside = ParentOf(folder) + ProfileOf(game).installSubfolder + kSeparator;
        if (IsGameFolder(files, beside, ProfileOf(game))) {
            return beside;
        }
    }
    return {};
}

std::vector<std::string> GameFoldersOfMatches(FileSystem& files,
                                              const std::vector<std::string>& matches) {
    std::vector<std::pair<Game, std::string>> found;
    for (const std::string& match : matches) {
        const std::string folder = GameFolderOfMatch(files, match);
        const std::optional<Game> game =
            folder.empty() ? std::nullopt : GameOfFolder(files, folder);
        if (game &&
            std::find(found.begin(), found.end(), std::pair(*game, folder)) == found.end()) {
            found.emplace_back(*game, folder);
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return std::find(kGames.begin(), kGames.end(), a.first) <
               std::find(kGames.begin(), kGames.end(), b.first);
    });
    std::vector<std::string> folders;
    for (const auto& [game, folder] : found) {
        folders.push_back(folder);
    }
    return folders;
}

}  // namespace quillon
