#pragma once

#include <string>

#include "model/install/FolderSearch.h"

namespace quillon {

// SearchFolder's walk, with the folders read on several threads. The result is always the
// sequential walk's.
SearchResult WalkInParallel(FileSystem& files, const std::string& root, const std::string& pattern,
                            const SearchProgressCallback& progress);

}  // namespace quillon
