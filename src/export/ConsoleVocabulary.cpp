#include "export/ConsoleVocabulary.h"

#include <array>

#include "keys/KeyTable.h"

namespace quillon {
namespace {

struct VsayEntry {
    int16_t page;
    int16_t line;
    const char* command;
};

// clang-format off
constexpr std::array<VsayEntry, 39> kVsayEntries = {{
    {2, 1, "vsay_team PathCleared"},     {2, 2, "vsay_team EnemyWeak"},
    {2, 3, "vsay_team AllClear"},        {2, 4, "vsay_team Incoming"},
    {2, 5, "vsay_team FireInTheHole"},   {2, 6, "vsay_team OnDefense"},
    {2, 7, "vsay_team OnOffense"},       {2, 8, "vsay_team TakingFire"},
    {3, 1, "vsay_team Medic"},           {3, 2, "vsay_team NeedAmmo"},
    {3, 3, "vsay_team NeedBackup"},      {3, 4, "vsay_team NeedEngineer"},
    {3, 5, "vsay_team coverme"},         {3, 6, "vsay_team HoldYourFire"},
    {3, 7, "vsay_team WhereTo"},
    {4, 1, "vsay_team FollowMe"},        {4, 2, "vsay_team LetsGo"},
    {4, 3, "vsay_team Move"},            {4, 4, "vsay_team ClearPath"},
    {4, 5, "vsay_team DefendObjective"}, {4, 6, "vsay_team DisarmDynamite"},
    {5, 1, "vsay_team Affirmative"},     {5, 2, "vsay_team Negative"},
    {5, 3, "vsay_team Thanks"},          {5, 4, "vsay_team Welcome"},
    {5, 5, "vsay_team Sorry"},
    {6, 1, "vsay Affirmative"},          {6, 2, "vsay Negative"},
    {6, 3, "vsay Enemyweak"},            {6, 4, "vsay Hi"},
    {6, 5, "vsay Bye"},                  {6, 6, "vsay GreatShot"},
    {6, 7, "vsay Cheer"},
    {7, 1, "vsay thanks"},               {7, 2, "vsay welcome"},
    {7, 3, "vsay Oops"},                 {7, 4, "vsay sorry"},
    {7, 5, "vsay holdyourfire"},         {7, 6, "vsay GoodGame"},
}};

constexpr std::array<std::pair<char, const char*>, 4> kClassCommands = {{
    {'s', "vsay_team iamsoldier;"},   {'e', "vsay_team iamengineer;"},
    {'m', "vsay_team iammedic;"},     {'l', "vsay_team iamlieutenant;"},
}};

// The game matches key names ignoring case; a single character would name a main-keyboard key,
// so the keypad's asterisk is KP_STAR, and the insert keys are KP_INS and INS.
constexpr std::array<const char*, kKeyCount> kBindNames = {{
    "",
    "KP_SLASH", "KP_STAR", "KP_MINUS", "KP_HOME", "KP_UPARROW", "KP_PGUP", "KP_PLUS",
    "KP_LEFTARROW", "KP_5", "KP_RIGHTARROW", "KP_END", "KP_DOWNARROW", "KP_PGDN", "KP_ENTER",
    "KP_INS", "KP_DEL",
    "INS", "HOME", "PGUP", "DEL", "END", "PGDN",
}};
// clang-format on

}  // namespace

std::string VsayCommand(int16_t page, int16_t line) {
    for (const VsayEntry& entry : kVsayEntries) {
        if (entry.page == page && entry.line == line) {
            return entry.command;
        }
    }
    return {};
}

std::string ClassCommand(int16_t letterCode) {
    for (const auto& [letter, command] : kClassCommands) {
        if (letter == letterCode) {
            return command;
        }
    }
    return {};
}

std::string BindName(int16_t key) {
    return key >= 0 && key < kKeyCount ? kBindNames[key] : std::string();
}

}  // namespace quillon
