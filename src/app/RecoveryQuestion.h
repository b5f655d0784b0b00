#pragma once

#include <optional>
#include <string>

#include "app/RecoveryFile.h"
#include "app/View.h"
#include "model/game/GameProfile.h"
#include "model/keys/KeyTable.h"

namespace quillon {

// At start: offers, one after the other, the changes that windows which ended without asking
// left behind for the game folder `folder`, until the player takes up one. Those the key table
// `keys` holds already, and those the player answers No to, are dropped; a box closed without an
// answer leaves them for the next start. The changes taken up; nothing when none.
std::optional<LeftWork> OfferLeftWork(View& view, const RecoveryFile& recovery,
                                      const GameProfile& game, const std::string& folder,
                                      const KeyTable& keys);

}  // namespace quillon
