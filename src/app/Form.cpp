#include "app/Form.h"

#include <exception>
#include <optional>
#include <utility>
#include <vector>

#include "app/ExportQuestions.h"
#include "app/GameFiles.h"
#include "app/GameFolderLocator.h"
#include "app/GiveKeysBack.h"
#include "app/MessageTexts.h"
#include "app/Messages.h"
#include "app/Program.h"
#include "app/RecoveryFile.h"
#include "app/RecoveryQuestion.h"
#include "app/ScriptExport.h"
#include "app/ScriptLoss.h"
#include "app/StatusLine.h"
#include "app/UndoFile.h"
#include "app/WorkingFolder.h"
#include "model/install/GameFolders.h"
#include "model/install/Installation.h"
#include "model/install/KnownPlaces.h"
#include "model/install/SettingsFile.h"
#include "model/script/Autoexec.h"
#include "model/script/GameBindings.h"
#include "model/script/ScriptGenerator.h"
#include "model/script/ScriptReader.h"
#include "model/script/VoiceBinds.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

// These two are kept word for word as players know them.
constexpr const char* kNumLockMessage = "Num Lock cannot be scripted with Quillon...";
constexpr const char* kSelectPrompt = "Please select a command";
constexpr const char* kCloseQuestion = "Export the script before closing?";
constexpr const char* kChangeFolderQuestion =
    "Export the script into the current game folder before changing it?";
constexpr const char* kChooseFolderTitle = "Choose the game folder";
constexpr const char* kSelectMessageFirst =
    "Select a message of the key in the list first: Message Text (F2) gives it a text of your own.";
// After the program's name.
constexpr const char* kLicenceNotice =
    " is free software: you can redistribute it and/or modify it under the terms of the "
    "GNU General Public License as published by the Free Software Foundation, either version 3 "
    "of the License, or (at your option) any later version. It comes with ABSOLUTELY NO "
    "WARRANTY.";

constexpr const char* kGameBindingPrefix = "In the game: ";

}  // namespace

template <typename Handler>
void Form::Guarded(Handler handler) {
    const bool outermost = !handlerRunning_;
    handlerRunning_ = true;
    if (outermost) {
        listings_.Forget();
    }
    std::optional<std::string> failure;
    try {
        handler();
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        failure = "an unknown error";
    }
    if (failure) {
        try {
            Tell("Quillon could not finish that step: " + *failure + "\nYour assignments are kept.",
                 kProgramName);
        } catch (...) {
            // Nothing more can be said; the assignments are kept all the same.
        }
    }
    if (outermost) {
        handlerRunning_ = false;
    }
}

bool Form::OnStart() {
    bool located = false;
    Guarded([&] {
        if (workingFolder_.empty()) {
            const WorkingFolder working = ChooseWorkingFolder(files_, environment_);
            workingFolder_ = working.folder;
            if (!working.status.Ok()) {
                Tell(working.status.Message(), kProgramName);
            }
        }
        recovery_.Claim(workingFolder_);
        const LocatedFolder found =
            LocateGameFolder(view_, files_, environment_, workingFolder_,
                             [this] { return KnownPlacesOf(environment_, files_); });
        located = !found.folder.empty();
        if (located) {
            UseInstallation(InstallationAt(found.folder), found.takenNow);
        }
    });
    if (!located) {
        view_.EndProgram();
        return false;
    }
    Guarded([&] {
        RestoreKeys();
        OfferRecovery();
        TakeOverVoiceBinds();
        ShowScriptRunAtStart();
        hearing_.Start(files_, workingFolder_);
        menu_.Cancel();
        ShowPage(kMainPage);
        view_.SetPrompt("");
        shownPrompt_.clear();
        SelectKey(kFirstAssignableKey);
        blinkPhase_ = BlinkPhase::KeyUnlit;
        started_ = true;
    });
    return true;
}

Installation Form::InstallationAt(const std::string& folder) {
    // A user folder is searched with the installations whose game reads it.
    return InstallationOf(files_, folder, UserPlacesOf(environment_),
                          [this](const GameProfile& game, const std::string& userFolder) {
                              return InstallationsReadingFrom(
                                  files_, KnownPlacesOf(environment_, files_),
                                  UserPlacesOf(environment_), game, userFolder);
                          });
}

void Form::UseInstallation(const Installation& installation, bool chosen) {
    installation_ = WithScriptFolderReady(view_, files_, installation, chosen);
    listings_.Forget();  // the player may have changed it while choosing, or it was made
    hearing_.Forget();
    menu_.UseGame(ProfileOf(installation_.game));
    showsMessageTexts_ = ShowsMessageTexts(files_, installation_.gameFolder, Profile());
    keysAnswer_ = KeysAnswer();
    view_.ShowGame(Profile().game);
    statusLine_.ShowInUse(GameNameOfFolder(files_, installation_.gameFolder, Profile()),
                          installation_.scriptFolder);
    ShowPage(kMainPage);
    ShowGameBindings();
}

void Form::ShowGameBindings() {
    gameBindings_ = GameSearchPath().Bindings(Profile(), installation_.engine);
    // Only what changed is shown again, so that screen readers hear no change that is none.
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        const std::string& command = gameBindings_[key];
        const std::string said = command.empty()
                                     ? std::string()
                                     : kGameBindingPrefix + GameCommandInWords(Profile(), command);
        if (said != bindingsShown_[key]) {
            view_.ShowGameBinding(key, said);
            bindingsShown_[key] = said;
        }
    }
}

void Form::ShowPage(int16_t page) {
    view_.ShowPage(page);
    view_.SetSpokenText(layout::Role::MenuPicture, DescribePage(Profile(), page));
    shownPage_ = page;
}

void Form::SelectKey(int16_t key) {
    currentKey_ = key;
    statusLine_.NextStep();
    const std::string name = SpokenKeyName(key);
    view_.SetSpokenText(layout::Role::CurrentKey, "Current key: " + name);
    // "Messages of keypad 5", "Messages of Page Up": the word keypad is no name of its own.
    const std::string keypad = "Keypad ";
    view_.SetSpokenText(
        layout::Role::AssignmentList,
        "Messages of " +
            (name.rfind(keypad, 0) == 0 ? "keypad " + name.substr(keypad.size()) : name));
    std::vector<std::string> lines;
    for (int16_t slot = 0; slot < kSlotsPerKey; ++slot) {
        if (const std::optional<Assignment>& assignment = keys_.At(key, slot)) {
            lines.push_back(ListLine(*assignment));
        }
    }
    view_.ShowAssignments(lines);
    DescribeMessages();
}

bool Form::KeepRecovery() {
    if (!HasUnexportedChanges()) {
        DiscardRecovery();
        return true;
    }
    const Status kept = recovery_.Keep(keys_, Profile(), installation_.scriptFolder);
    if (!kept.Ok() && !std::exchange(recoveryFailureTold_, true)) {
        Tell("Quillon cannot keep your changes that are not exported in \"" +
                 PathForMessage(workingFolder_) + "\": " + WhyFailed(kept) +
                 ".\nShould Quillon end unexpectedly, they would be lost: export them "
                 "(File, Export Script) to keep them.",
             kProgramName);
    }
    return kept.Ok();
}

void Form::DiscardRecovery() {
    recovery_.Discard();
}

void Form::OfferRecovery() {
    const std::optional<LeftWork> taken =
        OfferLeftWork(view_, recovery_, Profile(), installation_.scriptFolder, keys_);
    if (taken) {
        keys_ = WithShowableTexts(taken->keys, "the changes that were not exported");
        shownKeys_ = taken->keys;
        // Another window's changes become this window's, once they are kept as its own.
        if (KeepRecovery()) {
            recovery_.Forget(*taken);
        }
    }
}

void Form::RestoreKeys() {
    const std::string script = ScriptPath();
    const Result<std::string> read = files_.ReadRegularFile(script, kLargestScript);
    keys_ = KeyTable();
    shownKeys_ = KeyTable();
    scriptKnown_ = read;
    if (read.Ok()) {
        // The template's own lines are no keys, even where they set a key's variable.
        const RestoredKeys restored =
            ReadScriptAssignments(Profile(), read.Get(), TemplateText(), installation_.engine);
        if (restored.linesNotUnderstood > 0) {
            Tell("Quillon restored the messages of " + Counted(restored.keysRestored, "key") +
                     " from \"" + PathForMessage(script) + "\"; " +
                     Counted(restored.linesNotUnderstood, "line") + " of it " +
                     (restored.linesNotUnderstood == 1 ? "was" : "were") +
                     " not understood and left out.",
                 kProgramName);
        }
        keys_ = WithShowableTexts(restored.table, "\"" + PathForMessage(script) + "\"");
        shownKeys_ = restored.table;
    } else if (read.Kind() != ErrorKind::Missing) {
        Tell("Quillon could not read your keys from \"" + PathForMessage(script) +
                 "\": " + WhyFailed(read) + ".\nThe keypad starts empty; the script stays as it " +
                 "is until you export.",
             kProgramName);
    }
    savedKeys_ = keys_;
}

void Form::TakeOverVoiceBinds() {
    if (scriptKnown_.Kind() != ErrorKind::Missing) {
        return;
    }
    RevealCurrentKey();
    if (const std::optional<KeyTable> taken =
            takeover_.Offer(view_, Profile(), installation_.engine, gameBindings_, keys_,
                            installation_.scriptFolder)) {
        keys_ = WithShowableTexts(*taken, "your game's voice binds");
        KeepRecovery();
    }
}

KeyTable Form::WithShowableTexts(KeyTable table, const std::string& where) {
    const std::vector<DroppedText> dropped = DropUnshowableTexts(table, showsMessageTexts_);
    if (const std::string note =
            DroppedTextsNote(dropped, showsMessageTexts_, where, installation_.scriptFolder);
        !note.empty()) {
        Tell(note, kProgramName);
    }
    return table;
}

void Form::EditMessageText(int16_t selectedIndex) {
    if (!showsMessageTexts_) {
        const std::string folder = "\"" + PathForMessage(installation_.scriptFolder) + "\"";
        Tell("Only ET: Legacy shows a text of your own with a voice message, and the game folder " +
                 folder + " is not one of ET: Legacy's.",
             kProgramName);
        return;
    }
    if (selectedIndex < 0 || selectedIndex >= keys_.UsedCount(currentKey_)) {
        Tell(kSelectMessageFirst, kProgramName);
        return;
    }
    RevealCurrentKey();
    if (const std::optional<Assignment> changed =
            AskForMessageText(view_, *keys_.At(currentKey_, selectedIndex))) {
        keys_.Replace(currentKey_, selectedIndex, *changed);
        view_.ReplaceAssignment(selectedIndex, ListLine(*changed));
        DescribeMessages();
        KeepRecovery();
    }
}

void Form::ShowMenu() {
    if (menu_.Page() != shownPage_) {
        ShowPage(menu_.Page());
    }
    const std::string prompt = menu_.InProgress() ? kSelectPrompt : "";
    if (prompt != shownPrompt_) {
        view_.SetPrompt(prompt);
        shownPrompt_ = prompt;
    }
}

void Form::RevealCurrentKey() {
    if (started_) {
        view_.SetKeyLit(currentKey_, true);
    }
}

void Form::Tell(const std::string& text, const std::string& title) {
    RevealCurrentKey();
    view_.ShowMessageBox(text, title);
}

bool Form::Confirmed(const std::string& question) {
    RevealCurrentKey();
    return view_.AskYesNo(question, kProgramName);
}

std::string Form::Ask(const std::string& prompt, const std::string& title,
                      const std::string& defaultAnswer) {
    RevealCurrentKey();
    return view_.ShowInputBox(prompt, title, defaultAnswer);
}

void Form::OnKeypadClicked(int16_t key) {
    Guarded([&] {
        if (menu_.InProgress()) {
            return;
        }
        if (key == kNumLockKey) {
            Tell(kNumLockMessage, kProgramName);
        } else if (key >= kFirstAssignableKey && key <= kLastKey) {
            SelectKey(key);
        }
    });
}

void Form::OnAssignClicked() {
    Guarded([&] {
        if (keys_.IsFull(currentKey_)) {
            statusLine_.Note(FullKeyNote(currentKey_));
            return;
        }
        statusLine_.NextStep();
        menu_.Begin();
        ShowMenu();
    });
}

void Form::OnCancelClicked() {
    Guarded([&] {
        menu_.Cancel();
        ShowMenu();
    });
}

void Form::OnDeleteClicked(int16_t selectedIndex) {
    Guarded([&] {
        if (selectedIndex < 0 || selectedIndex >= keys_.UsedCount(currentKey_)) {
            return;
        }
        keys_.Remove(currentKey_, selectedIndex);
        view_.RemoveAssignment(selectedIndex);
        DescribeMessages();
        statusLine_.NextStep();  // a full key has room again
        KeepRecovery();
    });
}

void Form::OnMenuLineClicked(int16_t line) {
    menu_.PickLine(line);
}

ScriptOnDisk Form::ScriptAsItIs() {
    ScriptOnDisk script;
    script.path = ScriptPath();
    script.known = scriptKnown_;
    script.now = files_.ReadRegularFile(script.path, kLargestScript);
    script.templateText = TemplateText();
    script.readOnly = files_.IsReadOnly(script.path);
    script.engine = installation_.engine;
    script.shown = shownKeys_;
    return script;
}

void Form::NoteScriptOnDisk() {
    scriptKnown_ = files_.ReadRegularFile(ScriptPath(), kLargestScript);
}

bool Form::Export() {
    // What would keep the export from writing a script the game runs is said before anything
    // is asked.
    if (const Status usable = TemplateForExport(files_, workingFolder_,
                                                ScriptFolderFiles().FolderOf(kScriptFileName));
        !usable.Ok()) {
        Tell(usable.Message(), kProgramName);
        return false;
    }
    RevealCurrentKey();
    ShowGameBindings();  // the game saves its binds as it ends: they may have changed
    const std::optional<std::set<int16_t>> keysLeft = KeysLeftToTheGame(
        view_, Profile(), installation_.engine, gameBindings_, TemplateText(), keys_, keysAnswer_);
    const std::optional<std::unique_ptr<HeldLock>> folderHeld =
        keysLeft ? ReadyToReplace(
                       view_, files_, installation_.scriptFolder, Profile(),
                       [this] { return ScriptAsItIs(); }, keys_)
                 : std::nullopt;
    if (!folderHeld) {
        return false;
    }
    size_t size = 0;
    std::string storedIn;
    const Status written = ScriptFolderFiles().Write(
        kScriptFileName,
        [&](const std::string& folder) -> Status {
            const Result<size_t> script = WriteConsoleScript(files_, keys_, workingFolder_, folder,
                                                             *keysLeft, installation_.engine);
            size = script.Get();
            return script;
        },
        storedIn);
    if (!written.Ok()) {
        Tell(written.Message(), kProgramName);
        return false;
    }
    savedKeys_ = keys_;
    shownKeys_ = keys_;
    NoteScriptOnDisk();
    DiscardRecovery();
    const UndoKept undo =
        KeepGameBinds(files_, ScriptFolderFiles(),
                      GameSearchPath().KnownBindings(Profile(), installation_.engine),
                      TemplateText(), *keysLeft, installation_.engine);
    const ExportBox box =
        ExportResult(ScriptPath(), {ScriptFoundFirst(GameSearchPath(), installation_.scriptFolder),
                                    ScriptSizeWarning(Profile(), size)});
    Tell(box.text + UndoNote(undo), box.title);
    if (!undo.problem.empty()) {
        Tell(undo.problem, kProgramName);
    }
    TellStoredIn(kScriptFileName, storedIn);
    return true;
}

std::string Form::ScriptPath() const {
    return ScriptFolderFiles().FolderOf(kScriptFileName) + kScriptFileName;
}

std::string Form::TemplateText() const {
    return ReadTemplate(files_, workingFolder_).Get();
}

GameFiles Form::ScriptFolderFiles() const {
    return GameFiles(files_, installation_.scriptFolder, protectedFolders_);
}

void Form::TellStoredIn(const std::string& name, const std::string& folder) {
    if (!folder.empty()) {
        Tell(
            "Windows lets only administrators change the files in Program Files, and keeps what "
            "other programs write there apart for each user. Quillon put \"" +
                name + "\" in \"" + PathForMessage(folder) +
                "\": the game finds it there when it "
                "runs without administrator rights.",
            kProgramName);
    }
}

void Form::ShowScriptRunAtStart() {
    // The game runs the first autoexec.cfg of its search path, and no other.
    const SearchPath search = GameSearchPath();
    const std::string folder = search.FolderHolding(kAutoexecFileName);
    const Result<std::string> autoexec =
        folder.empty() ? NothingRead()
                       : files_.ReadRegularFile(
                             search.FilesOf(folder).FolderOf(kAutoexecFileName) + kAutoexecFileName,
                             kLargestScript);
    view_.SetMenuItemChecked(layout::Command::LoadScriptAtGameStart,
                             autoexec.Ok() && RunsScript(autoexec.Get(), installation_.engine));
}

void Form::ToggleScriptRunAtStart(bool mayAdd) {
    if (!files_.IsFolder(
            installation_.scriptFolder)) {  // never made again here: no game would read it
        Tell(GameFolderMissing(installation_.scriptFolder), kProgramName);
        return;
    }
    // The file the game runs; where it has none, one in the first folder it searches.
    const SearchPath search = GameSearchPath();
    std::string folder = search.FolderHolding(kAutoexecFileName);
    if (folder.empty()) {
        folder = search.Folders().empty() ? installation_.scriptFolder : search.Folders().front();
    }
    const GameFiles game = search.FilesOf(folder);
    const std::string path = game.FolderOf(kAutoexecFileName) + kAutoexecFileName;
    const Result<std::string> autoexec = files_.ReadRegularFile(path, kLargestScript);
    if (!autoexec.Ok() && autoexec.Kind() != ErrorKind::Missing) {
        Tell("Quillon could not read \"" + PathForMessage(path) + "\": " + WhyFailed(autoexec) +
                 ".\nIt is left as it was.",
             kProgramName);
        return;
    }
    const bool run = !RunsScript(autoexec.Get(), installation_.engine);
    if (run && !mayAdd) {
        return;
    }
    const std::string changed = WithScriptRun(autoexec.Get(), run, installation_.engine);
    if (!run && RunsScript(changed, installation_.engine)) {
        Tell("Quillon could not take \"" + kRunScriptLine + "\" out of \"" + PathForMessage(path) +
                 "\": it cannot tell that command apart on its line.\n" +
                 "The file is left as it was; the game still runs the script at its start.",
             kProgramName);
        ShowScriptRunAtStart();
        return;
    }
    if (files_.IsReadOnly(path) && !Confirmed(ReadOnlyAutoexecQuestion(path))) {
        return;  // the mark is the player's: changed only when asked, as the script's is
    }
    if (const Status made =
            files_.IsFolder(folder) ? Status::Success() : MakeFolders(files_, folder);
        !made.Ok()) {
        Tell("Quillon could not make the folder \"" + PathForMessage(folder) +
                 "\": " + WhyFailed(made) + ".\nNothing was changed.",
             kProgramName);
        ShowScriptRunAtStart();
        return;
    }
    std::string storedIn;
    const Status written = game.Write(
        kAutoexecFileName,
        [&](const std::string& writtenIn) {
            const std::string destination = writtenIn + kAutoexecFileName;
            const Status replaced = WriteFileReplacing(files_, destination, changed);
            return replaced.Ok()
                       ? replaced
                       : replaced.Saying("\"" + PathForMessage(destination) +
                                         "\" could not be written: " + WhyFailed(replaced) +
                                         ".\nIt is left as it was.");
        },
        storedIn);
    if (!written.Ok()) {
        Tell(written.Message(), kProgramName);
    }
    TellStoredIn(kAutoexecFileName, storedIn);
    ShowScriptRunAtStart();
}

bool Form::OfferToExport(const std::string& question) {
    if (!HasUnexportedChanges()) {
        return true;
    }
    RevealCurrentKey();
    switch (view_.AskYesNoCancel(question, kProgramName)) {
        case View::Answer::Yes:
            return Export();
        case View::Answer::No:
            return true;
        case View::Answer::Cancel:
            break;
    }
    return false;
}

void Form::OnMenuCommand(layout::Command command, int16_t selectedIndex) {
    switch (command) {
        case layout::Command::ExportScript:
            Guarded([&] { Export(); });
            break;
        case layout::Command::ChooseGameFolder:
            Guarded([&] { ChooseGameFolder(); });
            break;
        case layout::Command::LoadScriptAtGameStart:
            Guarded([&] { ToggleScriptRunAtStart(); });
            break;
        case layout::Command::Exit:
            Guarded([&] { view_.CloseWindow(); });
            break;
        case layout::Command::About:
            Guarded([&] { ShowAbout(); });
            break;
        case layout::Command::EditMessageText:
            Guarded([&] { EditMessageText(selectedIndex); });
            break;
        case layout::Command::GiveKeysBack:
            Guarded([&] {
                RevealCurrentKey();
                GiveKeysBack(view_, files_, ScriptFolderFiles(), statusLine_,
                             [this] { ToggleScriptRunAtStart(false); });
            });
            break;
        case layout::Command::HearMessage:
        case layout::Command::TeamVoiceAxis:
        case layout::Command::TeamVoiceAllies:
            Guarded([&] { OnVoiceCommand(command, selectedIndex); });
            break;
    }
}

void Form::ChooseGameFolder() {
    RevealCurrentKey();
    const std::optional<std::string> chosen =
        view_.ChooseFolder(kChooseFolderTitle, installation_.scriptFolder);
    if (!chosen || chosen->empty()) {
        return;
    }
    const std::string folder = EnsureTrailingSeparator(NormalPath(*chosen));
    if (!GameOfFolder(files_, folder)) {
        std::string choices;
        for (const Game game : kGames) {
            choices += std::string(choices.empty() ? "" : " or ") + "the " +
                       ProfileOf(game).installSubfolder + " folder of " + ProfileOf(game).name;
        }
        Tell("The folder \"" + PathForMessage(folder) + "\" is no game folder.\nChoose " + choices +
                 "; the game folder stays \"" + PathForMessage(installation_.scriptFolder) + "\".",
             kProgramName);
        return;
    }
    // The folder in use, chosen again, changes nothing: the changes stay, unasked; so do they for
    // an installation reading the scripts from it, which only enters the search order.
    if (folder == installation_.gameFolder || IsScriptFolderInUse(folder)) {
        return;
    }
    const Installation chosenInstallation = InstallationAt(folder);
    const bool sameScripts = IsScriptFolderInUse(chosenInstallation.scriptFolder);
    if (!sameScripts && !OfferToExport(kChangeFolderQuestion)) {
        return;
    }
    if (const Status saved = WriteSettingsFile(files_, workingFolder_, folder); !saved.Ok()) {
        Tell("Quillon now uses the game folder \"" + PathForMessage(folder) +
                 "\" but could not remember it in \"" + kSettingsFileName +
                 "\": " + WhySettingsNotWritten(saved) + ".",
             kProgramName);
    }
    UseInstallation(chosenInstallation, true);
    ShowMenu();
    if (!sameScripts) {
        RestoreKeys();
        DiscardRecovery();
        TakeOverVoiceBinds();
    }
    ShowScriptRunAtStart();
    SelectKey(currentKey_);
}

bool Form::IsScriptFolderInUse(const std::string& folder) const {
    if (folder == installation_.scriptFolder) {
        return true;
    }
    const std::optional<std::string> real = files_.RealPath(folder);
    return real && real == files_.RealPath(installation_.scriptFolder);
}

void Form::ShowAbout() {
    Tell(std::string(kProgramName) + " " + kProgramVersion + "\n" + kProgramDescription +
             "\n\nThe settings file \"" + kSettingsFileName + "\" and the template \"" +
             kTemplateFileName + "\" are in \"" + PathForMessage(workingFolder_) + "\".\n\n" +
             kProgramName + kLicenceNotice,
         std::string("About ") + kProgramName);
}

bool Form::OnCloseRequested() {
    bool mayClose = false;
    Guarded([&] {
        mayClose = OfferToExport(kCloseQuestion);
        if (mayClose) {
            // Exported, or dropped by the player's choice: nothing is left to ask about, should
            // the window be asked again on its way out.
            savedKeys_ = keys_;
            DiscardRecovery();
        }
    });
    return mayClose;
}

void Form::OnMenuTick() {
    if (handlerRunning_) {
        return;
    }
    Guarded([&] {
        view_.SetCancelEnabled(menu_.InProgress());
        MenuNavigator::Step step = menu_.Tick();
        if (step.classWanted) {
            const ClassPrompt& prompt = Profile().classPrompt;
            const std::string answer = Ask(prompt.text, prompt.title, prompt.defaultAnswer);
            step.picked = menu_.AnswerClass(answer);
            if (!step.picked && !answer.empty()) {
                statusLine_.Note(NoClassNote(Profile()));
            }
        }
        if (step.picked && keys_.Append(currentKey_, *step.picked)) {
            view_.AppendAssignment(step.picked->Label());
            DescribeMessages();
            KeepRecovery();
        }
        ShowMenu();
    });
}

void Form::OnBlinkTick() {
    if (handlerRunning_ || !started_) {
        return;
    }
    Guarded([&] {
        blinkPhase_ = blinkPhase_ == BlinkPhase::KeyLit ? BlinkPhase::KeyUnlit : BlinkPhase::KeyLit;
        for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
            view_.SetKeyLit(key, key != currentKey_ || blinkPhase_ == BlinkPhase::KeyLit);
        }
        view_.ShowCurrentKey(KeyCaption(currentKey_));
    });
}

}  // namespace quillon
