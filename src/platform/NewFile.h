#pragma once

#include <cstddef>
#include <filesystem>
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

// Why a file over the limit of ReadRegularFile is refused ("it is larger than 16 MiB").
std::string TooLargeReason(size_t limit);

}  // namespace quillon
