#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quillon {

// The games Quillon writes scripts for. They share the console, the keypad and the voice menu's
// way of working; what differs lives in one profile per game.
enum class Game { ReturnToCastleWolfenstein, EnemyTerritory };

// The console engines, which read a script differently: the original one (the first game's, and
// Enemy Territory 2.60b's) splits a line at ";" before it looks for "//" and takes every byte up
// to the blank, and every byte above 127, for a blank; ET: Legacy ends a line's commands at "//"
// and takes only the bytes up to the blank for blanks.
enum class Engine { Original, Legacy };

constexpr int16_t kMainPage = 1;
// The most lines a page of any game's voice menu has; the digit 0 picks line 10.
constexpr int16_t kMostLinesPerPage = 10;

// One line of a page of the voice menu.
struct MenuEntry {
    int16_t page;
    int16_t line;
    const char* shown;   // as the menu picture shows it
    const char* action;  // the console command of a message; ">N" opens page N; "class" asks
    const char* label = nullptr;  // what the assignment list shows for a message, when not `shown`
};

// A class the player can announce: its lower-case letter, its name and its console command,
// which carries its own closing ";".
struct PlayerClass {
    char letter;
    const char* name;
    const char* command;
};

// The box that asks for the class when the menu's class line is picked.
struct ClassPrompt {
    const char* text;
    const char* title;
    const char* defaultAnswer;
};

// A key the game binds by itself, as its default configuration does: the console's name of the
// key and the command.
struct GameBinding {
    const char* key;
    const char* command;
};

// A command a player meets among the game's binds, in the player's words.
struct KnownCommand {
    const char* command;
    const char* words;
};

// One way to know a folder whose scripts the game's console runs. Every file is there as a
// regular file, in any letter case ("../" names a file of the folder's parent, and "*" in the
// last part stands for any text); or, with `parentName`, the parent folder has that name (a user
// folder that the game itself makes). With `userFolder`, the game run from such an installation
// reads the player's scripts from that user folder of the game's (counted from 0) instead.
// `engine` is the engine that runs the scripts of such a folder, and `engineName` its name
// where it is not the game's own; ET: Legacy's shows a text of the player's own with a voice
// message. With `ownFolder`, the engine so known searches its own game folder of that name,
// beside this one, before this one.
struct FolderMark {
    std::vector<const char*> files;
    const char* parentName = nullptr;
    int userFolder = -1;
    Engine engine = Engine::Original;
    const char* engineName = nullptr;
    const char* ownFolder = nullptr;
};

struct GameProfile {
    Game game;
    const char* name;                     // "Return to Castle Wolfenstein"
    std::vector<const char*> pageTitles;  // by page number - 1
    std::vector<MenuEntry> menu;
    std::vector<PlayerClass> classes;
    ClassPrompt classPrompt;
    // The size of the engine's command buffer, which refuses a script of that size or more, and
    // that of its later engines where they take more (0 where none do).
    size_t scriptLimit;
    size_t laterEnginesScriptLimit;

    // Its folders: the game folder's own name ("" for any), and the marks of one, any of which
    // will do.
    const char* folderName;
    std::vector<FolderMark> marks;
    // The files a drive search looks for (";" between them); the game folder is the folder of
    // one, or its sibling named `installSubfolder`.
    const char* searchPattern;

    // Where its stores and installers put it: the game folder's name inside an installation, the
    // Steam app manifest ("" when it is not sold there), the folder names of its installers,
    // the names in their registry entries, and the folders it makes for each user, below the
    // home folder on Linux and below Documents on Windows.
    const char* installSubfolder;
    const char* steamAppManifest;
    std::vector<const char*> installFolderNames;
    std::vector<const char*> registryNames;
    std::vector<const char*> homeFolders;
    std::vector<const char*> documentsFolders;
    // Whether its user folders are offered before its installations: where the game reads a
    // user's files there first, and can always write there.
    bool userFoldersFirst;

    // Its configuration, where it saves the player's binds: the file's name, and whether it lies
    // in the folder of the player's profile ("profiles/<name>/", the name in
    // "profiles/defaultprofile.dat") rather than in the game folder itself. The binds it makes
    // without one, and the commands found there in the player's words.
    const char* configurationFile;
    bool configurationInProfile;
    std::vector<GameBinding> defaultBindings;
    std::vector<KnownCommand> knownCommands;

    int16_t PageCount() const { return static_cast<int16_t>(pageTitles.size()); }
    // The number of lines on its longest page.
    int16_t LinesPerPage() const;
};

const GameProfile& ReturnToCastleWolfenstein();
const GameProfile& EnemyTerritory();
const GameProfile& ProfileOf(Game game);

// Every game, in the order Quillon offers their installations.
constexpr std::array<Game, 2> kGames = {Game::ReturnToCastleWolfenstein, Game::EnemyTerritory};

}  // namespace quillon
