#include "app/RecoveryFile.h"

#include "model/script/ScriptGenerator.h"
#include "model/script/ScriptReader.h"

namespace quillon {
namespace {

// The file is the generated part of a script, which the reader reads back, after a line that
// names the game. Files of the time before there were other games do without that line.
constexpr const char* kHeader = "// Quillon's changes that were not exported\r\n";
constexpr const char* kGameLine = "// game: ";

std::string GameLine(const GameProfile& game) {
    return kGameLine + std::string(game.name) + "\r\n";
}

}  // namespace

void RecoveryFile::Keep(const KeyTable& keys, const GameProfile& game) const {
    (void)WriteFileReplacing(files_, path_, kHeader + GameLine(game) + GenerateScriptBody(keys));
}

void RecoveryFile::Discard() const {
    (void)files_.Remove(path_);
}

std::optional<KeyTable> RecoveryFile::Read(const GameProfile& game) const {
    const FileRead read = files_.ReadRegularFile(path_, kLargestScript);
    if (read.status != FileRead::Status::Read) {
        return std::nullopt;
    }
    const size_t named = read.content.find(kGameLine);
    const bool forThisGame =
        named == std::string::npos
            ? game.game == Game::ReturnToCastleWolfenstein
            : read.content.compare(named, GameLine(game).size(), GameLine(game)) == 0;
    if (!forThisGame) {
        return std::nullopt;
    }
    return ReadScriptAssignments(game, read.content).table;
}

}  // namespace quillon
