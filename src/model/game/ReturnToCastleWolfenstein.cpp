#include "model/game/GameProfile.h"

namespace quillon {

// Pages 2 to 5 speak to the player's team, pages 6 and 7 to everybody. The texts and commands
// are the game's own, spelling and letter case included; the assignment list has names of its
// own for the messages ("Lets Go", "Yes (TEAM)"), kept as players know them.
// clang-format off
const GameProfile& ReturnToCastleWolfenstein() {
    static const GameProfile profile{
        Game::ReturnToCastleWolfenstein,
        "Return to Castle Wolfenstein",
        {"Voice chat", "Statements", "Requests", "Commands", "Talk", "Global", "More global chats"},
        {
            {1, 1, "Statements",          ">2"},
            {1, 2, "Requests",            ">3"},
            {1, 3, "Commands",            ">4"},
            {1, 4, "Talk",                ">5"},
            {1, 5, "Global",              ">6"},
            {1, 6, "Function",            "class"},
            {2, 1, "Path Cleared.",       "vsay_team PathCleared",   "Path Cleared"},
            {2, 2, "Enemy weak!",         "vsay_team EnemyWeak",     "Enemy Weak"},
            {2, 3, "All clear",           "vsay_team AllClear",      "All Clear"},
            {2, 4, "Incoming",            "vsay_team Incoming"},
            {2, 5, "Fire in the hole!",   "vsay_team FireInTheHole", "Fire In The Hole"},
            {2, 6, "I'm on defense.",     "vsay_team OnDefense",     "I'm On Defense"},
            {2, 7, "I'm attacking.",      "vsay_team OnOffense",     "I'm Attacking"},
            {2, 8, "Taking Fire!",        "vsay_team TakingFire",    "Taking Fire"},
            {3, 1, "Medic!",              "vsay_team Medic",         "Medic"},
            {3, 2, "Ammo!",               "vsay_team NeedAmmo",      "Ammo"},
            {3, 3, "I need backup!",      "vsay_team NeedBackup",    "I Need Backup"},
            {3, 4, "Need an engineer!",   "vsay_team NeedEngineer",  "Need An Engineer"},
            {3, 5, "Cover me!",           "vsay_team coverme",       "Cover Me"},
            {3, 6, "Hold your fire!",     "vsay_team HoldYourFire",  "Hold Your Fire"},
            {3, 7, "Where to?",           "vsay_team WhereTo",       "Where To"},
            {4, 1, "Follow me!",          "vsay_team FollowMe",      "Follow Me"},
            {4, 2, "Let's go!",           "vsay_team LetsGo",        "Lets Go"},
            {4, 3, "Move!",               "vsay_team Move",          "Move"},
            {4, 4, "Clear the path!",     "vsay_team ClearPath",     "Clear The Path"},
            {4, 5, "Defend our objective", "vsay_team DefendObjective", "Defend The Objective"},
            {4, 6, "Disarm dynamite!",    "vsay_team DisarmDynamite", "Disarm The Dynamite"},
            {5, 1, "Yes (Team)",          "vsay_team Affirmative",   "Yes (TEAM)"},
            {5, 2, "No (Team)",           "vsay_team Negative",      "No (TEAM)"},
            {5, 3, "Thanks",              "vsay_team Thanks"},
            {5, 4, "You're welcome",      "vsay_team Welcome",       "You're Welcome"},
            {5, 5, "Sorry",               "vsay_team Sorry"},
            {6, 1, "Yes (Global)",        "vsay Affirmative",        "Yes (GLOBAL)"},
            {6, 2, "No (Global)",         "vsay Negative",           "No (GLOBAL)"},
            {6, 3, "Enemy Weak (Global)", "vsay Enemyweak",          "Enemy Weak (GLOBAL)"},
            {6, 4, "Hi!",                 "vsay Hi",                 "Hi"},
            {6, 5, "Bye",                 "vsay Bye"},
            {6, 6, "Great Shot!",         "vsay GreatShot",          "Great Shot"},
            {6, 7, "Cheer/Celebrate",     "vsay Cheer"},
            {6, 8, "More global chats",   ">7"},
            {7, 1, "Thanks",              "vsay thanks"},
            {7, 2, "Welcome",             "vsay welcome"},
            {7, 3, "Oops",                "vsay Oops"},
            {7, 4, "Sorry",               "vsay sorry"},
            {7, 5, "Hold Fire",           "vsay holdyourfire"},
            {7, 6, "Good game",           "vsay GoodGame"},
        },
        {
            {'s', "Soldier",    "vsay_team iamsoldier;"},
            {'e', "Engineer",   "vsay_team iamengineer;"},
            {'m', "Medic",      "vsay_team iammedic;"},
            {'l', "Lieutenant", "vsay_team iamlieutenant;"},
        },
        // Kept as players know it, its uneven blanks and the one at its end included.
        {"Please select the class you would like to bind to this key (S)-Soldier  (E)-Engineer  "
         "(M)-Medic   (L)-Lieutenant... ",
         "Select a class", "S"},
        16384,
        131072,
        "",
        {{{"sp_pak2.pk3"}}, {{"mp_pak0.pk3"}}, {{"wolfconfig_mp.cfg"}}},
        "sp_pak2.pk3;mp_pak0.pk3;wolfconfig_mp.cfg",
        "Main",
        "appmanifest_9010.acf",
        {"Return to Castle Wolfenstein"},
        {"Wolfenstein"},
        {".wolf/main"},
        {"RTCW\\main"},
        false,
        "wolfconfig_mp.cfg",
        false,
        {},
        {},
    };
    return profile;
}
// clang-format on

}  // namespace quillon
