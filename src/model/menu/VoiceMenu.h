#pragma once

#include <cstdint>
#include <string>

#include "model/game/GameProfile.h"

namespace quillon {

// The voice menu as a game shows it: pages of numbered lines. A line opens another page, picks a
// message, or (one line of the main page) asks for the player's class.

// A class announcement is listed as this followed by the class name: "I'm a Engineer" too, kept
// as players know it.
constexpr const char* kClassLabelPrefix = "I'm a ";

enum class LineAction {
    None,         // no entry: the menu keeps waiting on the same page
    OpenPage,     // shows page `target`
    Message,      // picks `message`
    ClassPrompt,  // asks for the player's class
};

struct MenuLine {
    LineAction action = LineAction::None;
    int16_t target = 0;
    const MenuEntry* message = nullptr;
};

// Whether the entry is a message, not a line that opens a page or asks for the class.
bool IsMessage(const MenuEntry& entry);

// What a line of a page of the game's menu does; anything out of range has no entry.
MenuLine LineAt(const GameProfile& game, int16_t page, int16_t line);

// The message at a page and line; nullptr where there is none.
const MenuEntry* FindMessage(const GameProfile& game, int16_t page, int16_t line);

// The class of a lower-case letter; nullptr for any other character.
const PlayerClass* FindClass(const GameProfile& game, char letter);

// The number of the last line of a page that does something.
int16_t PageLineCount(const GameProfile& game, int16_t page);

// The text a page shows on its line; nullptr where it shows none.
const char* ShownText(const GameProfile& game, int16_t page, int16_t line);

// The page as one line of text, for those who cannot see the picture:
// "Requests: 1 Medic!, 2 Ammo!, ...". Empty for a page that does not exist.
std::string DescribePage(const GameProfile& game, int16_t page);

}  // namespace quillon
