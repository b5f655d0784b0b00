#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/ExportQuestions.h"
#include "app/GameFiles.h"
#include "app/Layout.h"
#include "app/RecoveryFile.h"
#include "app/ScriptLoss.h"
#include "app/SearchPath.h"
#include "app/StatusLine.h"
#include "app/View.h"
#include "app/VoiceBindTakeover.h"
#include "app/VoiceHearing.h"
#include "model/install/Installation.h"
#include "model/install/VirtualStore.h"
#include "model/keys/KeyTable.h"
#include "model/menu/MenuNavigator.h"
#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/ListingSnapshot.h"

namespace quillon {

// The one window object: it owns all state of a run and has a handler for every event the
// window raises. Front ends forward their events here and carry out what it tells the view.
// Form.cpp holds the handlers; each conversation of several steps they start has its members in
// a file of its own, named below where they are declared, and what needs little of the run's
// state (a question and its wording) is a function of its own file.
class Form {
  public:
    // `workingFolder` holds the settings file and the template; when empty, the start-up
    // chooses it.
    Form(View& view, FileSystem& files, const Environment& environment,
         std::string workingFolder = {})
        : view_(view),
          listings_(files),
          environment_(environment),
          workingFolder_(std::move(workingFolder)),
          protectedFolders_(ProtectedFoldersOf(environment)) {}

    // The start-up sequence, run once before the window is first shown: chooses the working
    // folder, finds the game folder, restores its keys and selects key 1. Returns false when the
    // program has to end instead.
    bool OnStart();

    void OnKeypadClicked(int16_t key);
    void OnAssignClicked();
    void OnCancelClicked();
    // `selectedIndex` is the line of the assignment list the user selected; -1 for none.
    void OnDeleteClicked(int16_t selectedIndex);
    // A click on line 1..10 of the menu picture, or its digit pressed on the keyboard (0 for 10).
    void OnMenuLineClicked(int16_t line);
    // A command of the menu bar, or its shortcut; `selectedIndex` is the line of the assignment
    // list selected then, -1 for none.
    void OnMenuCommand(layout::Command command, int16_t selectedIndex = -1);
    // The Hear button: as Edit, Hear Message.
    void OnHearClicked(int16_t selectedIndex) {
        OnMenuCommand(layout::Command::HearMessage, selectedIndex);
    }
    // The window is about to close; false when it is to stay open.
    bool OnCloseRequested();
    void OnMenuTick();   // every 50 ms: the voice menu acts on the recorded click
    void OnBlinkTick();  // every 75 ms: the current key blinks

    const KeyTable& Keys() const { return keys_; }
    int16_t CurrentKey() const { return currentKey_; }
    const MenuNavigator& Menu() const { return menu_; }
    const std::string& ScriptFolder() const { return installation_.scriptFolder; }
    const Installation& InstallationInUse() const { return installation_; }
    const GameProfile& Profile() const { return menu_.Profile(); }
    const std::string& WorkingFolderPath() const { return workingFolder_; }
    // Whether the key table differs from what was last restored or exported.
    bool HasUnexportedChanges() const { return keys_ != savedKeys_; }
    // Other windows of the working folder running when this one started.
    size_t OtherWindowsAtStart() const { return recovery_.WindowsBefore(); }

  private:
    enum class BlinkPhase { KeyLit, KeyUnlit };

    // The game folder in use (FormGameFolder.cpp).
    // The installation of a game folder or user folder.
    Installation InstallationAt(const std::string& folder);
    // Works with the installation from now on: its game, its folders; `chosen` when the player
    // took it just now.
    void UseInstallation(const Installation& installation, bool chosen);
    void ChooseGameFolder();
    // Whether the folder is the folder the script goes to, by whatever path it is reached.
    bool IsScriptFolderInUse(const std::string& folder) const;

    // The keys restored, and the changes kept for recovery (FormRestore.cpp).
    // Keeps the unexported changes in the recovery file, or removes it when there are none, so
    // that an ending nobody asked about (a crash, a power cut) loses nothing; false when they
    // could not be kept, which is said once.
    bool KeepRecovery();
    void DiscardRecovery();
    // At start: offers the changes that windows which ended without asking left behind.
    void OfferRecovery();
    // Rebuilds the key table from the script in the folder the script goes to, and says so when
    // part of it could not be read.
    void RestoreKeys();
    // In a folder without a script: offers the voice messages of the game's binds for the keys.
    void TakeOverVoiceBinds();

    // The export (FormExport.cpp).
    bool Export();
    // When the table holds unexported changes, asks whether to export them first; false when
    // the step that asked is not to go on.
    bool OfferToExport(const std::string& question);
    // The script on disk as an export is about to replace it.
    ScriptOnDisk ScriptAsItIs();
    // Remembers the script as it is on disk now, to notice a change made behind the window.
    void NoteScriptOnDisk();
    // The files the game reads from the folder the script goes to, where it reads them.
    // Where the game reads the script from, and the template as it is now (empty when unread).
    std::string ScriptPath() const;
    std::string TemplateText() const;
    GameFiles ScriptFolderFiles() const;
    // Tells where a file went instead of the folder the script goes to, and why.
    void TellStoredIn(const std::string& name, const std::string& folder);

    // Load Script at Game Start (FormAutoexec.cpp).
    // Checks or unchecks it; unless `mayAdd`, only unchecks.
    void ToggleScriptRunAtStart(bool mayAdd = true);
    void ShowScriptRunAtStart();

    // Texts of the player's own (FormMessageText.cpp).
    // Asks for the text of the player's own that the selected message carries, until the game
    // would show it as written or the box is cancelled.
    void EditMessageText(int16_t selectedIndex);
    // Takes the texts the game would not show as written off the messages of the table read
    // from `where`, and tells the player which.
    KeyTable WithShowableTexts(KeyTable table, const std::string& where);

    // The window's own steps and boxes (Form.cpp).
    void SelectKey(int16_t key);
    void ShowPage(int16_t page);
    // The folders the game searches for its files, the folder the script goes to among them.
    SearchPath GameSearchPath() const {
        return SearchPath(files_, installation_.SearchedFolders(), protectedFolders_);
    }
    // Reads what the game binds the keys to, and marks them.
    void ShowGameBindings();
    void ShowAbout();
    // Brings the picture and the prompt in line with the menu.
    void ShowMenu();
    // The boxes: while one is open the current key is lit, whatever the blink.
    void RevealCurrentKey();
    void Tell(const std::string& text, const std::string& title);
    bool Confirmed(const std::string& question);  // Yes to a question of the program's
    std::string Ask(const std::string& prompt, const std::string& title,
                    const std::string& defaultAnswer);

    // Edit, Hear Message and Team Voice.
    void OnVoiceCommand(layout::Command command, int16_t selectedIndex) {
        if (command != layout::Command::HearMessage) {
            hearing_.ChooseTeam(
                command == layout::Command::TeamVoiceAxis ? Team::Axis : Team::Allies, files_,
                workingFolder_, installation_.gameFolder);
            DescribeMessages();
        } else if (selectedIndex >= 0 && selectedIndex < keys_.UsedCount(currentKey_)) {
            hearing_.Hear(keys_.At(currentKey_, selectedIndex), Voices());
        } else {
            hearing_.Hear(std::nullopt, Voices());
        }
    }
    VoicePlace Voices() {
        return {files_, installation_.SearchedFolders(), installation_.game, installation_.engine};
    }
    // What the team reads of the current key's messages; the voices are not read for it while
    // the program starts.
    void DescribeMessages() {
        std::vector<Assignment> messages;
        for (int16_t slot = 0; slot < keys_.UsedCount(currentKey_); ++slot) {
            messages.push_back(*keys_.At(currentKey_, slot));
        }
        view_.DescribeAssignments(hearing_.Describe(messages, Voices(), started_));
    }

    template <typename Handler>
    void Guarded(Handler handler);

    View& view_;
    // Each event's look-ups list a folder once; the next event, or a folder chosen, lists anew.
    ListingSnapshot listings_;
    FileSystem& files_ = listings_;
    const Environment& environment_;
    std::string workingFolder_;
    ProtectedFolders protectedFolders_;  // where Windows lets only administrators write
    RecoveryFile recovery_{files_};
    bool recoveryFailureTold_ = false;
    Result<std::string> scriptKnown_ =
        NothingRead();  // the script as this window last read or wrote it
    KeyTable keys_;
    KeyTable savedKeys_;  // as last restored or exported
    // As last read from the script, exported, or taken up from changes left behind: what the
    // player has seen of the script's messages.
    KeyTable shownKeys_;
    MenuNavigator menu_{ReturnToCastleWolfenstein()};
    int16_t currentKey_ = kFirstAssignableKey;
    BlinkPhase blinkPhase_ = BlinkPhase::KeyUnlit;  // the first tick lights the key
    int16_t shownPage_ = kMainPage;
    std::string shownPrompt_;
    StatusLine statusLine_{view_};    // the game and folder in use, or a word on the last step
    Installation installation_;       // the game's, and the folder the script goes to
    bool showsMessageTexts_ = false;  // the game of the script folder (ET: Legacy's)
    KeyBindings gameBindings_;        // what the game binds the keys to, as its own
    std::array<std::string, kKeyCount> bindingsShown_;  // what the keypad says of them
    VoiceBindTakeover takeover_;
    KeysAnswer keysAnswer_;  // the last question about the game's keys, for the game folder
    bool started_ = false;
    VoiceHearing hearing_{view_, statusLine_};
    // Set while a handler runs. A handler can wait in a modal box (the class prompt opens inside
    // a menu tick); timer ticks that arrive meanwhile do nothing, so no step of the menu or of
    // the blinking starts half-way through another handler.
    bool handlerRunning_ = false;
};

}  // namespace quillon
