#include "app/RecoveryFile.h"

#include "model/script/ScriptGenerator.h"
#include "model/script/ScriptReader.h"

namespace quillon {
namespace {

// The file is the generated part of a script, which the reader reads back.
constexpr const char* kHeader = "// Quillon's changes that were not exported\r\n";

}  // namespace

void RecoveryFile::Keep(const KeyTable& keys) const {
    (void)WriteFileReplacing(files_, path_, kHeader + GenerateScriptBody(keys));
}

void RecoveryFile::Discard() const {
    (void)files_.Remove(path_);
}

std::optional<KeyTable> RecoveryFile::Read() const {
    const FileRead read = files_.ReadRegularFile(path_, kLargestScript);
    if (read.status != FileRead::Status::Read) {
        return std::nullopt;
    }
    return ReadScriptAssignments(read.content).table;
}

}  // namespace quillon
