#pragma once

#include <functional>
#include <string>

#include "model/game/GameProfile.h"

namespace quillon {

// The text without each command, as the engine's console splits it (see CommandsOf), for which
// `drop` is true: the command goes with one ";" beside it, and the rest of its line stays,
// comments included; a line left with nothing but blanks and ";" goes with its line end. Every
// other byte stays, a byte-order mark at the start among them. A command that cannot be told
// apart in its line is kept.
std::string WithoutCommands(const std::string& text,
                            const std::function<bool(const std::string&)>& drop,
                            Engine engine = Engine::Original);

}  // namespace quillon
