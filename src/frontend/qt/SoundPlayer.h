#pragma once

#include <QLibrary>

#include "SoundModule.h"
#include "model/voice/WaveSound.h"
#include "platform/Status.h"

namespace quillon::qt {

// Plays one sound at a time from memory; playing another stops it. Qt Multimedia lives in
// Quillon's sound module, loaded at the first sound, so that nothing of it slows the start.
class SoundPlayer {
  public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    Status Play(const PcmSound& sound);

  private:
    bool Load();

    QLibrary module_;
    PlaySoundFunction play_ = nullptr;
    StopSoundFunction stop_ = nullptr;
};

}  // namespace quillon::qt
