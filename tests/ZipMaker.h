#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quillon::test {

// Writes zip archives as the tests and the benchmark need them: stored or deflated entries, in
// the order given.
class ZipMaker {
  public:
    void Add(const std::string& name, const std::string& content, bool deflate = false) {
        std::string packed = content;
        if (deflate) {
            packed = Deflate(content);
        }
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

    std::string Archive(const std::string& before = {}) const {
        std::string end;
        Put(end, 0x06054b50, 4);
        Put(end, 0, 4);
        Put(end, count_, 2);
        Put(end, count_, 2);
        Put(end, directory_.size(), 4);
        Put(end, body_.size(), 4);
        Put(end, 0, 2);
        // Offsets count from the archive's start; a stub before it shifts them all.
        return before + body_ + directory_ + end;
    }

    static std::string Deflate(const std::string& content) {
        z_stream stream{};
        deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        std::string out(deflateBound(&stream, static_cast<uLong>(content.size())), '\0');
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(content.data()));
        stream.avail_in = static_cast<uInt>(content.size());
        stream.next_out = reinterpret_cast<Bytef*>(out.data());
        stream.avail_out = static_cast<uInt>(out.size());
        deflate(&stream, Z_FINISH);
        out.resize(stream.total_out);
        deflateEnd(&stream);
        return out;
    }

  private:
    static void Put(std::string& to, uint64_t value, int bytes) {
        for (int k = 0; k < bytes; ++k) {
            to += static_cast<char>(value >> (8 * k) & 0xFF);
        }
    }

    static std::string Header(uint32_t signature, uint16_t method, uint32_t crc, size_t packed,
                              size_t size, const std::string& name, bool central, uint32_t at) {
        std::string header;
        Put(header, signature, 4);
        if (central) {
            Put(header, 20, 2);
        }
        Put(header, 20, 2);
        Put(header, 0, 2);
        Put(header, method, 2);
        Put(header, 0, 4);
        Put(header, crc, 4);
        Put(header, packed, 4);
        Put(header, size, 4);
        Put(header, name.size(), 2);
        Put(header, 0, 2);
        if (central) {
            header.append(2 + 2 + 2 + 4, '\0');  // comment, disk, attributes
            Put(header, at, 4);
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
    for (size_t k = 0; k < frames; ++k) {
        const bool high = (k * hertz * 2 / rate) % 2 == 0;
        for (uint16_t c = 0; c < channels; ++c) {
            if (bits == 8) {
                samples += static_cast<char>(high ? 0xC0 : 0x40);
            } else {
                const int16_t value = high ? 8000 : -8000;
                samples += static_cast<char>(value & 0xFF);
                samples += static_cast<char>((value >> 8) & 0xFF);
            }
        }
    }
    std::string wave = "RIFF";
    const auto put = [&](uint32_t value, int bytes) {
        for (int k = 0; k < bytes; ++k) {
            wave += static_cast<char>(value >> (8 * k) & 0xFF);
        }
    };
    put(static_cast<uint32_t>(36 + samples.size()), 4);
    wave += "WAVEfmt ";
    put(16, 4);
    put(1, 2);
    put(channels, 2);
    put(rate, 4);
    put(rate * channels * bits / 8, 4);
    put(channels * bits / 8, 2);
    put(bits, 2);
    wave += "data";
    put(static_cast<uint32_t>(samples.size()), 4);
    return wave + samples;
}

}  // namespace quillon::test
