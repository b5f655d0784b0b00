#pragma once

#include <QAudioSink>
#include <QBuffer>
#include <memory>

#include "model/voice/WaveSound.h"
#include "platform/Status.h"

namespace quillon::qt {

// Plays one sound at a time from memory on the system's default audio output; playing another
// stops it. Holds the sound being played, and nothing once it is stopped.
class SoundPlayer {
  public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    Status Play(const PcmSound& sound);
    void Stop();

  private:
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QBuffer> buffer_;
};

}  // namespace quillon::qt
