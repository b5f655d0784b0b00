#pragma once

#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace quillon {

// What the system's file system does alike on every platform; each platform's own class adds
// reading, asking and writing.
class SystemFileSystem : public FileSystem {
  public:
    std::optional<std::string> RealPath(const std::string& path) override;
    Status ListFolder(const std::string& folder, const std::string& pattern, FolderListing& listing,
                      const OpenFolder* parent, const std::string& name) override;
    size_t FoldersKeptOpenAtMost() override;
};

}  // namespace quillon
