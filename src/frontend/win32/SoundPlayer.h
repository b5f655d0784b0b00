#pragma once

#include <windows.h>

#include <string>
#include <thread>

#include "model/voice/WaveSound.h"
#include "platform/Status.h"

namespace quillon::win32 {

// Plays one sound at a time from memory with the system's PlaySound; playing another stops it.
// The sound library is loaded when a sound may soon be asked for, or at the first sound, so that
// the window starts without it; the sound being played is held until it is stopped or replaced.
class SoundPlayer {
  public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Opens the audio system on a thread of its own: the first sound then need not wait the
    // tenth of a second its devices may take to be counted.
    void Prepare();
    Status Play(const PcmSound& sound);

  private:
    using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);
    using DeviceCountFunction = UINT(WINAPI*)();
    void Load();
    void Stop();

    HMODULE library_ = nullptr;
    PlaySoundFunction playSound_ = nullptr;
    DeviceCountFunction deviceCount_ = nullptr;
    std::string playing_;  // the WAV file being played
    std::thread preparing_;
};

}  // namespace quillon::win32
