// Walks a folder tree as the drive search does and prints what it saw, the match on the last
// line. With --sequential it walks on one thread, as the plain depth-first reference.
//
//   search_bench ROOT [PATTERN] [--sequential]

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/install/FolderSearch.h"
#include "platform/FolderListing.h"
#include "platform/PathText.h"

int main(int argc, char** argv) {
    std::string root;
    std::string pattern = "sp_pak2.pk3";
    bool sequential = false;
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--sequential") == 0) {
            sequential = true;
        } else if (positional++ == 0) {
            root = argv[i];
        } else {
            pattern = argv[i];
        }
    }
    if (root.empty()) {
        std::fprintf(stderr, "usage: search_bench ROOT [PATTERN] [--sequential]\n");
        return 2;
    }
    root = quillon::EnsureTrailingSeparator(root);
    quillon::FileSystem& files = quillon::RealFileSystem();

    const auto start = std::chrono::steady_clock::now();
    const quillon::SearchResult result = sequential ? quillon::SearchFolder(files, root, pattern)
                                                    : quillon::SearchDrive(files, root, pattern);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;

    std::printf("walk %s\nfolders %lld\nfiles %lld\nseconds %.3f\n",
                sequential ? "sequential" : "parallel",
                static_cast<long long>(result.foldersWalked),
                static_cast<long long>(result.filesSeen), took.count());
    std::printf("opens per folder %.3f\n", result.foldersWalked > 0
                                               ? static_cast<double>(quillon::FolderOpenCount()) /
                                                     static_cast<double>(result.foldersWalked)
                                               : 0.0);
    std::printf("match %s\n", result.match.empty() ? "(none)" : result.match.c_str());
    return 0;
}
