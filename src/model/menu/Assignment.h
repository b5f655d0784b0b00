#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/menu/VoiceMenu.h"

namespace quillon {

// What one slot of a key says: a message of the voice menu, or the announcement of a class.
class Assignment {
  public:
    explicit Assignment(const MenuEntry& message) : message_(&message) {}
    explicit Assignment(const PlayerClass& playerClass) : playerClass_(&playerClass) {}

    // The assignment that the numbers stand for in the game's menu: a page and line, or the main
    // page and the character code of a class letter; nothing for numbers that stand for no message.
    static std::optional<Assignment> FromNumbers(const GameProfile& game, int16_t page,
                                                 int16_t line);

    bool IsClassAnnouncement() const { return playerClass_ != nullptr; }

    // The numbers that identify it: its menu page and line; for a class announcement the main
    // page and the character code of the class letter.
    int16_t Page() const;
    int16_t Line() const;

    // The text the assignment list shows for it ("Medic", "I'm a Medic").
    std::string Label() const;

    // The text of the player's own that the game shows with it instead of its own; empty for
    // none.
    const std::string& Text() const { return text_; }
    Assignment WithText(std::string text) const;

    // Its console command, ending in ";": the message's name, then the text when it has one
    // ("vsay_team Medic;", "vsay_team Medic at the gate;").
    std::string Command() const;

    bool operator==(const Assignment& other) const {
        return message_ == other.message_ && playerClass_ == other.playerClass_ &&
               text_ == other.text_;
    }
    bool operator!=(const Assignment& other) const { return !(*this == other); }

  private:
    const MenuEntry* message_ = nullptr;
    const PlayerClass* playerClass_ = nullptr;
    std::string text_;
};

}  // namespace quillon
