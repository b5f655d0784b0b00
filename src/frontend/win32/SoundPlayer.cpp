#include "SoundPlayer.h"

#include <mmsystem.h>

namespace quillon::win32 {

SoundPlayer::~SoundPlayer() {
    if (preparing_.joinable()) {
        preparing_.join();
    }
    Stop();
    if (library_ != nullptr) {
        FreeLibrary(library_);
    }
}

void SoundPlayer::Stop() {
    if (playSound_ != nullptr) {
        playSound_(nullptr, nullptr, 0);
    }
    playing_.clear();
}

void SoundPlayer::Load() {
    library_ = LoadLibraryW(L"winmm.dll");
    if (library_ == nullptr) {
        return;
    }
    playSound_ = reinterpret_cast<PlaySoundFunction>(
        reinterpret_cast<void*>(GetProcAddress(library_, "PlaySoundW")));
    deviceCount_ = reinterpret_cast<DeviceCountFunction>(
        reinterpret_cast<void*>(GetProcAddress(library_, "waveOutGetNumDevs")));
    if (deviceCount_ != nullptr) {
        deviceCount_();  // opens the audio system
    }
}

void SoundPlayer::Prepare() {
    // While it prepares, only that thread touches the library's fields.
    if (!preparing_.joinable() && library_ == nullptr) {
        preparing_ = std::thread([this] { Load(); });
    }
}

Status SoundPlayer::Play(const PcmSound& sound) {
    if (preparing_.joinable()) {
        preparing_.join();
    }
    if (library_ == nullptr) {
        Load();
    }
    if (playSound_ == nullptr || deviceCount_ == nullptr) {
        return Status::Failure(ErrorKind::Missing, "Windows' sound library is missing");
    }
    Stop();
    if (deviceCount_() == 0) {
        return Status::Failure(ErrorKind::Missing, "the system has no audio output");
    }
    playing_ = WaveFileOf(sound);
    if (!playSound_(reinterpret_cast<LPCWSTR>(playing_.data()), nullptr,
                    SND_MEMORY | SND_ASYNC | SND_NODEFAULT)) {
        playing_.clear();
        return Status::Failure(ErrorKind::Other, "Windows could not play it");
    }
    return Status::Success();
}

}  // namespace quillon::win32
