#include "model/keys/Keypad.h"

namespace quillon {

// The game matches key names ignoring case; a single character would name a main-keyboard key,
// so the keypad's asterisk is KP_STAR, and the insert keys are KP_INS and INS.
// clang-format off
const std::array<KeyFacts, kKeyCount> kKeys = {{
    {"Num Lock", ""},
    {"/", "KP_SLASH"},     {"*", "KP_STAR"},       {"-", "KP_MINUS"},
    {"7", "KP_HOME"},      {"8", "KP_UPARROW"},    {"9", "KP_PGUP"},     {"+", "KP_PLUS"},
    {"4", "KP_LEFTARROW"}, {"5", "KP_5"},          {"6", "KP_RIGHTARROW"},
    {"1", "KP_END"},       {"2", "KP_DOWNARROW"},  {"3", "KP_PGDN"},     {"Enter", "KP_ENTER"},
    {"0", "KP_INS"},       {"Del", "KP_DEL"},
    {"Ins", "INS"},        {"Home", "HOME"},       {"Pgup", "PGUP"},
    {"Del", "DEL"},        {"End", "END"},         {"Pgdn", "PGDN"},
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

std::string BindName(int16_t key) {
    return IsKey(key) ? kKeys[key].bindName : std::string();
}

}  // namespace quillon
