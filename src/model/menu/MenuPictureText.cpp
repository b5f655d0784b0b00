#include "model/menu/MenuPictureText.h"

namespace quillon {

// clang-format off
const std::array<PageText, kPageCount> kPageTexts = {{
    {"Voice chat", {"Statements", "Requests", "Commands", "Talk", "Global", "Function"}},
    {"Statements", {"Path Cleared.", "Enemy weak!", "All clear", "Incoming", "Fire in the hole!",
                    "I'm on defense.", "I'm attacking.", "Taking Fire!"}},
    {"Requests", {"Medic!", "Ammo!", "I need backup!", "Need an engineer!", "Cover me!",
                  "Hold your fire!", "Where to?"}},
    {"Commands", {"Follow me!", "Let's go!", "Move!", "Clear the path!", "Defend our objective",
                  "Disarm dynamite!"}},
    {"Talk", {"Yes (Team)", "No (Team)", "Thanks", "You're welcome", "Sorry"}},
    {"Global", {"Yes (Global)", "No (Global)", "Enemy Weak (Global)", "Hi!", "Bye", "Great Shot!",
                "Cheer/Celebrate", "More global chats"}},
    {"More global chats", {"Thanks", "Welcome", "Oops", "Sorry", "Hold Fire", "Good game"}},
}};
// clang-format on

std::string DescribePage(int16_t page) {
    if (page < 1 || page > kPageCount) {
        return {};
    }
    const PageText& shown = kPageTexts[static_cast<size_t>(page - 1)];
    std::string text = std::string(shown.title) + ":";
    for (size_t line = 0; line < shown.lines.size() && shown.lines[line] != nullptr; ++line) {
        text += (line == 0 ? " " : ", ") + std::to_string(line + 1) + " " + shown.lines[line];
    }
    return text;
}

}  // namespace quillon
