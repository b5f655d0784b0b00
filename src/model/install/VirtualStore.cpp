#include "model/install/VirtualStore.h"

#include "platform/PathText.h"
#include "platform/TextCase.h"

namespace quillon {

ProtectedFolders ProtectedFoldersOf(const Environment& environment) {
    ProtectedFolders folders{{}, environment.KnownFolderPath(KnownFolder::LocalAppData)};
    // Program Files and, on a 64-bit system, Program Files (x86).
    for (const KnownFolder programs : {KnownFolder::ProgramFiles, KnownFolder::ProgramFilesX86}) {
        const std::string folder = environment.KnownFolderPath(programs);
        if (!folder.empty() &&
            (folders.programFiles.empty() || folders.programFiles.front() != folder)) {
            folders.programFiles.push_back(folder);
        }
    }
    return folders;
}

std::string VirtualStoreCopy(const std::string& folder, const ProtectedFolders& protectedFolders) {
    if (protectedFolders.localAppData.empty()) {
        return {};
    }
    for (const std::string& programFiles : protectedFolders.programFiles) {
        const std::string below = EnsureTrailingSeparator(programFiles);
        if (programFiles.empty() || folder.size() <= below.size() ||
            !SameIgnoringCase(folder.substr(0, below.size()), below)) {
            continue;
        }
        // The path after its drive ("\Program Files (x86)\..."), below the VirtualStore.
        const size_t drive = folder.size() > 1 && folder[1] == ':' ? 2 : 0;
        return EnsureTrailingSeparator(protectedFolders.localAppData) + "VirtualStore" +
               folder.substr(drive);
    }
    return {};
}

}  // namespace quillon
