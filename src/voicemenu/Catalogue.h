#pragma once

#include <cstdint>
#include <optional>

namespace quillon {

constexpr int16_t kMainPage = 1;
constexpr int16_t kPageCount = 7;
constexpr int16_t kLinesPerPage = 8;

enum class LineAction {
    None,         // no entry: the menu keeps waiting on the same page
    OpenPage,     // shows page `target`
    Message,      // picks the message `label`
    ClassPrompt,  // asks for the player's class
};

struct MenuLine {
    LineAction action;
    int16_t target;     // OpenPage: the page opened
    const char* label;  // Message: the text listed for it
};

// The line `line` (1..8) of page `page` (1..7); anything out of range has no entry.
const MenuLine& CatalogueLine(int16_t page, int16_t line);

// The name of the hidden picture control that holds the picture of page 1..7 ("main", ...).
const char* PageHolderName(int16_t page);

// The lines a page has, 5..8.
int16_t PageLineCount(int16_t page);

struct PlayerClass {
    char letter;       // 's', 'e', 'm' or 'l'
    const char* name;  // "Soldier", ...
};

// The class whose lower-case letter is `letter`; nothing for any other character.
std::optional<PlayerClass> ClassForLetter(char letter);

// The label listed for a class announcement.
constexpr const char* kClassLabelPrefix = "I'm a ";

}  // namespace quillon
