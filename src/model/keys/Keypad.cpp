#include "model/keys/Keypad.h"

namespace quillon {

// The captions, "Pgup", "Pgdn" and the two keys captioned "Del", are kept as players know them.
// The game matches key names ignoring case; a single character would name a main-keyboard key,
// so the keypad's asterisk is KP_STAR, and the insert keys are KP_INS and INS.
// clang-format off
const std::array<KeyFacts, kKeyCount> kKeys = {{
    {"Num Lock", "",              "Keypad Num Lock"},
    {"/",        "KP_SLASH",      "Keypad /"},
    {"*",        "KP_STAR",       "Keypad *"},
    {"-",        "KP_MINUS",      "Keypad -"},
    {"7",        "KP_HOME",       "Keypad 7"},
    {"8",        "KP_UPARROW",    "Keypad 8"},
    {"9",        "KP_PGUP",       "Keypad 9"},
    {"+",        "KP_PLUS",       "Keypad +"},
    {"4",        "KP_LEFTARROW",  "Keypad 4"},
    {"5",        "KP_5",          "Keypad 5"},
    {"6",        "KP_RIGHTARROW", "Keypad 6"},
    {"1",        "KP_END",        "Keypad 1"},
    {"2",        "KP_DOWNARROW",  "Keypad 2"},
    {"3",        "KP_PGDN",       "Keypad 3"},
    {"Enter",    "KP_ENTER",      "Keypad Enter"},
    {"0",        "KP_INS",        "Keypad 0"},
    {"Del",      "KP_DEL",        "Keypad Del"},
    {"Ins",      "INS",           "Insert"},
    {"Home",     "HOME",          "Home"},
    {"Pgup",     "PGUP",          "Page Up"},
    {"Del",      "DEL",           "Delete"},
    {"End",      "END",           "End"},
    {"Pgdn",     "PGDN",          "Page Down"},
}};
// clang-format on

namespace {

bool IsKey(int16_t key) {
    return key >= 0 && key < kKeyCount;
}

}  // namespace

std::string KeyCaption(int16_t key) {
    return IsKey(key) ? kKeys[key].caption : std::string();
}

std::string SpokenKeyName(int16_t key) {
    return IsKey(key) ? kKeys[key].spokenName : std::string();
}

std::string BindName(int16_t key) {
    return IsKey(key) ? kKeys[key].bindName : std::string();
}

}  // namespace quillon
