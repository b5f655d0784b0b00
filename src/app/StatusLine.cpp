#include "app/StatusLine.h"

#include <cctype>

#include "model/keys/KeyTable.h"
#include "model/keys/Keypad.h"
#include "platform/PathText.h"

namespace quillon {

void StatusLine::ShowInUse(const std::string& gameName, const std::string& folder) {
    inUse_ = gameName + ", game folder " + PathForMessage(folder);
    Show(inUse_);
}

void StatusLine::Note(const std::string& note) {
    Show(note);
}

void StatusLine::NextStep() {
    Show(inUse_);
}

void StatusLine::Show(const std::string& text) {
    // Only a change is shown: screen readers say every text they are given.
    if (text != shown_) {
        view_.ShowStatus(text);
        shown_ = text;
    }
}

std::string FullKeyNote(int16_t key) {
    return SpokenKeyName(key) + " holds " + std::to_string(kSlotsPerKey) +
           " messages already. Delete one to assign another.";
}

std::string NoClassNote(const GameProfile& game) {
    // The letters as the game's class question names them: "S, E, M or L".
    std::string letters;
    for (size_t at = 0; at < game.classes.size(); ++at) {
        letters +=
            std::string(at == 0                        ? ""
                        : at + 1 < game.classes.size() ? ", "
                                                       : " or ") +
            static_cast<char>(std::toupper(static_cast<unsigned char>(game.classes[at].letter)));
    }
    return "No class has that letter (" + letters + "). The message was not assigned.";
}

}  // namespace quillon
