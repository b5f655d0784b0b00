#include "app/ScriptExport.h"

#include <utility>

#include "app/Messages.h"
#include "model/install/SettingsFile.h"
#include "model/script/ScriptGenerator.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

Status Failed(std::string message) {
    return Status::Failure(ErrorKind::Other, std::move(message));
}

}  // namespace

Result<size_t> WriteConsoleScript(FileSystem& files, const KeyTable& table,
                                  const std::string& workingFolder, const std::string& scriptFolder,
                                  const std::set<int16_t>& keysLeft) {
    const Result<std::string> read =
        files.ReadRegularFile(workingFolder + kTemplateFileName, kLargestScript);
    const std::string templateFolder = "\"" + PathForMessage(workingFolder) + "\"";
    if (read.Kind() == ErrorKind::Missing) {
        return Failed("The template \"" + std::string(kTemplateFileName) +
                      "\" could not be read in " + templateFolder +
                      ".\nPut the template there and export again; your " +
                      "assignments are kept.");
    }
    if (!read.Ok()) {
        return Failed("The template \"" + std::string(kTemplateFileName) + "\" in " +
                      templateFolder + " cannot be used: " + WhyFailed(read) +
                      ".\nPut a text file of that name there and export again; your " +
                      "assignments are kept.");
    }
    if (scriptFolder.empty() || !files.IsFolder(scriptFolder)) {
        return Failed("The game folder \"" + PathForMessage(scriptFolder) +
                      "\" does not exist.\nCheck the game installation, or delete \"" +
                      kSettingsFileName + "\" and start Quillon again to search for it; " +
                      "your assignments are kept until you close Quillon.");
    }
    const std::string script = ConsoleScript(read.Get(), table, keysLeft);
    if (script.size() > kLargestScript) {
        return Failed("The template \"" + std::string(kTemplateFileName) + "\" in " +
                      templateFolder + " is too large: the script would be " +
                      std::to_string(script.size()) + " bytes, more than Quillon reads back (" +
                      std::to_string(kLargestScript) + ").\nShorten the template and export " +
                      "again; your assignments are kept.");
    }
    const std::string destination = scriptFolder + kScriptFileName;
    if (const Status written = WriteFileReplacing(files, destination, script); !written.Ok()) {
        return written.Saying("The script \"" + PathForMessage(destination) +
                              "\" could not be written: " + WhyFailed(written) +
                              ".\nCheck that the game folder can be written to, then export "
                              "again; your assignments are kept.");
    }
    return script.size();
}

std::string ScriptSizeWarning(const GameProfile& game, size_t size) {
    // The engine takes the file with one byte more: a script of the limit itself is refused.
    if (size < game.scriptLimit) {
        return {};
    }
    const std::string laterEngines =
        game.laterEnginesScriptLimit > game.scriptLimit
            ? " (later engines run scripts of up to " +
                  std::to_string(game.laterEnginesScriptLimit - 1) + " bytes)"
            : "";
    return "The script is " + std::to_string(size) + " bytes long. " + game.name +
           " runs no script of " + std::to_string(game.scriptLimit) + " bytes or more: \"/" +
           kRunScriptLine + "\" would run none of it.\nShorten the template \"" +
           kTemplateFileName + "\"" + laterEngines + ".";
}

}  // namespace quillon
