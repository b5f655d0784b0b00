// The plainest walk Windows offers, for comparing the drive search with: FindFirstFileExW down
// the whole tree, depth first, reading no folder ids and following no guard against loops.
//
//   plain_walk ROOT [PATTERN]

#include <windows.h>

#include <shlwapi.h>

#include <cstdio>
#include <string>

namespace {

struct Walk {
    std::wstring pattern;
    long long folders = 0;
    std::wstring match;
};

void WalkFolder(const std::wstring& folder, Walk& walk) {
    ++walk.folders;
    WIN32_FIND_DATAW data{};
    const HANDLE find = FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::wstring name = data.cFileName;
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            if (name[0] != L'.') {
                WalkFolder(folder + name + L"\\", walk);
            }
        } else if (PathMatchSpecW(name.c_str(), walk.pattern.c_str())) {
            walk.match = folder + name;
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: plain_walk ROOT [PATTERN]\n");
        return 2;
    }
    Walk walk;
    walk.pattern = argc > 2 ? argv[2] : L"sp_pak2.pk3";
    std::wstring root = argv[1];
    if (root.back() != L'\\') {
        root += L'\\';
    }
    WalkFolder(root, walk);
    std::printf("folders %lld\nmatch %ls\n", walk.folders,
                walk.match.empty() ? L"(none)" : walk.match.c_str());
    return 0;
}
