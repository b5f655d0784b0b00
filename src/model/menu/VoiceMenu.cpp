#include "model/menu/VoiceMenu.h"

namespace quillon {

// Pages 2 to 5 speak to the player's team, pages 6 and 7 to everybody. Labels and commands are
// the game's own, spelling and letter case included.
// clang-format off
const std::array<VoiceMessage, 39> kVoiceMessages = {{
    {2, 1, "Path Cleared",        "vsay_team PathCleared"},
    {2, 2, "Enemy Weak",          "vsay_team EnemyWeak"},
    {2, 3, "All Clear",           "vsay_team AllClear"},
    {2, 4, "Incoming",            "vsay_team Incoming"},
    {2, 5, "Fire In The Hole",    "vsay_team FireInTheHole"},
    {2, 6, "I'm On Defense",      "vsay_team OnDefense"},
    {2, 7, "I'm Attacking",       "vsay_team OnOffense"},
    {2, 8, "Taking Fire",         "vsay_team TakingFire"},
    {3, 1, "Medic",               "vsay_team Medic"},
    {3, 2, "Ammo",                "vsay_team NeedAmmo"},
    {3, 3, "I Need Backup",       "vsay_team NeedBackup"},
    {3, 4, "Need An Engineer",    "vsay_team NeedEngineer"},
    {3, 5, "Cover Me",            "vsay_team coverme"},
    {3, 6, "Hold Your Fire",      "vsay_team HoldYourFire"},
    {3, 7, "Where To",            "vsay_team WhereTo"},
    {4, 1, "Follow Me",           "vsay_team FollowMe"},
    {4, 2, "Lets Go",             "vsay_team LetsGo"},
    {4, 3, "Move",                "vsay_team Move"},
    {4, 4, "Clear The Path",      "vsay_team ClearPath"},
    {4, 5, "Defend The Objective", "vsay_team DefendObjective"},
    {4, 6, "Disarm The Dynamite", "vsay_team DisarmDynamite"},
    {5, 1, "Yes (TEAM)",          "vsay_team Affirmative"},
    {5, 2, "No (TEAM)",           "vsay_team Negative"},
    {5, 3, "Thanks",              "vsay_team Thanks"},
    {5, 4, "You're Welcome",      "vsay_team Welcome"},
    {5, 5, "Sorry",               "vsay_team Sorry"},
    {6, 1, "Yes (GLOBAL)",        "vsay Affirmative"},
    {6, 2, "No (GLOBAL)",         "vsay Negative"},
    {6, 3, "Enemy Weak (GLOBAL)", "vsay Enemyweak"},
    {6, 4, "Hi",                  "vsay Hi"},
    {6, 5, "Bye",                 "vsay Bye"},
    {6, 6, "Great Shot",          "vsay GreatShot"},
    {6, 7, "Cheer/Celebrate",     "vsay Cheer"},
    {7, 1, "Thanks",              "vsay thanks"},
    {7, 2, "Welcome",             "vsay welcome"},
    {7, 3, "Oops",                "vsay Oops"},
    {7, 4, "Sorry",               "vsay sorry"},
    {7, 5, "Hold Fire",           "vsay holdyourfire"},
    {7, 6, "Good game",           "vsay GoodGame"},
}};

const std::array<PlayerClass, 4> kPlayerClasses = {{
    {'s', "Soldier",    "vsay_team iamsoldier;"},
    {'e', "Engineer",   "vsay_team iamengineer;"},
    {'m', "Medic",      "vsay_team iammedic;"},
    {'l', "Lieutenant", "vsay_team iamlieutenant;"},
}};

const std::array<PageLink, 6> kPageLinks = {{
    {1, 1, 2}, {1, 2, 3}, {1, 3, 4}, {1, 4, 5}, {1, 5, 6},
    {6, 8, 7},
}};
// clang-format on

MenuLine LineAt(int16_t page, int16_t line) {
    if (const VoiceMessage* message = FindMessage(page, line)) {
        return {LineAction::Message, 0, message};
    }
    for (const PageLink& link : kPageLinks) {
        if (link.page == page && link.line == line) {
            return {LineAction::OpenPage, link.target, nullptr};
        }
    }
    if (page == kMainPage && line == kClassLine) {
        return {LineAction::ClassPrompt, 0, nullptr};
    }
    return {};
}

const VoiceMessage* FindMessage(int16_t page, int16_t line) {
    for (const VoiceMessage& message : kVoiceMessages) {
        if (message.page == page && message.line == line) {
            return &message;
        }
    }
    return nullptr;
}

const PlayerClass* FindClass(char letter) {
    for (const PlayerClass& playerClass : kPlayerClasses) {
        if (playerClass.letter == letter) {
            return &playerClass;
        }
    }
    return nullptr;
}

int16_t PageLineCount(int16_t page) {
    int16_t count = 0;
    for (int16_t line = 1; line <= kLinesPerPage; ++line) {
        if (LineAt(page, line).action != LineAction::None) {
            count = line;
        }
    }
    return count;
}

}  // namespace quillon
