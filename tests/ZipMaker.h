#pragma once

#include <zlib.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace quillon::test {

// Appends each value in little-endian order, in its count of bytes.
inline void PutLittle(std::string& to, std::initializer_list<std::pair<uint64_t, int>> fields) {
    for (const auto& [value, bytes] : fields) {
        for (int k = 0; k < bytes; ++k) {
            to += static_cast<char>(value >> (8 * k) & 0xFF);
        }
    }
}

// Writes zip archives as the tests and the benchmark need them: stored or deflated entries, in
// the order given.
class ZipMaker {
  public:
    void Add(const std::string& name, const std::string& content, bool deflate = false) {
        const std::string packed = deflate ? Deflate(content) : content;
        const uint32_t crc = static_cast<uint32_t>(crc32(
            0, reinterpret_cast<const Bytef*>(content.data()), static_cast<uInt>(content.size())));
        const uint32_t at = static_cast<uint32_t>(body_.size());
        const uint16_t method = deflate ? 8 : 0;
        body_ += Header(0x04034b50, method, crc, packed.size(), content.size(), name, false, 0);
        body_ += packed;
        directory_ +=
            Header(0x02014b50, method, crc, packed.size(), content.size(), name, true, at);
        ++count_;
    }

    // Offsets count from the archive's start; a stub before it shifts them all.
    std::string Archive(const std::string& before = {}) const {
        std::string end;
        PutLittle(end, {{0x06054b50, 4}, {0, 4}, {count_, 2}, {count_, 2}});
        PutLittle(end, {{directory_.size(), 4}, {body_.size(), 4}, {0, 2}});
        return before + body_ + directory_ + end;
    }

    // Raw deflate data, as zip entries hold it: zlib's stream without its header and check.
    static std::string Deflate(const std::string& content) {
        uLongf size = compressBound(static_cast<uLong>(content.size()));
        std::string out(size, '\0');
        compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(content.data()),
                  static_cast<uLong>(content.size()), Z_BEST_SPEED);
        return out.substr(2, size - 6);
    }

  private:
    static std::string Header(uint32_t signature, uint16_t method, uint32_t crc, size_t packed,
                              size_t size, const std::string& name, bool central, uint32_t at) {
        std::string header;
        // The version that made it (the central header's alone), the version needed, no flags.
        PutLittle(header, {{signature, 4}, {20, central ? 2 : 0}, {20, 2}, {0, 2}, {method, 2}});
        PutLittle(header, {{0, 4}, {crc, 4}, {packed, 4}, {size, 4}, {name.size(), 2}, {0, 2}});
        if (central) {  // comment, disk, attributes, where the local header is
            PutLittle(header, {{0, 2}, {0, 2}, {0, 2}, {0, 4}, {at, 4}});
        }
        return header + name;
    }

    std::string body_;
    std::string directory_;
    uint16_t count_ = 0;
};

// A WAV file of a known tone: 16-bit mono (or 8-bit) PCM square wave of `hertz`.
inline std::string ToneWave(uint32_t hertz, uint32_t rate = 22050, uint16_t bits = 16,
                            uint16_t channels = 1, size_t frames = 2205) {
    std::string samples;
    for (size_t k = 0; k < frames * channels; ++k) {
        const bool high = (k / channels * hertz * 2 / rate) % 2 == 0;
        PutLittle(samples,
                  {{bits == 8 ? (high ? 0xC0 : 0x40) : (high ? 8000 : 0x10000 - 8000), bits / 8}});
    }
    std::string wave = "RIFF";
    PutLittle(wave, {{36 + samples.size(), 4}});
    wave += "WAVEfmt ";
    PutLittle(wave, {{16, 4}, {1, 2}, {channels, 2}, {rate, 4}, {rate * channels * bits / 8, 4}});
    PutLittle(wave, {{channels * bits / 8, 2}, {bits, 2}});
    wave += "data";
    PutLittle(wave, {{samples.size(), 4}});
    return wave + samples;
}

// A pak whose Medic is a second of 784 Hz in either of two variants of the Allies voice and of
// 523 Hz in the one of the Axis voice: the tones the window tests run through an audio server
// are heard for (tests/audio).
inline std::string TeamTonesPak() {
    ZipMaker zip;
    zip.Add("scripts/wm_allies_chat.voice",
            "male Medic {\n sound/al/1.wav \"Medic!\"\n sound/al/2.wav \"I need a medic!\"\n}",
            true);
    zip.Add("scripts/wm_axis_chat.voice", "male Medic { sound/ax/1.wav \"Sanitaeter!\" }");
    for (const char* name : {"sound/al/1.wav", "sound/al/2.wav"}) {
        zip.Add(name, ToneWave(784, 22050, 16, 1, 22050), true);
    }
    zip.Add("sound/ax/1.wav", ToneWave(523, 22050, 16, 1, 22050), true);
    return zip.Archive();
}

}  // namespace quillon::test
