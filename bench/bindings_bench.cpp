// Times the reading of the game's binds from a configuration of 100 KB, as the game saves it
// (binds of every key, then its variables), read from a file and run over the game's defaults.
// The target is under 2 ms. Then the offer of a player's own voice binds at start: the messages
// that a configuration of a thousand voice binds says on the keys.
//
//   bindings_bench [ROUNDS]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "model/script/GameBindings.h"
#include "model/script/VoiceBinds.h"
#include "platform/FileSystem.h"

int main(int argc, char** argv) {
    using namespace quillon;
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 1000;
    std::string configuration = "unbindall\r\n";
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        configuration +=
            "bind " + BindName(key) + " \"selectbuddy " + std::to_string(key) + "\"\r\n";
    }
    for (int key = 0; configuration.size() < 100 * 1024; ++key) {
        configuration += key % 4 == 0 ? "bind F" + std::to_string(key % 12 + 1) + " \"+attack\"\r\n"
                                      : "seta cg_setting" + std::to_string(key) + " \"" +
                                            std::to_string(key * 7) + "\"\r\n";
    }
    const std::string path = "bindings_bench_etconfig.cfg";
    std::ofstream(path, std::ios::binary) << configuration;

    const GameProfile& game = EnemyTerritory();
    size_t bound = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < rounds; ++round) {
        const Result<std::string> read = RealFileSystem().ReadRegularFile(path, 1 << 20);
        const KeyBindings bindings = GamesOwn(ReadBindings(read.Get(), DefaultBindings(game)));
        for (const std::string& command : bindings) {
            bound += command.empty() ? 0 : 1;
        }
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::remove(path.c_str());
    std::printf("configuration %zu bytes, %zu keys bound each time\n", configuration.size(),
                bound / static_cast<size_t>(rounds));
    std::printf("read %.3f ms (mean of %d; the target is under 2 ms)\n", took.count() / rounds,
                rounds);

    std::string voiceBinds = "unbindall\r\n";
    for (int bind = 0; bind < 1000; ++bind) {
        voiceBinds += "bind " + BindName(static_cast<int16_t>(bind % kLastKey + 1)) +
                      " \"vsay_team Medic; vsay Hi; vsay_team NeedAmmo; +attack\"\r\n";
    }
    int16_t messages = 0;
    const auto voiceStart = std::chrono::steady_clock::now();
    for (int round = 0; round < rounds; ++round) {
        const KeyTable offered = VoiceMessagesOf(game, ReadBindings(voiceBinds));
        messages = offered.UsedCount(1);
    }
    const std::chrono::duration<double, std::milli> voiceTook =
        std::chrono::steady_clock::now() - voiceStart;
    std::printf("voice binds of %zu bytes offered %.3f ms (mean of %d)\n", voiceBinds.size(),
                voiceTook.count() / rounds, rounds);
    return bound == static_cast<size_t>(kLastKey) * static_cast<size_t>(rounds) &&
                   messages == kSlotsPerKey
               ? 0
               : 1;
}
