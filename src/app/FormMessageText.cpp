// Texts of the player's own on messages: Edit, Message Text, which asks for the selected
// message's, and the texts taken off messages read from elsewhere that the game would not show
// as written (MessageTexts holds the wording of both).

#include "app/Form.h"

#include <optional>
#include <string>
#include <vector>

#include "app/MessageTexts.h"
#include "app/Program.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

constexpr const char* kSelectMessageFirst =
    "Select a message of the key in the list first: Message Text (F2) gives it a text of your own.";

}  // namespace

KeyTable Form::WithShowableTexts(KeyTable table, const std::string& where) {
    const std::vector<DroppedText> dropped = DropUnshowableTexts(table, showsMessageTexts_);
    if (const std::string note =
            DroppedTextsNote(dropped, showsMessageTexts_, where, installation_.scriptFolder);
        !note.empty()) {
        Tell(note, kProgramName);
    }
    return table;
}

void Form::EditMessageText(int16_t selectedIndex) {
    if (!showsMessageTexts_) {
        const std::string folder = "\"" + PathForMessage(installation_.scriptFolder) + "\"";
        Tell("Only ET: Legacy shows a text of your own with a voice message, and the game folder " +
                 folder + " is not one of ET: Legacy's.",
             kProgramName);
        return;
    }
    if (selectedIndex < 0 || selectedIndex >= keys_.UsedCount(currentKey_)) {
        Tell(kSelectMessageFirst, kProgramName);
        return;
    }
    RevealCurrentKey();
    if (const std::optional<Assignment> changed =
            AskForMessageText(view_, *keys_.At(currentKey_, selectedIndex))) {
        keys_.Replace(currentKey_, selectedIndex, *changed);
        view_.ReplaceAssignment(selectedIndex, ListLine(*changed));
        DescribeMessages();
        KeepRecovery();
    }
}

}  // namespace quillon
