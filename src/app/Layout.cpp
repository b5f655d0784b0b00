#include "app/Layout.h"

#include <algorithm>

namespace quillon::layout {

// Places, sizes and captions are kept as players know them, the lower-case "command" included.
// clang-format off
const std::array<Control, 10> kControls = {{
    {Role::AssignmentList,  "assignments",     ControlKind::ListBox, {6, 15, 214, 82},     "",                      Font::Default,   false, false, false, 24},
    {Role::DeleteButton,    "deleteButton",    ControlKind::Button,  {231, 15, 100, 28},   "&Delete command",       Font::Default,   false, false, false, 30},
    {Role::HearButton,      "hearButton",      ControlKind::Button,  {336, 15, 60, 28},    "Hea&r",                 Font::Default,   false, false, false, 31},
    {Role::Prompt,          "prompt",          ControlKind::Label,   {231, 87, 244, 19},   "",                      Font::ArialBold, true,  false, false, 26},
    {Role::AssignButton,    "assignButton",    ControlKind::Button,  {231, 108, 187, 28},  "&Assign Voice Command", Font::Default,   false, false, false, 25},
    {Role::CancelButton,    "cancelButton",    ControlKind::Button,  {423, 108, 55, 28},   "&Cancel",               Font::Default,   false, false, false, 29},
    {Role::MenuPicture,     "menuPicture",     ControlKind::Picture, {6, 105, 217, 217},   "",                      Font::Default,   false, true,  false, -1},
    {Role::KeyFrame,        "keyFrame",        ControlKind::Frame,   {228, 138, 250, 178}, "Key Assignments",       Font::ArialBold, false, false, false, -1},
    {Role::CurrentKeyTitle, "currentKeyTitle", ControlKind::Label,   {9, 117, 76, 19},     "Current Key",           Font::ArialBold, true,  false, true,  -1},
    {Role::CurrentKey,      "currentKey",      ControlKind::Label,   {9, 135, 76, 19},     "",                      Font::ArialBold, true,  true,  true,  -1},
}};

const std::array<KeypadButton, kKeyCount> kKeypad = {{
    {{120, 21, 28, 28},  Font::SmallFonts, 1},
    {{150, 21, 28, 28},  Font::Terminal,   2},
    {{180, 21, 28, 28},  Font::Terminal,   3},
    {{210, 21, 28, 28},  Font::Terminal,   4},
    {{120, 51, 28, 28},  Font::Terminal,   5},
    {{150, 51, 28, 28},  Font::Terminal,   6},
    {{180, 51, 28, 28},  Font::Terminal,   7},
    {{210, 51, 28, 58},  Font::Terminal,   8},
    {{120, 81, 28, 28},  Font::Terminal,   9},
    {{150, 81, 28, 28},  Font::Terminal,   10},
    {{180, 81, 28, 28},  Font::Terminal,   11},
    {{120, 111, 28, 28}, Font::Terminal,   12},
    {{150, 111, 28, 28}, Font::Terminal,   13},
    {{180, 111, 28, 28}, Font::Terminal,   14},
    {{210, 111, 28, 58}, Font::SmallFonts, 15},
    {{120, 141, 58, 28}, Font::Terminal,   16},
    {{180, 141, 28, 28}, Font::SmallFonts, 17},
    {{9, 21, 28, 28},    Font::SmallFonts, 18},
    {{39, 21, 28, 28},   Font::SmallFonts, 19},
    {{69, 21, 28, 28},   Font::SmallFonts, 20},
    {{9, 51, 28, 28},    Font::SmallFonts, 21},
    {{39, 51, 28, 28},   Font::SmallFonts, 22},
    {{69, 51, 28, 28},   Font::SmallFonts, 23},
}};

const MenuLineSpots kReturnToCastleWolfensteinLines = {{
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

// Ten lines to a page: each spot covers its line's letters and the gap above them, as drawn
// by the stretched picture.
MenuLineSpots EvenlySpacedLines(Game game) {
    const Rect& picture = ControlFor(Role::MenuPicture).rect;
    const PictureLines lines = PictureLinesOf(game);
    const auto windowRow = [&](int pictureRow) {
        return static_cast<int16_t>(picture.y + pictureRow * picture.height / kPagePictureHeight);
    };
    MenuLineSpots spots{};
    for (int16_t k = 0; k < ProfileOf(game).LinesPerPage(); ++k) {
        const int top = lines.firstBottom + 2 - lines.pitch + lines.pitch * k;
        spots[k] = {6, windowRow(top), 214,
                    static_cast<int16_t>(windowRow(top + lines.pitch) - windowRow(top))};
    }
    return spots;
}

const std::array<Menu, 3> kMenus = {{
    {"fileMenu",
     "&File",
     {
         {Command::ExportScript, "exportScript", "&Export Script",
          KeyStroke{KeyStroke::Kind::Function, 12}},
         {Command::ChooseGameFolder, "gameFolder", "Game &Folder...", std::nullopt},
         {Command::LoadScriptAtGameStart, "loadAtGameStart", "Load Script at Game &Start",
          std::nullopt, true},
         {Command::GiveKeysBack, "giveKeysBack", "Give the &Keys Back...", std::nullopt},
         {Command::Exit, "exit", "E&xit", std::nullopt},
     }},
    // F2, as renaming goes on both platforms.
    {"editMenu",
     "&Edit",
     {{Command::EditMessageText, "messageText", "Message &Text...",
       KeyStroke{KeyStroke::Kind::Function, 2}},
      {Command::HearMessage, "hearMessage", "&Hear Message",
       KeyStroke{KeyStroke::Kind::Function, 3}},
      {Command::TeamVoiceAxis, "teamVoiceAxis", "Team Voice: &Axis", std::nullopt, true},
      {Command::TeamVoiceAllies, "teamVoiceAllies", "Team Voice: A&llies", std::nullopt, true}}},
    {"helpMenu", "&Help", {{Command::About, "about", "&About Quillon", std::nullopt}}},
}};

std::string KeypadButtonCaption(int16_t key) {
    std::string caption = KeyCaption(key);
    std::replace(caption.begin(), caption.end(), ' ', '\n');
    return caption;
}

std::string KeyName(const KeyStroke& stroke) {
    return (stroke.kind == KeyStroke::Kind::Function ? "F" : "") + std::to_string(stroke.number);
}

std::string MenuLineSpokenName(int16_t line) {
    return "Menu line " + std::to_string(line);
}

std::vector<MenuLineKey> MenuLineKeys() {
    std::vector<MenuLineKey> keys;
    for (int16_t line = 1; line <= kMostLinesPerPage; ++line) {
        const int16_t digit = line % 10;
        keys.push_back({{KeyStroke::Kind::Digit, digit}, line});
        keys.push_back({{KeyStroke::Kind::KeypadDigit, digit}, line});
    }
    return keys;
}

const MenuLineSpots& MenuLinesOf(Game game) {
    static const MenuLineSpots kEnemyTerritoryLines = EvenlySpacedLines(Game::EnemyTerritory);
    return game == Game::EnemyTerritory ? kEnemyTerritoryLines : kReturnToCastleWolfensteinLines;
}

PictureLines PictureLinesOf(Game game) {
    return game == Game::EnemyTerritory ? PictureLines{30, 42, 17} : PictureLines{38, 50, 20};
}

int16_t PictureNumber(Game game, int16_t page) {
    int16_t before = 0;
    for (size_t k = 0; kGames.at(k) != game; ++k) {
        before = static_cast<int16_t>(before + ProfileOf(kGames[k]).PageCount());
    }
    return static_cast<int16_t>(before + page);
}

std::string PictureFileName(int16_t picture) {
    return "page" + std::to_string(picture) + "@" + std::to_string(kPictureDrawnScale) + "x.png";
}

int16_t PictureCount() {
    return PictureNumber(kGames.back(), ProfileOf(kGames.back()).PageCount());
}

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

const Control& ControlFor(Role role) {
    for (const Control& control : kControls) {
        if (control.role == role) {
            return control;
        }
    }
    return kControls.front();
}

}  // namespace quillon::layout
