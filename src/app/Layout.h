#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/game/GameProfile.h"
#include "model/keys/Keypad.h"

namespace quillon::layout {

// The fixed window layout, in pixels at 96 dots per inch; a front end scales it to the display.
// Every front end builds its window from these tables and nothing else.
constexpr int kDotsPerInch = 96;

enum class ControlKind { Button, ListBox, Label, Frame, Picture };

// What each control is for; front ends route events and operations by it.
enum class Role {
    AssignmentList,
    DeleteButton,
    HearButton,
    Prompt,
    AssignButton,
    CancelButton,
    MenuPicture,
    KeyFrame,
    CurrentKeyTitle,
    CurrentKey,
};

enum class Font {
    Default,     // the toolkit's standard font for buttons and list boxes
    ArialBold,   // "Arial" 8.25 pt bold
    Terminal,    // "Terminal" 9 pt bold, OEM character set; else a bold fixed-pitch ~9 pt
    SmallFonts,  // "Small Fonts" 6 pt; else a small plain font of ~6 pt
};

struct Rect {
    int16_t x, y, width, height;
    bool operator==(const Rect& other) const {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
    bool operator!=(const Rect& other) const { return !(*this == other); }
};

struct Control {
    Role role;
    const char* name;  // the control's name in the window, for tests and tools
    ControlKind kind;
    Rect rect;  // relative to the key frame for controls inside it, else to the client area
    const char* caption;  // buttons: '&' marks the access key
    Font font;
    bool centred;      // labels: text centred
    bool border;       // thin single-line border
    bool inKeyFrame;   // placed inside the key frame
    int16_t tabIndex;  // -1: none; labels, the frame and the picture never take the focus
};

struct KeypadButton {
    Rect rect;  // relative to the key frame
    Font font;
    int16_t tabIndex;
};

// What a menu item does.
enum class Command {
    ExportScript,
    ChooseGameFolder,
    LoadScriptAtGameStart,
    Exit,
    About,
    EditMessageText,
    GiveKeysBack,
    HearMessage,
    TeamVoiceAxis,
    TeamVoiceAllies,
};

// A key of the keyboard, as every toolkit can name it.
struct KeyStroke {
    enum class Kind { Function, Digit, KeypadDigit };
    Kind kind;
    int16_t number;  // F1..F24: 1..24; a digit: 0..9
};

// The key's name as menus show it beside an item ("F12").
std::string KeyName(const KeyStroke& stroke);

struct MenuItem {
    Command command;
    const char* name;
    const char* caption;  // '&' marks the access key
    std::optional<KeyStroke> shortcut;
    bool checkable = false;  // shows a check mark, set by the form
};

struct Menu {
    const char* name;
    const char* caption;  // '&' marks the access key
    std::vector<MenuItem> items;
};

constexpr int16_t kClientWidth = 481;
constexpr int16_t kClientHeight = 326;
// Below that, across the window's width, the status bar with Quillon's own notes; the two make
// the window's inside.
constexpr int16_t kStatusBarHeight = 20;
constexpr int16_t kInsideHeight = kClientHeight + kStatusBarHeight;

struct FontSpec {
    const char* face;  // "" for the toolkit's default
    double points;
    bool bold;
};
FontSpec SpecOf(Font font);

// Every control but the keypad and the menu-line hot-spots.
extern const std::array<Control, 10> kControls;

// The keypad buttons, by key number.
extern const std::array<KeypadButton, kKeyCount> kKeypad;
// A keypad button's caption: the key's own, a caption of two words on two lines, as on a real
// keypad.
std::string KeypadButtonCaption(int16_t key);

// The hot-spots over the menu picture of a game's pages, one per line (index 0 is line 1); a
// higher index lies in front of a lower one. Lines its pages never have get an empty rectangle.
using MenuLineSpots = std::array<Rect, kMostLinesPerPage>;
const MenuLineSpots& MenuLinesOf(Game game);

// What a screen reader says for the hot-spot of line 1..10 ("Menu line 3").
std::string MenuLineSpokenName(int16_t line);

// The menu bar, left to right.
extern const std::array<Menu, 3> kMenus;

// The keys that pick line 1..10 of the menu picture, whichever control has the focus: the line's
// digit on the main keys and on the keypad, 0 for line 10, as in the game.
struct MenuLineKey {
    KeyStroke stroke;
    int16_t line;
};
std::vector<MenuLineKey> MenuLineKeys();

constexpr size_t kFontCount = static_cast<size_t>(Font::SmallFonts) + 1;

// The timers' intervals in milliseconds, kept as players know the menu and the blink.
constexpr int kMenuTickInterval = 50;
constexpr int kBlinkInterval = 75;

// The page pictures: 212 x 213 each, stretched into the menu picture. They are drawn at twice
// that size and brought to the size shown, in the display's own pixels, in one smooth step, so
// that their letters stay sharp at any scale. The letters of line n stand on rows
// firstTop + pitch * (n - 1) to firstBottom + pitch * (n - 1).
constexpr int16_t kPagePictureWidth = 212;
constexpr int16_t kPagePictureHeight = 213;
constexpr int16_t kPictureDrawnScale = 2;
struct PictureLines {
    int16_t firstTop, firstBottom, pitch;
};
PictureLines PictureLinesOf(Game game);

// The pictures of every game's pages are numbered from 1 across the games, in the order of
// kGames.
int16_t PictureNumber(Game game, int16_t page);
// The assets' file of a picture, drawn at its scale: "page1@2x.png" and on.
std::string PictureFileName(int16_t picture);
int16_t PictureCount();

const Control& ControlFor(Role role);

}  // namespace quillon::layout
