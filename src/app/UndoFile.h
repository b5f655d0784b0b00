#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "app/GameFiles.h"
#include "model/script/GameBindings.h"
#include "platform/FileSystem.h"

namespace quillon {

// What keeping the game's binds in the undo script came to, for the export to tell.
struct UndoKept {
    bool made = false;    // this export made the undo script
    std::string problem;  // why the game's binds of keys the script takes are not kept; empty
                          // when they are
};

// At an export whose script binds the keys of the template but `keysLeft`: adds to the undo script
// beside the script the game's binds `before` of the keys it does not give back yet, and makes it
// when there is none. Once the game has run the script, its configuration holds the script's binds,
// so a key is written only once and the rest of the file is kept. An undo script that is not
// Quillon's, cannot be read or is read-only is left as it is; `before` is nothing when the game's
// binds could not be read.
[[nodiscard]] UndoKept KeepGameBinds(FileSystem& files, const GameFiles& scriptFolder,
                                     const std::optional<KeyBindings>& before,
                                     const std::string& templateText,
                                     const std::set<int16_t>& keysLeft,
                                     Engine engine = Engine::Original);

// What the export's message says of the undo script: how to run it, when the export made it.
std::string UndoNote(const UndoKept& kept);

}  // namespace quillon
