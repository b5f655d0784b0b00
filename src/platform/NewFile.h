#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include "platform/Outcome.h"

namespace quillon {

// The platform's half of WriteFileReplacing: writes `content` to a file of a new, unique name
// beside `destination`, created exclusively, flushes it to the disk and renames it over the
// destination. On failure the new file is gone and the reason is the system's.
Outcome PutNewFileInPlace(const std::string& destination, const std::string& content);

// Removes a file with the holder unless kept: the new file of a write that did not finish.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::filesystem::path path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove(path_, ignored);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void Keep() { path_.clear(); }

  private:
    std::filesystem::path path_;
};

// What ReadRegularFile found at a path, and why it refuses to read it: nothing for a regular file
// within the limit ("it is larger than 16 MiB", "it is a folder", ...).
enum class FileKind { Regular, Folder, Other };
std::optional<std::string> RefusalOf(FileKind kind, uint64_t size, size_t limit);

}  // namespace quillon
