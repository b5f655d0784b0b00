#include "model/voice/WaveSound.h"

#include <algorithm>

namespace quillon {
namespace {

constexpr uint16_t kPcmTag = 1;
constexpr size_t kChunkHeader = 8;

uint32_t Read32(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (size_t k = 4; k-- > 0;) {
        value = value << 8 | static_cast<uint8_t>(bytes[at + k]);
    }
    return value;
}

uint16_t Read16(const std::string& bytes, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                                 static_cast<uint8_t>(bytes[at + 1]) << 8);
}

void Put32(std::string& bytes, uint32_t value) {
    for (int k = 0; k < 4; ++k) {
        bytes += static_cast<char>(value >> (8 * k) & 0xFF);
    }
}

void Put16(std::string& bytes, uint16_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}

Status CannotPlay(const std::string& why) {
    return Status::Failure(ErrorKind::Unsuitable, why);
}

}  // namespace

Result<PcmSound> ReadWave(const std::string& bytes, const EngineRules& rules) {
    if (bytes.compare(0, 4, "OggS") == 0) {
        return CannotPlay("is an Ogg sound, which Quillon does not play");
    }
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        return CannotPlay("is no WAV file");
    }
    PcmSound sound;
    bool haveFormat = false;
    uint16_t tag = 0;
    size_t at = 12;
    while (bytes.size() - at >= kChunkHeader) {
        const std::string id = bytes.substr(at, 4);
        const size_t size =
            std::min<size_t>(Read32(bytes, at + 4), bytes.size() - at - kChunkHeader);
        const size_t body = at + kChunkHeader;
        if (id == "fmt " && size >= 16) {
            tag = Read16(bytes, body);
            sound.channels = Read16(bytes, body + 2);
            sound.rate = Read32(bytes, body + 4);
            sound.bits = Read16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                return CannotPlay("is a WAV file without its format before its sound");
            }
            sound.samples = bytes.substr(body, size);
            break;
        }
        at = body + size + (size & 1);
        if (at > bytes.size()) {
            break;
        }
    }
    if (!haveFormat) {
        return CannotPlay("is a WAV file without its format");
    }
    if (rules.checksWaveFormat && tag != kPcmTag) {
        return CannotPlay("is a compressed WAV file (format " + std::to_string(tag) +
                          "), which the game does not play");
    }
    if (sound.bits != 8 && sound.bits != 16) {
        return CannotPlay("has " + std::to_string(sound.bits) +
                          "-bit samples; the game plays 8 or 16 bits");
    }
    const uint16_t mostChannels = rules.playsStereo ? 2 : 1;
    if (sound.channels == 0 || sound.channels > mostChannels) {
        return CannotPlay("has " + std::to_string(sound.channels) + " channels; the game plays " +
                          (rules.playsStereo ? "mono or stereo" : "mono only"));
    }
    if (sound.rate == 0 || sound.rate > 384000) {
        return CannotPlay("gives a rate of " + std::to_string(sound.rate) + " samples a second");
    }
    sound.samples.resize(sound.samples.size() - sound.samples.size() % sound.BytesPerFrame());
    if (sound.samples.empty()) {
        return CannotPlay("holds no sound");
    }
    return sound;
}

std::string WaveFileOf(const PcmSound& sound) {
    std::string file = "RIFF";
    Put32(file, static_cast<uint32_t>(36 + sound.samples.size()));
    file += "WAVEfmt ";
    Put32(file, 16);
    Put16(file, kPcmTag);
    Put16(file, sound.channels);
    Put32(file, sound.rate);
    Put32(file, sound.rate * sound.BytesPerFrame());
    Put16(file, static_cast<uint16_t>(sound.BytesPerFrame()));
    Put16(file, sound.bits);
    file += "data";
    Put32(file, static_cast<uint32_t>(sound.samples.size()));
    file += sound.samples;
    return file;
}

}  // namespace quillon
