#include "app/ScriptExport.h"

#include <chrono>
#include <thread>
#include <utility>

#include "app/Messages.h"
#include "app/Program.h"
#include "model/install/SettingsFile.h"
#include "model/script/ScriptGenerator.h"
#include "platform/PathText.h"
#include "platform/SystemText.h"

namespace quillon {
namespace {

// These two are kept word for word as players know them, "sucessful" and " : " included.
const std::string kExportedMessage =
    "The script has been created and can be activated by typing the following in the console : /" +
    kRunScriptLine;
constexpr const char* kExportedTitle = "Script compilation sucessful";

Status Failed(std::string message) {
    return Status::Failure(ErrorKind::Other, std::move(message));
}

}  // namespace

Result<std::string> ReadTemplate(FileSystem& files, const std::string& workingFolder) {
    const Result<std::string> read =
        files.ReadRegularFile(workingFolder + kTemplateFileName, kLargestScript);
    const std::string named = "The template \"" + std::string(kTemplateFileName) + "\" in \"" +
                              PathForMessage(workingFolder) + "\"";
    if (read.Kind() == ErrorKind::Missing) {
        return Failed("The template \"" + std::string(kTemplateFileName) +
                      "\" could not be read in \"" + PathForMessage(workingFolder) +
                      "\".\nPut the template there and export again; your " +
                      "assignments are kept.");
    }
    if (!read.Ok()) {
        return Failed(named + " cannot be used: " + WhyFailed(read) +
                      ".\nPut a text file of that name there and export again; your " +
                      "assignments are kept.");
    }
    Result<std::string> text = TextForGame(read.Get());
    if (!text.Ok()) {
        return Failed(named + " cannot be written as the game reads it: " + WhyFailed(text) +
                      ".\nSave it again as plain text (ANSI, in Notepad), without such letters, " +
                      "and export again; your assignments are kept.");
    }
    // The engine reads a script only up to its first NUL: nothing after it would run.
    if (const size_t nul = text.Get().find('\0'); nul != std::string::npos) {
        return Failed(named + " holds a NUL byte (byte " + std::to_string(nul + 1) +
                      "), where the game stops reading the script: nothing after it would run." +
                      "\nSave it as plain text (ANSI or UTF-8) and export again; your " +
                      "assignments are kept.");
    }
    return text;
}

Result<std::string> TemplateForExport(FileSystem& files, const std::string& workingFolder,
                                      const std::string& scriptFolder) {
    Result<std::string> read = ReadTemplate(files, workingFolder);
    if (!read.Ok()) {
        return read;
    }
    if (scriptFolder.empty() || !files.IsFolder(scriptFolder)) {
        return Failed(GameFolderMissing(scriptFolder));
    }
    // Written over, a folder would be refused as if the game folder could not be written to.
    if (const std::string script = scriptFolder + kScriptFileName; files.IsFolder(script)) {
        return Failed("\"" + PathForMessage(script) +
                      "\" is a folder, which the game cannot run and Quillon cannot replace.\n" +
                      "Move or rename that folder, then export again; your assignments are " +
                      "kept.");
    }
    return read;
}

Result<size_t> WriteConsoleScript(FileSystem& files, const KeyTable& table,
                                  const std::string& workingFolder, const std::string& scriptFolder,
                                  const std::set<int16_t>& keysLeft, Engine engine) {
    const Result<std::string> read = TemplateForExport(files, workingFolder, scriptFolder);
    if (!read.Ok()) {
        return Status(read);
    }
    const std::string templateFolder = "\"" + PathForMessage(workingFolder) + "\"";
    const std::string script = ConsoleScript(read.Get(), table, keysLeft, engine);
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

std::string GameFolderMissing(const std::string& scriptFolder) {
    return "The game folder \"" + PathForMessage(scriptFolder) +
           "\" does not exist.\nCheck the game installation, or delete \"" + kSettingsFileName +
           "\" and start Quillon again to search for it; your assignments are kept until you " +
           "close Quillon.";
}

ExportBox ExportResult(const std::string& path, const std::vector<std::string>& notRun) {
    std::string reasons;
    for (const std::string& reason : notRun) {
        if (!reason.empty()) {
            reasons += "\n\n" + reason;
        }
    }
    if (reasons.empty()) {
        return {kExportedMessage, kExportedTitle};
    }
    return {"The script has been written to \"" + PathForMessage(path) +
                "\", but the game will not run it as written." + reasons,
            kProgramName};
}

std::string ScriptFoundFirst(const SearchPath& search, const std::string& scriptFolder) {
    const std::string first = search.FolderHolding(kScriptFileName);
    if (first.empty() || first == scriptFolder) {
        return {};
    }
    return "The game finds another \"" + kScriptFileName + "\" before this one: \"" +
           PathForMessage(search.FilesOf(first).FolderOf(kScriptFileName) + kScriptFileName) +
           "\".\n\"/" + kRunScriptLine +
           "\" runs that one; move it away to run the script just exported.";
}

Result<std::unique_ptr<HeldLock>> HoldForExport(FileSystem& files, const std::string& folder) {
    // An export writes in a few milliseconds; one that holds the folder longer is stuck.
    constexpr auto kPause = std::chrono::milliseconds(25);
    constexpr int kTries = 80;
    for (int tried = 1;; ++tried) {
        Result<std::unique_ptr<HeldLock>> held = files.TryLockFolder(folder);
        if (held.Kind() != ErrorKind::Busy) {
            return held.Ok() ? std::move(held) : Result<std::unique_ptr<HeldLock>>(nullptr);
        }
        if (tried == kTries) {
            return held.Saying("Another Quillon window is exporting into \"" +
                               PathForMessage(folder) + "\" and has not finished for " +
                               std::to_string(kTries * kPause.count() / 1000) +
                               " seconds.\nNothing was exported; your assignments are kept. "
                               "Export again once it has finished.");
        }
        std::this_thread::sleep_for(kPause);
    }
}

void RemoveUnfinishedScripts(FileSystem& files, const std::string& folder) {
    FolderListing listing;
    if (!files.ListFolder(folder, kScriptFileName + std::string(".*"), listing).Ok()) {
        return;
    }
    for (const FolderEntry& entry : listing.entries) {
        if (!entry.isFolder && IsNewFileName(entry.name, kScriptFileName)) {
            (void)files.Remove(folder + entry.name);
        }
    }
}

std::string ScriptSizeWarning(const GameProfile& game, size_t size) {
    // The engine takes the file with one byte more: a script of the limit itself is refused.
    if (size < game.scriptLimit) {
        return {};
    }
    const std::string laterEngines = game.laterEnginesScriptLimit > game.scriptLimit
                                         ? " (later engines run scripts of up to " +
                                               std::to_string(game.laterEnginesScriptLimit - 1) +
                                               " bytes)"
                                         : "";
    return "The script is " + std::to_string(size) + " bytes long. " + game.name +
           " runs no script of " + std::to_string(game.scriptLimit) + " bytes or more: \"/" +
           kRunScriptLine + "\" would run none of it.\nShorten the template \"" +
           kTemplateFileName + "\"" + laterEngines + ".";
}

}  // namespace quillon
