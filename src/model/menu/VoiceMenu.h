#pragma once

#include <array>
#include <cstdint>

namespace quillon {

// The voice menu as the game shows it: seven pages of up to eight numbered lines. A line opens
// another page, picks a message, or (one line of the main page) asks for the player's class.

constexpr int16_t kMainPage = 1;
constexpr int16_t kPageCount = 7;
constexpr int16_t kLinesPerPage = 8;

// A message of the menu: where it stands, the text the assignment list shows for it, and the
// console command that says it in the game.
struct VoiceMessage {
    int16_t page;
    int16_t line;
    const char* label;
    const char* command;
};

// A class the player can announce: its lower-case letter, its name and its console command,
// which carries its own closing ";".
struct PlayerClass {
    char letter;
    const char* name;
    const char* command;
};

// A line that opens another page.
struct PageLink {
    int16_t page;
    int16_t line;
    int16_t target;
};

extern const std::array<VoiceMessage, 39> kVoiceMessages;
extern const std::array<PlayerClass, 4> kPlayerClasses;
extern const std::array<PageLink, 6> kPageLinks;

// The main page's line that asks for the class, and the box that asks.
constexpr int16_t kClassLine = 6;
constexpr const char* kClassPrompt =
    "Please select the class you would like to bind to this key (S)-Soldier  (E)-Engineer  "
    "(M)-Medic   (L)-Lieutenant... ";
constexpr const char* kClassPromptTitle = "Select a class";
constexpr const char* kClassPromptDefault = "S";
// A class announcement is listed as this followed by the class name.
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
    const VoiceMessage* message = nullptr;
};

// What line 1..8 of page 1..7 does; anything out of range has no entry.
MenuLine LineAt(int16_t page, int16_t line);

// The message at a page and line; nullptr where there is none.
const VoiceMessage* FindMessage(int16_t page, int16_t line);

// The class of a lower-case letter; nullptr for any other character.
const PlayerClass* FindClass(char letter);

// The number of the last line of a page that does something.
int16_t PageLineCount(int16_t page);

}  // namespace quillon
