#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/SearchPath.h"
#include "model/game/GameProfile.h"
#include "model/keys/KeyTable.h"
#include "platform/FileSystem.h"

namespace quillon {

// The template of the working folder (a folder text ending in the separator) as the game reads
// it: see TextForGame(). A failure says what went wrong and what to do. No script carries a NUL
// byte, after which the game would read none of it: a template holding one fails.
Result<std::string> ReadTemplate(FileSystem& files, const std::string& workingFolder);

// The template for an export into `scriptFolder`, once nothing is found to keep the export from
// writing there: the template (see ReadTemplate()), a game folder that is gone, a folder in the
// script's place. A failure says what went wrong and what to do.
Result<std::string> TemplateForExport(FileSystem& files, const std::string& workingFolder,
                                      const std::string& scriptFolder);

// Writes the template from the working folder followed by the generated part to the script in
// `scriptFolder` (folders end in the separator), replacing the earlier script only once the new
// one is complete; the template's "bind" commands of the keys in `keysLeft` are left out, so that
// those keys keep what the game binds them to. A failure says what went wrong and what to do;
// the earlier script is then left as it was. Gives the script's length in bytes.
Result<size_t> WriteConsoleScript(FileSystem& files, const KeyTable& table,
                                  const std::string& workingFolder, const std::string& scriptFolder,
                                  const std::set<int16_t>& keysLeft = {},
                                  Engine engine = Engine::Original);

// What an export of the script into a folder says when that folder is gone; other steps that
// would write into it say the same.
std::string GameFolderMissing(const std::string& scriptFolder);

// The box that tells the player the script at `path` was written. The known message when the
// game runs it; else the reasons it will not run as written (empty ones are none), in the same
// box, so that no success is read first.
struct ExportBox {
    std::string text;
    std::string title;
};
ExportBox ExportResult(const std::string& path, const std::vector<std::string>& notRun);

// What to say of a script earlier in the game's search path than the one in `scriptFolder`, which
// the game runs instead; empty when there is none.
std::string ScriptFoundFirst(const SearchPath& search, const std::string& scriptFolder);

// Holds the folder the script goes to for one export, waiting a moment while another Quillon
// exports into it; when that does not end, fails as Busy with what to tell the player. A folder
// that cannot be held at all (one that is not there) gives no lock and no failure: the export
// goes on, to say why it cannot write.
Result<std::unique_ptr<HeldLock>> HoldForExport(FileSystem& files, const std::string& folder);

// Removes from `folder` the new files of scripts that an export ended before it put them in
// place (a killed window) left there: only names of the kind Quillon gives them. Only while the
// folder is held, so that no export under way loses its file.
void RemoveUnfinishedScripts(FileSystem& files, const std::string& folder);

// What to tell the player about a script of `size` bytes that the game would not run (it runs
// none of a script that reaches its limit); nothing for one it runs.
std::string ScriptSizeWarning(const GameProfile& game, size_t size);

}  // namespace quillon
