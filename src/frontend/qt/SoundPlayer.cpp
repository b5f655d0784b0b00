#include "SoundPlayer.h"

#include <QCoreApplication>

namespace quillon::qt {

SoundPlayer::~SoundPlayer() {
    if (stop_ != nullptr) {
        stop_();
    }
}

bool SoundPlayer::Load() {
    if (play_ != nullptr) {
        return true;
    }
    // Beside the program in a build, in its library folder where it is installed.
    const QString programFolder = QCoreApplication::applicationDirPath();
    for (const QString& folder :
         {programFolder, programFolder + "/" + QUILLON_SOUND_MODULE_FROM_PROGRAM}) {
        module_.setFileName(folder + "/" + kSoundModuleName);
        if (module_.load()) {
            play_ = reinterpret_cast<PlaySoundFunction>(module_.resolve("quillon_play_sound"));
            stop_ = reinterpret_cast<StopSoundFunction>(module_.resolve("quillon_stop_sound"));
            return play_ != nullptr && stop_ != nullptr;
        }
    }
    return false;
}

Status SoundPlayer::Play(const PcmSound& sound) {
    if (!Load()) {
        return Status::Failure(ErrorKind::Missing, "Quillon's sound module (" +
                                                       std::string(kSoundModuleName) +
                                                       ") is missing");
    }
    char why[256] = {};
    if (play_(sound.samples.data(), sound.samples.size(), sound.rate, sound.channels, sound.bits,
              why, sizeof why) == 0) {
        return Status::Failure(ErrorKind::Other, why);
    }
    return Status::Success();
}

}  // namespace quillon::qt
