#pragma once

#include <optional>
#include <set>
#include <string>

#include "app/View.h"
#include "model/game/GameProfile.h"
#include "model/keys/KeyTable.h"
#include "model/script/GameBindings.h"

namespace quillon {

// The voice messages that the player's own binds say in the game, offered for the keypad when a
// game folder has no script yet, so that the first export keeps the setup the player came with.
class VoiceBindTakeover {
  public:
    // Asks whether to put the messages that `bindings` say onto the keys of `keys`, up to a key's
    // slots, in their order; the table with them after Yes, else nothing. It asks only when they
    // add to the keys, and once a run for each folder the player answered: No leaves them to the
    // game, while Cancel, or closing the box, decides nothing and the folder's next use asks again.
    std::optional<KeyTable> Offer(View& view, const GameProfile& game, Engine engine,
                                  const KeyBindings& bindings, const KeyTable& keys,
                                  const std::string& folder);

  private:
    std::set<std::string> answered_;  // the folders
};

}  // namespace quillon
