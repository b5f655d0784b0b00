#include "model/menu/Assignment.h"

namespace quillon {

std::optional<Assignment> Assignment::FromNumbers(int16_t page, int16_t line) {
    if (page == kMainPage) {
        if (line <= 0 || line > 127) {
            return std::nullopt;
        }
        const PlayerClass* playerClass = FindClass(static_cast<char>(line));
        return playerClass != nullptr ? std::optional(Assignment(*playerClass)) : std::nullopt;
    }
    const VoiceMessage* message = FindMessage(page, line);
    return message != nullptr ? std::optional(Assignment(*message)) : std::nullopt;
}

int16_t Assignment::Page() const {
    return IsClassAnnouncement() ? kMainPage : message_->page;
}

int16_t Assignment::Line() const {
    return IsClassAnnouncement() ? static_cast<int16_t>(playerClass_->letter) : message_->line;
}

std::string Assignment::Label() const {
    return IsClassAnnouncement() ? kClassLabelPrefix + std::string(playerClass_->name)
                                 : message_->label;
}

std::string Assignment::Command() const {
    return IsClassAnnouncement() ? playerClass_->command : message_->command + std::string(";");
}

}  // namespace quillon
