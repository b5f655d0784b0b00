#include "app/RecoveryQuestion.h"

#include <utility>
#include <vector>

#include "app/Program.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

constexpr const char* kRecoveryQuestion =
    "Quillon was closed with changes that were not exported. Restore them?";
enum Button : size_t { kYes, kNo };

}  // namespace

std::optional<LeftWork> OfferLeftWork(View& view, const RecoveryFile& recovery,
                                      const GameProfile& game, const std::string& folder,
                                      const KeyTable& keys) {
    std::vector<LeftWork> left = recovery.LeftBehind(game, folder);
    for (size_t at = 0; at < left.size(); ++at) {
        if (left[at].keys == keys) {
            recovery.Forget(left[at]);
            continue;
        }
        const std::string which = left.size() > 1 ? "\n(Changes " + std::to_string(at + 1) +
                                                        " of " + std::to_string(left.size()) +
                                                        ", each of a window of their own.)"
                                                  : "";
        const std::optional<size_t> answer = view.AskChoice(
            kRecoveryQuestion + std::string("\nGame folder: \"") + PathForMessage(folder) + "\"" +
                which +
                "\nYes brings them back; No discards them; closing this box keeps them "
                "for the next start.",
            kProgramName, {"Yes", "No"}, kYes);
        if (answer == kYes) {
            return std::move(left[at]);
        }
        if (answer == kNo) {
            recovery.Forget(left[at]);
        }
    }
    return std::nullopt;
}

}  // namespace quillon
