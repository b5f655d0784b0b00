#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quillon {

// Keys are numbered as the buttons of the on-screen keypad: 0 is Num Lock, which never takes an
// assignment; 1..16 are the numeric keypad, 17..22 the editing block.
constexpr int16_t kNumLockKey = 0;
constexpr int16_t kFirstAssignableKey = 1;
constexpr int16_t kLastKey = 22;
constexpr int16_t kKeyCount = kLastKey + 1;

struct KeyFacts {
    const char* caption;     // what its button shows
    const char* bindName;    // the game console's name of the key; "" for Num Lock
    const char* spokenName;  // what a screen reader says for it
};

// Every key, by number.
extern const std::array<KeyFacts, kKeyCount> kKeys;

// The caption of key 0..22; the empty text for any other number.
std::string KeyCaption(int16_t key);

// The key's name for those who cannot see its button ("Keypad 5", "Page Up"); the empty text
// for a number that is no key.
std::string SpokenKeyName(int16_t key);

// The game console's name of key 1..22 ("KP_SLASH"); the empty text for Num Lock.
std::string BindName(int16_t key);

}  // namespace quillon
