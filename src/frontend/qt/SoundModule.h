#pragma once

#include <cstddef>

// What Quillon's sound module offers, by name, to the program that loads it.
extern "C" {
// Plays PCM samples (8-bit unsigned or 16-bit signed), stopping the sound still playing; 0 when
// it cannot, with why in `why`.
using PlaySoundFunction = int (*)(const char* samples, size_t size, unsigned rate,
                                  unsigned channels, unsigned bits, char* why, size_t whyCapacity);
using StopSoundFunction = void (*)();
}

constexpr const char* kSoundModuleName = "quillon_sound";
