// Times the hand-over of a sound to the audio system as Hear does it on the window's thread:
// the sound library loaded (the first time only), the output opened and the sound started. The
// target: the first sound starts under 100 ms after the press, with finding and decoding it
// (voice_bench). Each run measures one first sound; run it with an audio server, e.g.
//
//   tests/audio/through-pulseaudio.sh 440 660 build/default/bench/sound_bench [ROUNDS]
//   tests/audio/through-pulseaudio.sh 440 660 wine build/windows/bench/sound_bench.exe [ROUNDS]
//
// On Windows, "prepared" after the rounds first opens the audio system as selecting a message
// does, a third of a second before the press.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "ZipMaker.h"
#include "model/voice/WaveSound.h"

#ifdef _WIN32
#include "frontend/win32/SoundPlayer.h"
using Player = quillon::win32::SoundPlayer;
#else
#include <QApplication>
#include <QTimer>

#include "frontend/qt/SoundPlayer.h"
using Player = quillon::qt::SoundPlayer;
#endif

namespace {

using namespace quillon;
using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point since) {
    return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// Lets the audio system play for a while: Qt's output is fed from the event loop.
void LetPlay(int milliseconds) {
#ifdef _WIN32
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
#else
    QTimer::singleShot(milliseconds, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
#endif
}

}  // namespace

int main(int argc, char** argv) {
#ifndef _WIN32
    qputenv("QT_QPA_PLATFORM", "offscreen");  // no window: a display is not needed
    QApplication application(argc, argv);
#endif
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const Result<PcmSound> sound =
        ReadWave(test::ToneWave(440, 22050, 16, 1, 11025), RulesOf(Game::EnemyTerritory,
                                                                   Engine::Original));
    Player player;
#ifdef _WIN32
    if (argc > 2 && std::string(argv[2]) == "prepared") {
        player.Prepare();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
#endif
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const Clock::time_point start = Clock::now();
        const Status played = player.Play(sound.Get());
        times.push_back(Milliseconds(start));
        if (!played.Ok()) {
            std::printf("The sound did not play: %s\n", played.Message().c_str());
            return 1;
        }
        LetPlay(600);
    }
    std::printf("first sound handed over: %.2f ms\n", times.front());
    if (times.size() > 1) {
        std::sort(times.begin() + 1, times.end());
        std::printf("later sounds: %.2f ms (median of %zu)\n", times[times.size() / 2],
                    times.size() - 1);
    }
    return 0;
}
