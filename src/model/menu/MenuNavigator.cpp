#include "model/menu/MenuNavigator.h"

#include <cctype>

namespace quillon {

void MenuNavigator::Begin() {
    state_ = State::Waiting;
    page_ = kMainPage;
    pickedLine_ = 0;
}

void MenuNavigator::PickLine(int16_t line) {
    if (state_ == State::Waiting && line >= 1 && line <= kMostLinesPerPage) {
        state_ = State::LinePicked;
        pickedLine_ = line;
    }
}

void MenuNavigator::UseGame(const GameProfile& game) {
    game_ = &game;
    Cancel();
}

void MenuNavigator::Cancel() {
    state_ = State::Idle;
    page_ = kMainPage;
    pickedLine_ = 0;
}

MenuNavigator::Step MenuNavigator::Tick() {
    if (state_ != State::LinePicked) {
        return {};
    }
    const MenuLine entry = LineAt(*game_, page_, pickedLine_);
    switch (entry.action) {
        case LineAction::Message:
            Cancel();
            return {false, Assignment(*entry.message)};
        case LineAction::ClassPrompt:
            // The line stays picked until the class is answered.
            return {true, std::nullopt};
        case LineAction::OpenPage:
            page_ = entry.target;
            break;
        case LineAction::None:
            break;
    }
    state_ = State::Waiting;
    pickedLine_ = 0;
    return {};
}

std::optional<Assignment> MenuNavigator::AnswerClass(const std::string& answer) {
    if (state_ != State::LinePicked) {
        return std::nullopt;
    }
    Cancel();
    const char letter =
        answer.empty() ? '\0'
                       : static_cast<char>(std::tolower(static_cast<unsigned char>(answer[0])));
    const PlayerClass* chosen = FindClass(*game_, letter);
    return chosen != nullptr ? std::optional(Assignment(*chosen)) : std::nullopt;
}

}  // namespace quillon
