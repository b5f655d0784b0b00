#pragma once

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace quillon {

// What the system's file system does alike on every platform; each platform's own class adds
// reading, asking and writing.
class SystemFileSystem : public FileSystem {
  public:
    std::optional<std::string> RealPath(const std::string& path) override;
    ListOutcome ListFolder(const std::string& folder, const std::string& pattern,
                           FolderListing& listing, const OpenFolder* parent,
                           const std::string& name) override;
    size_t FoldersKeptOpenAtMost() override;
};

// An error code of the system, and the kind of failure it means.
struct CodeKind {
    int code;
    FileError::Kind kind;
};

// The kind the table gives a code; any code it does not list is of no particular kind.
template <size_t Size>
FileError::Kind KindOfCode(int code, const CodeKind (&table)[Size]) {
    const auto found = std::find_if(std::begin(table), std::end(table),
                                    [code](const CodeKind& entry) { return entry.code == code; });
    return found == std::end(table) ? FileError::Kind::Other : found->kind;
}

}  // namespace quillon
