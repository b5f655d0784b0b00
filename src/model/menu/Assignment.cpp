#include "model/menu/Assignment.h"

#include <utility>

namespace quillon {

std::optional<Assignment> Assignment::FromNumbers(const GameProfile& game, int16_t page,
                                                  int16_t line) {
    if (page == kMainPage) {
        if (line <= 0 || line > 127) {
            return std::nullopt;
        }
        const PlayerClass* playerClass = FindClass(game, static_cast<char>(line));
        return playerClass != nullptr ? std::optional(Assignment(*playerClass)) : std::nullopt;
    }
    const MenuEntry* message = FindMessage(game, page, line);
    return message != nullptr ? std::optional(Assignment(*message)) : std::nullopt;
}

int16_t Assignment::Page() const {
    return IsClassAnnouncement() ? kMainPage : message_->page;
}

// A class line's number is its letter's character code (115 for "s"), shown in the list: kept as
// players know it.
int16_t Assignment::Line() const {
    return IsClassAnnouncement() ? static_cast<int16_t>(playerClass_->letter) : message_->line;
}

std::string Assignment::Label() const {
    if (IsClassAnnouncement()) {
        return kClassLabelPrefix + std::string(playerClass_->name);
    }
    return message_->label != nullptr ? message_->label : message_->shown;
}

Assignment Assignment::WithText(std::string text) const {
    Assignment with = *this;
    with.text_ = std::move(text);
    return with;
}

std::string Assignment::Command() const {
    std::string command =
        IsClassAnnouncement() ? playerClass_->command : message_->action + std::string(";");
    if (!text_.empty()) {
        command.insert(command.size() - 1, " " + text_);
    }
    return command;
}

}  // namespace quillon
