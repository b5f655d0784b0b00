// Times the restore of a full script: every key 1..22 with three messages, behind the default
// template, read from a file and turned back into the key table.
//
//   restore_bench TEMPLATE [ROUNDS]     (TEMPLATE: assets/qmscript.txt)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "model/script/ScriptGenerator.h"
#include "model/script/ScriptReader.h"
#include "platform/FileSystem.h"

int main(int argc, char** argv) {
    using namespace quillon;
    if (argc < 2) {
        std::fprintf(stderr, "usage: restore_bench TEMPLATE [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 1000;
    const Result<std::string> head = RealFileSystem().ReadRegularFile(argv[1], 1 << 20);
    const GameProfile& game = ReturnToCastleWolfenstein();
    std::vector<Assignment> messages;
    for (const MenuEntry& entry : game.menu) {
        if (IsMessage(entry)) {
            messages.emplace_back(entry);
        }
    }
    KeyTable full;
    size_t next = 0;
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        for (int slot = 0; slot < kSlotsPerKey; ++slot) {
            full.Append(key, messages[next++ % messages.size()]);
        }
    }
    const std::string path = "restore_bench_qmvc.cfg";
    std::ofstream(path, std::ios::binary) << head.Get() + GenerateScriptBody(full);

    const auto start = std::chrono::steady_clock::now();
    int restoredKeys = 0;
    for (int round = 0; round < rounds; ++round) {
        const Result<std::string> script = RealFileSystem().ReadRegularFile(path, 1 << 20);
        restoredKeys += ReadScriptAssignments(game, script.Get()).keysRestored;
    }
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    std::remove(path.c_str());
    std::printf("script %zu bytes, %d keys restored each time\n",
                head.Get().size() + GenerateScriptBody(full).size(), restoredKeys / rounds);
    std::printf("restore %.1f microseconds (mean of %d)\n", took.count() / rounds, rounds);
    return restoredKeys == 22 * rounds ? 0 : 1;
}
