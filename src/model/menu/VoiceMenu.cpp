#include "model/menu/VoiceMenu.h"

#include <cstdlib>
#include <cstring>

namespace quillon {
namespace {

const MenuEntry* EntryAt(const GameProfile& game, int16_t page, int16_t line) {
    for (const MenuEntry& entry : game.menu) {
        if (entry.page == page && entry.line == line) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

bool IsMessage(const MenuEntry& entry) {
    return entry.action[0] != '>' && std::strcmp(entry.action, "class") != 0;
}

MenuLine LineAt(const GameProfile& game, int16_t page, int16_t line) {
    const MenuEntry* entry = EntryAt(game, page, line);
    if (entry == nullptr) {
        return {};
    }
    if (IsMessage(*entry)) {
        return {LineAction::Message, 0, entry};
    }
    if (entry->action[0] == '>') {
        return {LineAction::OpenPage, static_cast<int16_t>(std::atoi(entry->action + 1)), nullptr};
    }
    return {LineAction::ClassPrompt, 0, nullptr};
}

const MenuEntry* FindMessage(const GameProfile& game, int16_t page, int16_t line) {
    return LineAt(game, page, line).message;
}

const PlayerClass* FindClass(const GameProfile& game, char letter) {
    for (const PlayerClass& playerClass : game.classes) {
        if (playerClass.letter == letter) {
            return &playerClass;
        }
    }
    return nullptr;
}

int16_t PageLineCount(const GameProfile& game, int16_t page) {
    int16_t count = 0;
    for (const MenuEntry& entry : game.menu) {
        count = entry.page == page && entry.line > count ? entry.line : count;
    }
    return count;
}

const char* ShownText(const GameProfile& game, int16_t page, int16_t line) {
    const MenuEntry* entry = EntryAt(game, page, line);
    return entry != nullptr ? entry->shown : nullptr;
}

std::string DescribePage(const GameProfile& game, int16_t page) {
    if (page < 1 || page > game.PageCount()) {
        return {};
    }
    std::string text = std::string(game.pageTitles[static_cast<size_t>(page - 1)]) + ":";
    for (int16_t line = 1; line <= PageLineCount(game, page); ++line) {
        if (const char* shown = ShownText(game, page, line)) {
            text += (line == 1 ? " " : ", ") + std::to_string(line) + " " + shown;
        }
    }
    return text;
}

}  // namespace quillon
