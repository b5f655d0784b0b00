#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/game/GameProfile.h"
#include "model/keys/KeyTable.h"

namespace quillon {

// What each key 1..22 runs in the game, by key number: the command, or empty for none.
using KeyBindings = std::array<std::string, kKeyCount>;

// The binds the game makes by itself when it has no configuration yet.
KeyBindings DefaultBindings(const GameProfile& game);

// The binds after the engine's console has run `configuration` on top of `before` (read as
// CommandsOf reads it): "unbindall" clears them all, "unbind KEY" one, and the last
// "bind KEY COMMAND" of a key wins; key names in any letter case.
KeyBindings ReadBindings(const std::string& configuration, KeyBindings before = {},
                         Engine engine = Engine::Original);

// The profile named in the text of "profiles/defaultprofile.dat" (its first word, quoted or
// not); nothing when it names none, as an empty file, which the game takes for no profile;
// empty when it is no name of a folder.
std::optional<std::string> ProfileNameIn(const std::string& defaultProfile);

// The binds that are the game's, not Quillon's: a key bound to run one of Quillon's pointers
// "vstr tryNbb" is Quillon's.
KeyBindings GamesOwn(const KeyBindings& bindings);

// What a command does in the game, in the player's words where the game's profile knows them
// ("fire team, select member 1"), else the command itself.
std::string GameCommandInWords(const GameProfile& game, const std::string& command);

// The keys that the template binds, by its "bind" commands.
std::set<int16_t> KeysBoundBy(const std::string& templateText, Engine engine = Engine::Original);

// The template without its "bind" commands of the keys, the rest of their lines kept; every
// other byte stays.
std::string WithoutBindsOf(const std::string& templateText, const std::set<int16_t>& keys,
                           Engine engine = Engine::Original);

}  // namespace quillon
