#include "model/game/GameProfile.h"

namespace quillon {

const GameProfile& ProfileOf(Game game) {
    return game == Game::EnemyTerritory ? EnemyTerritory() : ReturnToCastleWolfenstein();
}

int16_t GameProfile::LinesPerPage() const {
    int16_t most = 0;
    for (const MenuEntry& entry : menu) {
        most = entry.line > most ? entry.line : most;
    }
    return most;
}

}  // namespace quillon
