#pragma once

#include <array>
#include <cstdint>

namespace quillon::layout {

// The fixed window layout, in pixels at 96 dots per inch. Every front end builds its window from
// these tables and nothing else.

enum class ControlKind { Button, ListBox, Label, Frame, Picture };

enum class Font {
    Default,     // the toolkit's standard font for buttons and list boxes
    ArialBold,   // "Arial" 8.25 pt bold
    Terminal,    // "Terminal" 9 pt bold, OEM character set; else a bold fixed-pitch ~9 pt
    SmallFonts,  // "Small Fonts" 6 pt; else a small plain font of ~6 pt
};

struct Rect {
    int16_t x, y, width, height;
};

struct Control {
    const char* name;
    ControlKind kind;
    Rect rect;  // relative to the frame for controls inside Frame1, else to the client area
    const char* caption;
    Font font;
    bool centred;      // labels: text centred
    bool border;       // thin single-line border
    int16_t tabIndex;  // -1: none; labels and the frame never take the focus
};

struct KeypadButton {
    const char* caption;
    Rect rect;  // relative to Frame1
    Font font;
    int16_t tabIndex;
};

struct MenuItem {
    const char* name;
    const char* caption;   // '&' marks the access key
    const char* shortcut;  // "" for none
};

constexpr const char* kTitle = "Quillon";
constexpr int16_t kClientWidth = 481;
constexpr int16_t kClientHeight = 326;
struct FontSpec {
    const char* face;  // "" for the toolkit's default
    double points;
    bool bold;
};
FontSpec SpecOf(Font font);

// Controls placed directly in the window, then Frame1, then the controls inside Frame1.
extern const std::array<Control, 6> kWindowControls;
extern const Control kFrame1;
extern const std::array<Control, 2> kFrameControls;

extern const std::array<KeypadButton, 23> kKeypad;  // Command1(0..22), indexed by key

// Image2(0..7), the hot-spots over Image1; a higher index lies in front of a lower one.
extern const std::array<Rect, 8> kHotSpots;

extern const MenuItem kFileMenu;    // mnufile
extern const MenuItem kExportItem;  // mnuexport, its only item

// The timers' intervals in milliseconds.
constexpr int kTimer1Interval = 50;
constexpr int kTimer2Interval = 75;

// The page pictures: 212 x 213 each, stretched into Image1.
constexpr int16_t kPagePictureWidth = 212;
constexpr int16_t kPagePictureHeight = 213;

// Looks a window control up by name; nullptr when there is none.
const Control* FindControl(const char* name);

}  // namespace quillon::layout
