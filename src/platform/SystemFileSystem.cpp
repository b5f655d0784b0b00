#include "platform/SystemFileSystem.h"

#include <system_error>

namespace quillon {

std::optional<std::string> SystemFileSystem::RealPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(PathFromText(path), error);
    return error ? std::nullopt : std::optional<std::string>(TextFromPath(real));
}

Status SystemFileSystem::ListFolder(const std::string& folder, const std::string& pattern,
                                    FolderListing& listing, const OpenFolder* parent,
                                    const std::string& name) {
    return quillon::ListFolder(folder, pattern, listing, parent, name);
}

size_t SystemFileSystem::FoldersKeptOpenAtMost() {
    return quillon::FoldersKeptOpenAtMost();
}

}  // namespace quillon
