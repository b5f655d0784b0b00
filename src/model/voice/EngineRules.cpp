#include "model/voice/EngineRules.h"

namespace quillon {

const EngineRules& RulesOf(Game game, Engine engine) {
    // clang-format off
    static const EngineRules kWolfenstein =    {true,  false, 16383, 64,  64, false, false, true,  false};
    static const EngineRules kEnemyTerritory = {false, false, 32767, 272, 32, true,  false, true,  false};
    // ET: Legacy 2.79 and later, which moves every plain folder above every archive.
    static const EngineRules kLegacy =         {false, true,  32767, 272, 32, true,  true,  false, true};
    // clang-format on
    if (engine == Engine::Legacy) {
        return kLegacy;
    }
    return game == Game::EnemyTerritory ? kEnemyTerritory : kWolfenstein;
}

}  // namespace quillon
