#include "app/MessageTexts.h"

#include "app/Messages.h"
#include "model/keys/Keypad.h"
#include "model/menu/MessageText.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

constexpr const char* kMessageTextTitle = "Text of the message";

}  // namespace

std::optional<Assignment> AskForMessageText(View& view, const Assignment& message) {
    const std::string prompt = "The text ET: Legacy shows instead of \"" + message.Label() +
                               "\" when this key says it, at most " +
                               std::to_string(kLongestMessageText) +
                               " characters. Leave it empty for the message's own.";
    std::string typed = message.Text();
    while (true) {
        const std::optional<std::string> answer = view.AskForText(prompt, kMessageTextTitle, typed);
        if (!answer) {
            return std::nullopt;
        }
        typed = *answer;
        const std::string text = TrimmedMessageText(typed);
        const std::vector<MessageTextProblem> problems = MessageTextProblems(text);
        if (problems.empty()) {
            return message.WithText(text);
        }
        view.ShowMessageBox("ET: Legacy would not show \"" + text +
                                "\" as written:" + MessageTextReasons(problems) +
                                "\nChange the text, or leave it empty for the message's own.",
                            kMessageTextTitle);
    }
}

std::string DroppedTextsNote(const std::vector<DroppedText>& dropped, bool gameShowsTexts,
                             const std::string& where, const std::string& gameFolder) {
    if (dropped.empty()) {
        return {};
    }
    if (!gameShowsTexts) {
        const std::string count = dropped.size() == 1
                                      ? "1 message carries"
                                      : std::to_string(dropped.size()) + " messages carry";
        return "In " + where + ", " + count +
               " a text of your own. Only ET: Legacy shows such texts, and the game folder \"" +
               PathForMessage(gameFolder) +
               "\" is not one of ET: Legacy's: the messages are kept without their texts, and "
               "the next export leaves the texts out.";
    }
    std::string which;
    for (const DroppedText& text : dropped) {
        which += "\n" + SpokenKeyName(text.key) + ", " + text.assignment.Label() + ", \"" +
                 text.assignment.Text() + "\":" + MessageTextReasons(text.problems);
    }
    return "In " + where + ", ET: Legacy would not show these texts as written. " +
           "Their messages are kept without them, and the next export leaves them out." + which;
}

}  // namespace quillon
