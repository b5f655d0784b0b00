#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/FileSystem.h"
#include "platform/SystemHandle.h"

namespace quillon {

// Opens a regular file within the limit; its size comes with it. Nothing waits on a pipe in the
// file's place. Each platform's own.
Result<std::pair<SystemHandle, uint64_t>> OpenRegularFile(const std::string& path, size_t limit);
// Reads at most `wanted` bytes of the file at `offset` into `into`: how many, none where the
// file ends. Each platform's own.
Result<size_t> ReadSomeAt(const SystemHandle& file, uint64_t offset, char* into, size_t wanted);

// What the system's file system does alike on every platform; each platform's own class adds
// asking and writing.
class SystemFileSystem : public FileSystem {
  public:
    Result<std::string> ReadRegularFile(const std::string& path, size_t limit) override;
    Result<std::unique_ptr<ReadableFile>> OpenForReading(const std::string& path) override;
    std::optional<std::string> RealPath(const std::string& path) override;
    Status ListFolder(const std::string& folder, const std::string& pattern, FolderListing& listing,
                      const OpenFolder* parent, const std::string& name) override;
    size_t FoldersKeptOpenAtMost() override;
};

}  // namespace quillon
