#include "ui/Layout.h"

#include <cstring>

namespace quillon::layout {

// clang-format off
const std::array<Control, 6> kWindowControls = {{
    {"List1",    ControlKind::ListBox, {6, 15, 214, 82},    "",                     Font::Default,   false, false, 24},
    {"Command4", ControlKind::Button,  {231, 15, 100, 28},  "Delete command",       Font::Default,   false, false, 30},
    {"Label1",   ControlKind::Label,   {231, 87, 244, 19},  "",                     Font::ArialBold, true,  false, 26},
    {"Command2", ControlKind::Button,  {231, 108, 187, 28}, "Assign Voice Command", Font::Default,   false, false, 25},
    {"Command3", ControlKind::Button,  {423, 108, 55, 28},  "Cancel",               Font::Default,   false, false, 29},
    {"Image1",   ControlKind::Picture, {6, 105, 217, 217},  "",                     Font::Default,   false, true,  -1},
}};

const Control kFrame1 =
    {"Frame1",   ControlKind::Frame,   {228, 138, 250, 178}, "Key Assignments",     Font::ArialBold, false, false, 0};

const std::array<Control, 2> kFrameControls = {{
    {"Label2",   ControlKind::Label,   {9, 117, 76, 19},    "Current Key",          Font::ArialBold, true,  false, 27},
    {"Label3",   ControlKind::Label,   {9, 135, 76, 19},    "",                     Font::ArialBold, true,  true,  28},
}};

const std::array<KeypadButton, 23> kKeypad = {{
    {"Num Lock", {120, 21, 28, 28},  Font::SmallFonts, 1},
    {"/",        {150, 21, 28, 28},  Font::Terminal,   2},
    {"*",        {180, 21, 28, 28},  Font::Terminal,   3},
    {"-",        {210, 21, 28, 28},  Font::Terminal,   4},
    {"7",        {120, 51, 28, 28},  Font::Terminal,   5},
    {"8",        {150, 51, 28, 28},  Font::Terminal,   6},
    {"9",        {180, 51, 28, 28},  Font::Terminal,   7},
    {"+",        {210, 51, 28, 58},  Font::Terminal,   8},
    {"4",        {120, 81, 28, 28},  Font::Terminal,   9},
    {"5",        {150, 81, 28, 28},  Font::Terminal,   10},
    {"6",        {180, 81, 28, 28},  Font::Terminal,   11},
    {"1",        {120, 111, 28, 28}, Font::Terminal,   12},
    {"2",        {150, 111, 28, 28}, Font::Terminal,   13},
    {"3",        {180, 111, 28, 28}, Font::Terminal,   14},
    {"Enter",    {210, 111, 28, 58}, Font::SmallFonts, 15},
    {"0",        {120, 141, 58, 28}, Font::Terminal,   16},
    {"Del",      {180, 141, 28, 28}, Font::SmallFonts, 17},
    {"Ins",      {9, 21, 28, 28},    Font::SmallFonts, 18},
    {"Home",     {39, 21, 28, 28},   Font::SmallFonts, 19},
    {"Pgup",     {69, 21, 28, 28},   Font::SmallFonts, 20},
    {"Del",      {9, 51, 28, 28},    Font::SmallFonts, 21},
    {"End",      {39, 51, 28, 28},   Font::SmallFonts, 22},
    {"Pgdn",     {69, 51, 28, 28},   Font::SmallFonts, 23},
}};

const std::array<Rect, 8> kHotSpots = {{
    {6, 141, 214, 19},
    {6, 162, 214, 19},
    {6, 183, 214, 19},
    {6, 201, 214, 19},
    {6, 222, 214, 19},
    {6, 243, 214, 16},
    {6, 261, 214, 19},
    {6, 282, 214, 19},
}};
// clang-format on

const MenuItem kFileMenu = {"mnufile", "&File", ""};
const MenuItem kExportItem = {"mnuexport", "&Export Script", "F12"};

FontSpec SpecOf(Font font) {
    switch (font) {
        case Font::ArialBold:
            return {"Arial", 8.25, true};
        case Font::Terminal:
            return {"Terminal", 9, true};
        case Font::SmallFonts:
            return {"Small Fonts", 6, false};
        case Font::Default:
            break;
    }
    return {"", 0, false};
}

const Control* FindControl(const char* name) {
    for (const Control& control : kWindowControls) {
        if (std::strcmp(control.name, name) == 0) {
            return &control;
        }
    }
    for (const Control& control : kFrameControls) {
        if (std::strcmp(control.name, name) == 0) {
            return &control;
        }
    }
    return std::strcmp(kFrame1.name, name) == 0 ? &kFrame1 : nullptr;
}

}  // namespace quillon::layout
