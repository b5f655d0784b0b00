#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/View.h"
#include "model/keys/KeyTable.h"
#include "model/menu/Assignment.h"

namespace quillon {

// Asks for the text of the player's own that the message carries, until the game would show it
// as written or the box is cancelled: the message with the text typed (none for an empty one),
// or nothing when cancelled.
std::optional<Assignment> AskForMessageText(View& view, const Assignment& message);

// What to tell the player of the texts taken off the messages read from `where`, in the game
// folder `gameFolder`, whose game shows texts or not; empty when none was taken off.
std::string DroppedTextsNote(const std::vector<DroppedText>& dropped, bool gameShowsTexts,
                             const std::string& where, const std::string& gameFolder);

}  // namespace quillon
