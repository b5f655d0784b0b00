#include "model/install/KnownPlaces.h"

#include <algorithm>
#include <optional>
#include <set>

#include "model/install/GameFolders.h"
#include "model/install/Installation.h"
#include "model/install/KeyValues.h"
#include "model/install/SettingsFile.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/TextCase.h"

namespace quillon {
namespace {

constexpr size_t kLargestSteamFile = 1024 * 1024;

std::string Below(const std::string& folder, const std::string& name) {
    return EnsureTrailingSeparator(folder) + name;
}

std::vector<KeyValue> ReadKeyValues(FileSystem& files, const std::string& file) {
    const Result<std::string> read = files.ReadRegularFile(file, kLargestSteamFile);
    return read.Ok() ? ParseKeyValues(read.Get()) : std::vector<KeyValue>();
}

// A Steam root is a library itself; libraryfolders.vdf names the others: numbered blocks with a
// "path" now, numbered keys whose values are paths in older files.
std::vector<std::string> SteamLibraries(FileSystem& files, const std::string& root) {
    std::vector<std::string> libraries{root};
    const std::vector<KeyValue> nodes =
        ReadKeyValues(files, Below(Below(root, "steamapps"), "libraryfolders.vdf"));
    const KeyValue* folders = FindKey(nodes, "libraryfolders");
    if (folders == nullptr) {
        return libraries;
    }
    for (const KeyValue& entry : folders->children) {
        const bool numbered =
            !entry.key.empty() && entry.key.find_first_not_of("0123456789") == std::string::npos;
        if (entry.isBlock) {
            if (const KeyValue* path = entry.Child("path"); path != nullptr && !path->isBlock) {
                libraries.push_back(NormalPath(path->value));
            }
        } else if (numbered && !entry.value.empty()) {
            libraries.push_back(NormalPath(entry.value));
        }
    }
    return libraries;
}

// The game's installation in a Steam library: the one its app manifest names, else the usual.
std::string SteamInstallFolder(FileSystem& files, const std::string& library,
                               const GameProfile& game) {
    const std::string steamapps = Below(library, "steamapps");
    const std::vector<KeyValue> nodes =
        ReadKeyValues(files, Below(steamapps, game.steamAppManifest));
    std::string name = game.installFolderNames.front();
    if (const KeyValue* state = FindKey(nodes, "AppState")) {
        const KeyValue* installdir = state->Child("installdir");
        // A name, never a path: the probe looks in the library and nowhere else.
        if (installdir != nullptr && !installdir->value.empty() && installdir->value != "." &&
            installdir->value != ".." &&
            installdir->value.find_first_of("/\\") == std::string::npos) {
            name = installdir->value;
        }
    }
    return Below(Below(steamapps, "common"), name);
}

// The names of the subfolders of a folder.
std::vector<std::string> SubfolderNames(FileSystem& files, const std::string& folder) {
    std::vector<std::string> names;
    FolderListing listing;
    if (files.ListFolder(EnsureTrailingSeparator(folder), "", listing).Ok()) {
        for (const FolderEntry& entry : listing.entries) {
            if (entry.isFolder) {
                names.push_back(entry.name);
            }
        }
    }
    return names;
}

// The game folder of an installation (its Main or etmain, in any letter case), when it is one.
std::optional<std::string> GameFolderIn(FileSystem& files, const std::string& install,
                                        const GameProfile& game) {
    for (const std::string& name : SubfolderNames(files, install)) {
        const std::string folder = EnsureTrailingSeparator(Below(install, name));
        if (SameIgnoringCase(name, game.installSubfolder) && IsGameFolder(files, folder, game)) {
            return folder;
        }
    }
    return std::nullopt;
}

// The folders below drive C where installers put games.
std::vector<std::string> ProgramFolders(const std::string& driveC) {
    std::vector<std::string> folders;
    for (const char* parent : {"Program Files (x86)", "Program Files", "GOG Games"}) {
        folders.push_back(Below(driveC, parent));
    }
    return folders;
}

// The installations of a game at the places, in the order Steam, installers, Wine.
std::vector<std::string> Installations(FileSystem& files, const KnownPlaces& places,
                                       const GameProfile& game) {
    std::vector<std::string> installs;
    if (*game.steamAppManifest != '\0') {
        for (const std::string& root : places.steamRoots) {
            for (const std::string& library : SteamLibraries(files, root)) {
                installs.push_back(SteamInstallFolder(files, library, game));
            }
        }
    }
    installs.insert(installs.end(), places.installFolders.begin(), places.installFolders.end());
    std::vector<std::string> programFolders = places.programFolders;
    for (const std::string& prefix : places.winePrefixes) {
        for (const std::string& folder : ProgramFolders(Below(prefix, "drive_c"))) {
            programFolders.push_back(folder);
        }
    }
    for (const std::string& programs : programFolders) {
        for (const char* name : game.installFolderNames) {
            installs.push_back(Below(programs, name));
        }
    }
    return installs;
}

#ifdef _WIN32
// Whether an installer's name for what it installed names one of the games.
bool NamesAGame(const std::string& name) {
    for (const Game game : kGames) {
        for (const char* known : ProfileOf(game).registryNames) {
            if (ContainsIgnoringCase(name, known)) {
                return true;
            }
        }
    }
    return false;
}

// A folder as installers leave it in the registry: some write it in quotes, some with blanks
// around it; nothing is left of a value of blanks and quotes alone.
std::string FolderFromRegistry(const std::string& value) {
    const auto trimmed = [](const std::string& text) {
        const size_t start = text.find_first_not_of(" \t");
        return start == std::string::npos
                   ? std::string()
                   : text.substr(start, text.find_last_not_of(" \t") + 1 - start);
    };
    std::string folder = trimmed(value);
    if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"') {
        folder = trimmed(folder.substr(1, folder.size() - 2));
    }
    return folder.empty() ? folder : NormalPath(folder);
}

void AddRegistryPlaces(const Environment& environment, KnownPlaces& places) {
    if (const auto steam =
            environment.RegistryText(RegistryRoot::CurrentUser, "Software\\Valve\\Steam",
                                     "SteamPath", RegistryView::Native)) {
        places.steamRoots.push_back(FolderFromRegistry(*steam));  // Steam writes it with "/"
    }
    places.steamRoots.push_back("C:\\Program Files (x86)\\Steam");

    const auto addInstallation = [&](const std::optional<std::string>& value) {
        if (value && !FolderFromRegistry(*value).empty()) {
            places.installFolders.push_back(FolderFromRegistry(*value));
        }
    };
    const std::string uninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
    for (const RegistryRoot root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
        for (const RegistryView view : {RegistryView::Bits64, RegistryView::Bits32}) {
            for (const std::string& entry : environment.RegistrySubkeys(root, uninstall, view)) {
                const std::string key = uninstall + "\\" + entry;
                const auto name = environment.RegistryText(root, key, "DisplayName", view);
                const auto location = environment.RegistryText(root, key, "InstallLocation", view);
                if (name && NamesAGame(*name)) {
                    addInstallation(location);
                }
            }
        }
    }
    const std::string gog = "SOFTWARE\\WOW6432Node\\GOG.com\\Games";
    for (const std::string& game :
         environment.RegistrySubkeys(RegistryRoot::LocalMachine, gog, RegistryView::Native)) {
        addInstallation(environment.RegistryText(RegistryRoot::LocalMachine, gog + "\\" + game,
                                                 "path", RegistryView::Native));
    }
    places.programFolders = ProgramFolders("C:\\");
}
#else
void AddHomePlaces(const Environment& environment, FileSystem& files, KnownPlaces& places) {
    if (const std::string prefix = environment.Variable("WINEPREFIX"); !prefix.empty()) {
        places.winePrefixes.push_back(prefix);
    }
    const std::string own = UserRootOf(environment);
    if (own.empty()) {
        return;
    }
    for (const char* steam : {".steam/steam", ".local/share/Steam",
                              ".var/app/com.valvesoftware.Steam/.local/share/Steam",
                              "snap/steam/common/.local/share/Steam"}) {
        places.steamRoots.push_back(Below(own, steam));
    }
    places.winePrefixes.push_back(Below(own, ".wine"));
    const std::string games = Below(own, "Games");
    for (const std::string& name : SubfolderNames(files, games)) {
        if (files.IsFolder(Below(Below(games, name), "drive_c"))) {
            places.winePrefixes.push_back(Below(games, name));
        }
    }
    for (const char* managed : {".local/share/bottles/bottles", ".PlayOnLinux/wineprefix"}) {
        for (const std::string& name : SubfolderNames(files, Below(own, managed))) {
            places.winePrefixes.push_back(Below(Below(own, managed), name));
        }
    }
}
#endif

}  // namespace

std::string UserRootOf(const Environment& environment) {
#ifdef _WIN32
    return environment.KnownFolderPath(KnownFolder::Documents);
#else
    return environment.Variable("HOME");
#endif
}

KnownPlaces KnownPlacesOf(const Environment& environment, FileSystem& files) {
    KnownPlaces places;
    places.userRoot = UserRootOf(environment);
#ifdef _WIN32
    (void)files;  // the registry names the places
    AddRegistryPlaces(environment, places);
#else
    AddHomePlaces(environment, files, places);
#endif
    return places;
}

std::vector<FoundGame> ProbeKnownPlaces(FileSystem& files, const KnownPlaces& places) {
    std::vector<FoundGame> found;
    std::set<std::string> seen;  // real folders, however reached
    const auto offer = [&](const std::optional<std::string>& folder, Game game) {
        if (folder && SettingsCanHold(*folder) &&
            seen.insert(files.RealPath(*folder).value_or(*folder)).second) {
            found.push_back({*folder, game});
        }
    };
    for (const Game game : kGames) {
        const GameProfile& profile = ProfileOf(game);
        std::vector<std::optional<std::string>> userFolders;
        for (const char* name : UserFolders(profile)) {
            const std::string folder = EnsureTrailingSeparator(Below(places.userRoot, name));
            userFolders.push_back(!places.userRoot.empty() && IsGameFolder(files, folder, profile)
                                      ? std::optional(folder)
                                      : std::nullopt);
        }
        if (profile.userFoldersFirst) {
            for (const auto& folder : userFolders) {
                offer(folder, game);
            }
        }
        for (const std::string& install : Installations(files, places, profile)) {
            offer(GameFolderIn(files, install, profile), game);
        }
        if (!profile.userFoldersFirst) {
            for (const auto& folder : userFolders) {
                offer(folder, game);
            }
        }
    }
    return found;
}

std::vector<std::string> InstallationsReadingFrom(FileSystem& files, const KnownPlaces& places,
                                                  const UserPlaces& user, const GameProfile& game,
                                                  const std::string& userFolder) {
    std::vector<std::string> found;
    const std::optional<std::string> real = files.RealPath(userFolder);
    for (const std::string& install : Installations(files, places, game)) {
        const std::optional<std::string> folder = GameFolderIn(files, install, game);
        if (!folder || *folder == userFolder ||
            std::find(found.begin(), found.end(), *folder) != found.end()) {
            continue;
        }
        const std::string reads = InstallationOf(files, *folder, user).scriptFolder;
        if (reads == userFolder || (real && files.RealPath(reads) == real)) {
            found.push_back(*folder);
        }
    }
    return found;
}

}  // namespace quillon
