#pragma once

#include <cstdint>
#include <string>

#include "model/voice/EngineRules.h"
#include "platform/Status.h"

namespace quillon {

// A sound ready for the audio system: PCM samples, 8-bit unsigned or 16-bit signed little-endian,
// channels interleaved.
struct PcmSound {
    uint32_t rate = 0;
    uint16_t channels = 0;
    uint16_t bits = 0;
    std::string samples;

    uint32_t BytesPerFrame() const { return channels * (bits / 8u); }
};

// The largest sound file Quillon reads (about six minutes of the games' usual sound).
constexpr size_t kLargestSound = 16 * 1024 * 1024;

// Reads a WAV file as the engine does: RIFF/WAVE, PCM of 8 or 16 bits, mono (or stereo where the
// engine plays it). A data chunk claiming more than the file holds gives what it holds. A failure
// says why the sound cannot be played, in words that follow "it": "is no WAV file".
Result<PcmSound> ReadWave(const std::string& bytes, const EngineRules& rules);

// The sound as a WAV file of its own, for players that take whole files.
std::string WaveFileOf(const PcmSound& sound);

}  // namespace quillon
