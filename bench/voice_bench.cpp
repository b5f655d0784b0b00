// Times what Hear does on a retail-sized installation: indexing the directories of a synthetic
// pk3 set of 300 MB and 20,000 entries (four paks, the voice chats in the last), reading both
// teams' voice scripts, and the first sound: found, inflated, decoded and made into the WAV image
// the audio system is handed. The targets: indexing under 50 ms, the first sound under 100 ms.
// The paks are made in the folder given (the current folder by default) and left there for the
// next run.
//
//   voice_bench [FOLDER] [ROUNDS]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ZipMaker.h"
#include "model/voice/InstalledVoices.h"
#include "platform/PathText.h"

namespace {

using namespace quillon;
using Clock = std::chrono::steady_clock;

constexpr int kPaks = 4;
constexpr int kEntriesPerPak = 5000;
constexpr size_t kEntrySize = 15 * 1024;  // 4 x 5000 x 15 KB: 300 MB

double Milliseconds(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void MakePaks(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    std::string filler(kEntrySize, '\0');
    for (size_t k = 0; k < filler.size(); ++k) {
        filler[k] = static_cast<char>(k * 7919 % 251);
    }
    for (int pak = 0; pak < kPaks; ++pak) {
        const std::filesystem::path path = folder / ("pak" + std::to_string(pak) + ".pk3");
        if (std::filesystem::exists(path)) {
            continue;
        }
        test::ZipMaker zip;
        for (int entry = 0; entry < kEntriesPerPak - (pak == kPaks - 1 ? 3 : 0); ++entry) {
            zip.Add(
                "textures/set" + std::to_string(pak) + "/Image_" + std::to_string(entry) + ".tga",
                filler);
        }
        if (pak == kPaks - 1) {
            zip.Add("scripts/wm_allies_chat.voice",
                    "male Medic { sound/chat/allies/medic.wav \"Medic!\" }", true);
            zip.Add("scripts/wm_axis_chat.voice",
                    "male Medic { sound/chat/axis/medic.wav \"Sanitaeter!\" }", true);
            // Three seconds of the games' usual sound.
            zip.Add("sound/chat/allies/medic.wav", test::ToneWave(440, 22050, 16, 1, 66150), true);
        }
        std::ofstream(path, std::ios::binary) << zip.Archive();
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder =
        std::filesystem::absolute(argc > 1 ? argv[1] : "voice_bench_paks") / "etmain";
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 21;
    MakePaks(folder);
    const std::vector<std::string> folders = {EnsureTrailingSeparator(TextFromPath(folder))};
    const EngineRules& rules = RulesOf(Game::EnemyTerritory, Engine::Original);

    std::vector<double> index, load, sound;
    size_t entries = 0;
    size_t bytes = 0;
    for (int round = 0; round < rounds; ++round) {
        Clock::time_point start = Clock::now();
        const GameData data = GameData::Index(RealFileSystem(), folders, rules);
        index.push_back(Milliseconds(start));
        entries = data.EntryCount();

        start = Clock::now();
        const InstalledVoices voices = InstalledVoices::Load(
            RealFileSystem(), folders, Game::EnemyTerritory, Engine::Original);
        load.push_back(Milliseconds(start));

        start = Clock::now();
        const VoiceChat* chat = voices.Of(Team::Allies).chats.Find("Medic");
        const Result<PcmSound> decoded = voices.Sound(chat->lines[0].sound);
        const std::string handedOver = WaveFileOf(decoded.Get());
        sound.push_back(Milliseconds(start));
        bytes = handedOver.size();
    }
    std::printf("%zu entries in %d paks of %zu MB\n", entries, kPaks,
                kPaks * kEntriesPerPak * kEntrySize / 1000000);
    std::printf("index the paks' directories: %.2f ms (median of %d; target under 50 ms)\n",
                Median(index), rounds);
    std::printf("index and read both voice scripts: %.2f ms\n", Median(load));
    std::printf(
        "first sound, found, inflated, decoded, handed over (%zu bytes): %.2f ms "
        "(target under 100 ms)\n",
        bytes, Median(sound));
    return 0;
}
