#include "voicemenu/Catalogue.h"

#include <array>

namespace quillon {
namespace {

struct MenuPage {
    const char* holder;
    std::array<MenuLine, kLinesPerPage> lines;
};

constexpr MenuLine kNone = {LineAction::None, 0, nullptr};

constexpr MenuLine Open(int16_t page) {
    return {LineAction::OpenPage, page, nullptr};
}
constexpr MenuLine Say(const char* label) {
    return {LineAction::Message, 0, label};
}

// clang-format off
const std::array<MenuPage, kPageCount> kPages = {{
    {"main",       {Open(2), Open(3), Open(4), Open(5), Open(6),
                    MenuLine{LineAction::ClassPrompt, 0, nullptr}, kNone, kNone}},
    {"statements", {Say("Path Cleared"), Say("Enemy Weak"), Say("All Clear"), Say("Incoming"),
                    Say("Fire In The Hole"), Say("I'm On Defense"), Say("I'm Attacking"),
                    Say("Taking Fire")}},
    {"requests",   {Say("Medic"), Say("Ammo"), Say("I Need Backup"), Say("Need An Engineer"),
                    Say("Cover Me"), Say("Hold Your Fire"), Say("Where To"), kNone}},
    {"commands",   {Say("Follow Me"), Say("Lets Go"), Say("Move"), Say("Clear The Path"),
                    Say("Defend The Objective"), Say("Disarm The Dynamite"), kNone, kNone}},
    {"talk",       {Say("Yes (TEAM)"), Say("No (TEAM)"), Say("Thanks"), Say("You're Welcome"),
                    Say("Sorry"), kNone, kNone, kNone}},
    {"chat",       {Say("Yes (GLOBAL)"), Say("No (GLOBAL)"), Say("Enemy Weak (GLOBAL)"), Say("Hi"),
                    Say("Bye"), Say("Great Shot"), Say("Cheer/Celebrate"), Open(7)}},
    {"chat2",      {Say("Thanks"), Say("Welcome"), Say("Oops"), Say("Sorry"), Say("Hold Fire"),
                    Say("Good game"), kNone, kNone}},
}};

constexpr std::array<PlayerClass, 4> kClasses = {{
    {'s', "Soldier"}, {'e', "Engineer"}, {'m', "Medic"}, {'l', "Lieutenant"},
}};
// clang-format on

bool IsPage(int16_t page) {
    return page >= kMainPage && page <= kPageCount;
}

}  // namespace

const MenuLine& CatalogueLine(int16_t page, int16_t line) {
    if (!IsPage(page) || line < 1 || line > kLinesPerPage) {
        return kNone;
    }
    return kPages[page - 1].lines[line - 1];
}

const char* PageHolderName(int16_t page) {
    return IsPage(page) ? kPages[page - 1].holder : "";
}

int16_t PageLineCount(int16_t page) {
    int16_t count = 0;
    for (int16_t line = 1; line <= kLinesPerPage; ++line) {
        if (CatalogueLine(page, line).action != LineAction::None) {
            count = line;
        }
    }
    return count;
}

std::optional<PlayerClass> ClassForLetter(char letter) {
    for (const PlayerClass& playerClass : kClasses) {
        if (playerClass.letter == letter) {
            return playerClass;
        }
    }
    return std::nullopt;
}

}  // namespace quillon
