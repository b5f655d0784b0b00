#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "platform/FileSystem.h"

namespace quillon {

// One file of a zip archive, as its central directory gives it.
struct ZipEntry {
    uint16_t method = 0;  // 0 stored, 8 deflated
    uint32_t packedSize = 0;
    uint32_t size = 0;      // unpacked
    uint64_t headerAt = 0;  // where its local header starts in the file
};

// The largest central directory read: an archive claiming more is refused.
constexpr uint32_t kLargestZipDirectory = 64u * 1024 * 1024;

// The directory of a zip archive (a pk3), read as the games' file system reads it: the end
// record found within the last 64 KiB of comment, data before the archive tolerated, one disk
// only, no zip64. Names are kept folded (see FoldedArchiveName); the same name twice keeps the
// later entry. Names holding ".." are left out: the games refuse to ask for them.
class ZipDirectory {
  public:
    static Result<ZipDirectory> Read(ReadableFile& archive);

    const ZipEntry* Find(const std::string& foldedName) const;
    size_t Count() const { return entries_.size(); }

  private:
    std::unordered_map<std::string, ZipEntry> entries_;
};

// A name as the games compare names inside archives: ASCII letters in lower case, "\" and ":"
// as "/".
std::string FoldedArchiveName(const std::string& name);

// The entry's bytes, inflated when deflated. An entry larger than `limit` unpacked is refused
// before anything is inflated; one whose data lies beyond the file, or does not inflate, fails.
// Only the entry's own bytes are held, never the archive's.
Result<std::string> ReadZipEntry(ReadableFile& archive, const ZipEntry& entry, size_t limit);

}  // namespace quillon
