// Times the look at the known places of this machine (Steam, installers, Wine prefixes) that
// comes before any drive search, and lists what it found.
//
//   probe_bench [ROUNDS]

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "model/install/KnownPlaces.h"

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 100;
    quillon::FileSystem& files = quillon::RealFileSystem();
    std::size_t found = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < rounds; ++round) {
        found = quillon::ProbeKnownPlaces(files,
                                          quillon::KnownPlacesOf(quillon::RealEnvironment(), files))
                    .size();
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    for (const quillon::FoundGame& game : quillon::ProbeKnownPlaces(
             files, quillon::KnownPlacesOf(quillon::RealEnvironment(), files))) {
        std::printf("found %s: %s\n", quillon::ProfileOf(game.game).name, game.folder.c_str());
    }
    std::printf("probe %.3f ms (mean of %d), %zu found\n", took.count() / rounds, rounds, found);
    return 0;
}
