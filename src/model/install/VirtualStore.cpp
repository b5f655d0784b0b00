#include "model/install/VirtualStore.h"

#include "platform/PathText.h"
#include "platform/TextCase.h"

#ifdef _WIN32
#include "platform/KnownFolders.h"
#endif

namespace quillon {

ProtectedFolders ProtectedFoldersOfThisMachine() {
#ifdef _WIN32
    return {ProgramFilesFolders(), LocalAppDataFolder()};
#else
    return {};
#endif
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
