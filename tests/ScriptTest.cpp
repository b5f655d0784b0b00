#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptText.h"
#include "TempFolder.h"
#include "app/Messages.h"
#include "app/ScriptExport.h"
#include "model/keys/Keypad.h"
#include "model/menu/MessageText.h"
#include "model/script/Autoexec.h"
#include "model/script/ConsoleCommands.h"
#include "model/script/GameBindings.h"
#include "model/script/ScriptGenerator.h"
#include "model/script/ScriptReader.h"
#include "model/script/UndoScript.h"
#include "model/script/VoiceBinds.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quillon {
namespace {

using test::FreeBlocks;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;
using ::testing::HasSubstr;

// Puts the message at page and line into the key's next free slot, which the test names.
void Assign(KeyTable& table, int16_t key, int16_t slot, int16_t page, int16_t line) {
    ASSERT_EQ(table.UsedCount(key), slot);
    const std::optional<Assignment> assignment =
        Assignment::FromNumbers(ReturnToCastleWolfenstein(), page, line);
    ASSERT_TRUE(assignment) << page << "," << line;
    ASSERT_TRUE(table.Append(key, *assignment));
}

// A free key has no pointer to follow; a key's messages follow each other round, a class and a
// global message among them.
TEST(ScriptGenerator, EveryKeyCyclesThroughItsMessagesBehindTheTemplate) {
    KeyTable table;
    EXPECT_EQ(GenerateScriptBody(table), FreeBlocks(1, 22));
    Assign(table, 11, 0, 2, 1);
    Assign(table, 11, 1, 1, 109);
    Assign(table, 14, 0, 6, 4);
    Assign(table, 22, 0, 3, 1);
    Assign(table, 22, 1, 3, 2);
    Assign(table, 22, 2, 4, 5);
    const std::string expected =
        FreeBlocks(1, 10) +
        "\r\n"
        "set try11b1  \"vsay_team PathCleared;set try11bb vstr try11b2\"\r\n"
        "set try11b2  \"vsay_team iammedic;set try11bb vstr try11b1\"\r\n"
        "set try11b3  \";\"\r\n"
        "set try11bb \"vstr try11b1\"\r\n" +
        FreeBlocks(12, 13) +
        "\r\n"
        "set try14b1  \"vsay Hi;\"\r\n"
        "set try14b2  \";set try14bb vstr try14b1\"\r\n"
        "set try14b3  \";\"\r\n"
        "set try14bb \"vstr try14b1\"\r\n" +
        FreeBlocks(15, 21) +
        "\r\n"
        "set try22b1  \"vsay_team Medic;set try22bb vstr try22b2\"\r\n"
        "set try22b2  \"vsay_team NeedAmmo;set try22bb vstr try22b3\"\r\n"
        "set try22b3  \"vsay_team DefendObjective;set try22bb vstr try22b1\"\r\n"
        "set try22bb \"vstr try22b1\"\r\n";
    // Slots past a key's messages hold nothing and take nothing, whatever the next key holds.
    table.Remove(11, 2);
    EXPECT_FALSE(table.Replace(11, 2, *table.At(14, 0)));
    EXPECT_FALSE(table.At(13, kSlotsPerKey));
    EXPECT_EQ(GenerateScriptBody(table), expected);

    // Written behind the template, which stays byte for byte as it was, also without a final
    // line break: the first empty line then completes the template's last line.
    TempFolder folder;
    for (const std::string templateText :
         {"// mine\r\nbind KP_END \"vstr try11bb\"\r\n", "// no line break at the end"}) {
        WriteFile(folder / "qmscript.txt", templateText);
        ASSERT_TRUE(WriteConsoleScript(RealFileSystem(), table, folder.Text(), folder.Text()).Ok());
        EXPECT_EQ(ReadFile(folder / "qmvc.cfg"), templateText + expected);
    }
}

// A template in any encoding a Windows editor writes reaches the game as single bytes, without a
// byte-order mark (which the engine would take for part of the first command); what the system's
// code page cannot hold, and UTF-16 that is not well-formed, fail before anything is written.
TEST(ScriptGenerator, TheTemplateIsWrittenAsTheGameReadsIt) {
    const std::string text = "// mine\r\nbind KP_END \"vstr try11bb\"\r\n";
    const std::u16string wide(text.begin(), text.end());
#ifdef _WIN32
    const bool westernCodePage = GetACP() == 1252;
    const std::string umlaut = westernCodePage ? "\xFC" : "";
#else
    const bool westernCodePage = false;
    const std::string umlaut = "\xC3\xBC";  // UTF-8, the system's own
#endif
    const std::pair<std::string, std::string> cases[] = {
        {test::Utf16(wide), text},
        {test::Utf16(wide, true), text},
        {"\xEF\xBB\xBF" + text, text},
        {"// M\xFCller\r\n", "// M\xFCller\r\n"},
        {test::Utf16(u"// M\u00FCller"), umlaut.empty() ? "" : "// M" + umlaut + "ller"},
        {test::Utf16(u"// \u4E2D\U0001F600"), westernCodePage ? "" : "// \u4E2D\U0001F600"},
        {test::Utf16(u"// " + std::u16string(1, 0xD83D)), ""},
        {test::Utf16(u"// " + std::u16string(1, 0xDC00)), ""},
        {"\xEF\xBB\xBF// \xFC", ""}};
    TempFolder folder;
    for (const auto& [written, read] : cases) {
        WriteFile(folder / "qmscript.txt", written);
        WriteFile(folder / "qmvc.cfg", "earlier");
        const Result<size_t> exported =
            WriteConsoleScript(RealFileSystem(), KeyTable(), folder.Text(), folder.Text());
        EXPECT_EQ(exported.Ok(), !read.empty()) << read << exported.Message();
        EXPECT_EQ(ReadFile(folder / "qmvc.cfg"),
                  read.empty() ? "earlier" : read + GenerateScriptBody(KeyTable()));
    }
    WriteFile(folder / "qmscript.txt", test::Utf16(u"// ") + "x");  // an odd byte at the end
    EXPECT_THAT(
        WriteConsoleScript(RealFileSystem(), KeyTable(), folder.Text(), folder.Text()).Message(),
        HasSubstr("not well-formed UTF-16"));
}

// Each game's own limit, from the first size its engine refuses: the file and one byte more
// must fit in the command buffer.
TEST(ScriptGenerator, TheSizeWarningComesAtTheFirstSizeTheGameRefuses) {
    EXPECT_EQ(ScriptSizeWarning(ReturnToCastleWolfenstein(), 16383), "");
    EXPECT_EQ(ScriptSizeWarning(ReturnToCastleWolfenstein(), 16384),
              "The script is 16384 bytes long. Return to Castle Wolfenstein runs no script of "
              "16384 bytes or more: \"/exec qmvc\" would run none of it.\nShorten the template "
              "\"qmscript.txt\" (later engines run scripts of up to 131071 bytes).");
    EXPECT_EQ(ScriptSizeWarning(EnemyTerritory(), 131071), "");
    EXPECT_THAT(ScriptSizeWarning(EnemyTerritory(), 131072),
                HasSubstr("Wolfenstein: Enemy Territory runs no script of 131072 bytes or more"));
}

// What the game would show otherwise than written is refused with its reason; blanks around
// the text go, and a text of only blanks is none.
TEST(MessageText, WhatTheGameWouldNotShowAsWrittenIsRefusedWithItsReason) {
    const std::string longest(kLongestMessageText, 'x');
    // The text taken ("=" and the text), or the one reason it is refused for.
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {" medic at the gate \t", "=medic at the gate"}, {"   ", "="}, {longest, "=" + longest},
        {"^1red: a/b *c* 'd\\e' {f}", "=^1red: a/b *c* 'd\\e' {f}"},
        {longest + "y", "64 characters long"}, {"x", "single character"},
        {"say \"hi\"", "double quote"}, {"go;go", "semicolon"}, {"a // b", "skips the rest"},
        {"a /* b", "skips the rest"}, {"100% sure", "full stop"}, {"a\tb", "control character"},
        {"a\177b", "control character"}, {"a  b", "blanks in a row"},
        {"caf\xc3\xa9 \xc3\xa9t\xc3\xa9", "plain ASCII (\xc3\xa9)"}};
    // clang-format on
    for (const auto& [typed, taken] : cases) {
        const std::string text = TrimmedMessageText(typed);
        const std::vector<MessageTextProblem> problems = MessageTextProblems(text);
        ASSERT_LE(problems.size(), 1U) << typed;
        const std::string got = problems.empty() ? "=" + text : MessageTextReasons(problems);
        EXPECT_TRUE(taken[0] == '=' ? got == taken : got.find(taken) != std::string::npos) << got;
    }
}

// The default template binds every assignable key, by a name the game accepts, to that key's
// pointer alias, and nothing else.
TEST(DefaultTemplate, BindsEveryKeyToItsOwnPointer) {
    const std::string text = test::ReadFile(std::string(QUILLON_ASSETS_DIR) + "/qmscript.txt");
    ASSERT_FALSE(text.empty());
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n");

    const std::regex bind(R"(bind (\S+) "vstr try(\d+)bb")");
    std::set<int> boundKeys;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line, '\n');) {
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.back(), '\r') << "every line ends in CR LF";
        line.pop_back();
        for (char c : line) {
            ASSERT_TRUE(c >= 0x20 && c < 0x7f) << line;
        }
        if (line.empty() || line.rfind("//", 0) == 0) {
            EXPECT_EQ(line.find(';'), std::string::npos) << "the original engine runs it: " << line;
            continue;
        }
        std::smatch parts;
        ASSERT_TRUE(std::regex_match(line, parts, bind)) << line;
        const int key = std::stoi(parts[2]);
        EXPECT_EQ(parts[1], BindName(static_cast<int16_t>(key))) << line;
        EXPECT_TRUE(boundKeys.insert(key).second) << "bound twice: " << line;
    }
    EXPECT_EQ(boundKeys.size(), static_cast<size_t>(kLastKey));
    EXPECT_EQ(*boundKeys.begin(), kFirstAssignableKey);
    EXPECT_EQ(*boundKeys.rbegin(), kLastKey);

    // With the longest message and text on every slot it still fits the game's command buffer,
    // with a byte to spare, and no line comes near the console's cut at 1,023 characters.
    KeyTable full;
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        while (full.Append(key, Assignment::FromNumbers(EnemyTerritory(), 8, 7)
                                    ->WithText(std::string(kLongestMessageText, 'x')))) {
        }
    }
    const std::string script = text + GenerateScriptBody(full);
    EXPECT_LT(script.size() + 1, EnemyTerritory().scriptLimit);
    for (size_t begin = 0, end = 0; (end = script.find('\n', begin)) != script.npos;
         begin = end + 1) {
        EXPECT_LT(end - begin, 1023U);
    }
    EXPECT_EQ(KeysBoundBy(text).size(), boundKeys.size());

    // Keys left to the game lose their lines of the template, and nothing else does.
    std::string left = text;
    for (const std::string line :
         {"bind KP_END \"vstr try11bb\"\r\n", "bind PGDN \"vstr try22bb\"\r\n"}) {
        left.erase(left.find(line), line.size());
    }
    EXPECT_EQ(WithoutBindsOf(text, {11, 22}), left);
    EXPECT_EQ(WithoutBindsOf("bind x y; BIND kp_end \"a\" // mine\n", {11}), "bind x y // mine\n");
    EXPECT_EQ(WithoutBindsOf("// a; bind KP_END b\nbind\xA0KP_END c\nbind KP_END d\n", {11},
                             Engine::Legacy),
              "// a; bind KP_END b\nbind\xA0KP_END c\n");
}

// Every assignment a game has: its menu's messages and its class announcements.
std::vector<Assignment> EveryAssignment(const GameProfile& game) {
    std::vector<Assignment> every;
    for (const MenuEntry& entry : game.menu) {
        if (IsMessage(entry)) {
            every.emplace_back(entry);
        }
    }
    for (const PlayerClass& playerClass : game.classes) {
        every.emplace_back(playerClass);
    }
    return every;
}

// A text the game shows as written, of characters that mean something to the console elsewhere.
std::string RandomText(std::mt19937& random) {
    const std::string characters = "aZ09 /*\\'^:.,!?-_{}()[]<>=+@#$&|~`";
    std::string text;
    while (text.empty() || TrimmedMessageText(text) != text || !MessageTextProblems(text).empty()) {
        text.assign(2 + random() % (kLongestMessageText - 1), ' ');
        for (char& c : text) {
            c = characters[random() % characters.size()];
        }
    }
    return text;
}

TEST(ScriptReader, ExportedTablesComeBackWholeAndExportTheSameBytes) {
    for (const Game game : kGames) {
        const GameProfile& profile = ProfileOf(game);
        const std::vector<Assignment> every = EveryAssignment(profile);
        std::mt19937 random(20261206);
        for (int round = 0; round < 400; ++round) {
            KeyTable table;
            for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
                const int count = std::uniform_int_distribution<int>(0, kSlotsPerKey)(random);
                for (int slot = 0; slot < count; ++slot) {
                    const Assignment& assignment = every[random() % every.size()];
                    table.Append(key, random() % 2 == 0 ? assignment
                                                        : assignment.WithText(RandomText(random)));
                }
            }
            const std::string script =
                "// template\r\nbind KP_END \"vstr try11bb\"\r\n" + GenerateScriptBody(table);
            const RestoredKeys restored = ReadScriptAssignments(profile, script);
            ASSERT_EQ(restored.table, table) << profile.name << ", round " << round;
            EXPECT_EQ(restored.linesNotUnderstood, 0);
            ASSERT_EQ(GenerateScriptBody(restored.table), GenerateScriptBody(table));
        }
    }
}

// Every line here sets a slot the way the game's console takes it, whatever the spacing, letter
// case and line ends; lines that set a slot to anything else are counted.
TEST(ScriptReader, HandEditedScriptsAreReadAsTheConsoleReadsThem) {
    const std::string script =
        "// my own notes, set try9b1 \"vsay Hi\"\n"  // a comment runs to the end
        "set try1b1  \";\"\n"                        // empty slot 1
        "  \tset   try1b2 \"VSAY_TEAM   medic ; set try1bb  vstr try1b1\"\r\r\n"  // blanks, case
        "SET TRY1B3 \"vsay hi;set try1bb vstr try1b1\"\r"  // capitals, lone CR
        "seta try2b1 \"vsay_team iamLIEUTENANT\"; set try2b2 \"vsay_team Dance;\"\n"  // no such
        "set try2b3  \"say hello;\"\n"                      // no voice command: not understood
        "set try3b1  \"vsay Hi;set try4bb vstr try4b1\"\n"  // another key's pointer: not understood
        "set try5bb \"vstr try5b1\" // the pointer\n"
        "set try5bb \"vstr try5b7\"\n"  // a pointer to no slot: not understood
        "set try5bb \"vstr try6b1\"\n"  // to another key's slot: not understood
        "set try07b1  \"vsay Hi;\"\n"   // another variable than key 7's
        "set try6b1  \"vsay Hi;\"\n"
        "set try7b1 \"vsay Hi;vsay Bye;\"\n"  // two messages: not understood
        "set try23b1 \"vsay Hi;\"\nset try0b1 \"vsay Hi;\"\nset try8b4 \"vsay Hi;\"\n"  // no such
        "set try8b0 \"vsay Hi;\"\nset try8c1 \"vsay Hi;\"\nset try8b1x \"vsay Hi;\"\n"  // key or
                                                                                        // slot
        "set tryb1 \"vsay Hi;\"\nset try8 \"vsay Hi;\"\nset try8b \"vsay Hi;\"\n"
        "set try6b1 vsay Bye";  // set again, the last line: the later one wins
    const GameProfile& game = ReturnToCastleWolfenstein();
    const RestoredKeys restored = ReadScriptAssignments(game, script);
    KeyTable expected;
    expected.Append(1, *Assignment::FromNumbers(game, 3, 1));  // packed into slot 1
    expected.Append(1, *Assignment::FromNumbers(game, 6, 4));
    expected.Append(2, *Assignment::FromNumbers(game, 1, 'l'));
    expected.Append(6, *Assignment::FromNumbers(game, 6, 5));
    EXPECT_EQ(restored.table, expected);
    EXPECT_EQ(restored.keysRestored, 3);
    EXPECT_EQ(restored.linesNotUnderstood, 6);

    // Lines of the template are the template's, not keys that could not be read.
    const std::string templateText =
        "set try2b3 \"say hello\" // hi; all\r\nbind KP_5 \"vstr try5bb\"\r\n";
    const RestoredKeys withTemplate = ReadScriptAssignments(
        game, templateText + GenerateScriptBody(expected), templateText, Engine::Legacy);
    EXPECT_EQ(withTemplate.table, expected);
    EXPECT_EQ(withTemplate.linesNotUnderstood, 0);
}

// The lines on which the engines disagree, and what each runs: its commands' words, commands
// apart by " | ". The reader and the autoexec.cfg line follow the engine.
TEST(ConsoleCommands, EachEngineRunsWhatItReads) {
    const auto runs = [](const std::string& line, Engine engine) {
        std::string ran;
        for (const std::string& command : CommandsOf(line, engine)) {
            ran += ran.empty() ? "" : " | ";
            for (const std::string& word : WordsOf(command, engine)) {
                ran += (ran.empty() || ran.back() == ' ' ? "" : " ") + word;
            }
        }
        return ran;
    };
    const std::vector<std::array<std::string, 3>> table = {
        // line, the original engine (the first game, ET 2.60b), ET: Legacy
        // clang-format off
        {"set a b // c; d", "set a b | d", "set a b"}, {"a // b; \"c; d\" e", "a | c; d e", "a"},
        {"a /* b; c */ d", "a | c */ d", "a | d"}, {"say http://x", "say http:", "say http://x"},
        {"vsay M\u00E9dic now", "vsay M dic now", "vsay M\u00E9dic now"}, {"\xA0", "", "\xA0"},
        {"a\x80z", "a z", "a\x80z"}, {"say \"a // b\" c", "say a // b c", "say a // b c"},
        {"bind KP_5\"vsay Medic\"", "bind KP_5 vsay Medic", "bind KP_5 vsay Medic"},
        // clang-format on
    };
    for (const auto& [line, original, legacy] : table) {
        EXPECT_EQ(runs(line, Engine::Original), original) << line;
        EXPECT_EQ(runs(line, Engine::Legacy), legacy) << line;
        EXPECT_EQ(RunsScript(line, Engine::Original), original == "exec qmvc") << line;
        EXPECT_EQ(RunsScript(line, Engine::Legacy), legacy == "exec qmvc") << line;
    }
}

TEST(ScriptReader, JunkIsReadWithoutHarm) {
    const GameProfile& game = ReturnToCastleWolfenstein();
    std::mt19937 random(7);
    std::string junk(1 << 20, '\0');
    for (char& c : junk) {
        c = static_cast<char>(random());
    }
    EXPECT_EQ(ReadScriptAssignments(game, junk).keysRestored, 0);
    // The game's own files may hold anything too.
    EXPECT_EQ(WithScriptRun(junk, false), junk);
    EXPECT_EQ(ReadBindings(junk)[0], "");

    // NUL bytes, invalid UTF-8, unclosed quotes and truncated lines around a good line.
    // The console reads no further than a NUL: a key set after one is lost to the game.
    const std::string odd =
        "\xff\xfe set try2b1  \"vsay Hi;\"\n"
        "set try3b1  \"vsay Hi;\"\n"
        "set try\n"
        "set try4b1\n"
        "set try4b1  \"\n"
        "set try5b1  \"vsay Hi;\n" +
        std::string("set try1b1  \"vsay Hi;\0\"\nset try6b1 \"vsay Hi\"", 44);
    const RestoredKeys fromOdd = ReadScriptAssignments(game, odd);
    KeyTable expected;  // key 2's line too: bytes above 127 are blanks
    for (const int16_t key : {int16_t{1}, int16_t{2}, int16_t{3}, int16_t{5}}) {
        expected.Append(key, *Assignment::FromNumbers(game, 6, 4));
    }
    EXPECT_EQ(fromOdd.table, expected);
    EXPECT_EQ(fromOdd.linesNotUnderstood, 2);
}

// Comments and blanks as each engine reads them, the same for the script, the game's binds and
// autoexec.cfg: each line frames a command ("@"), which the original engine or ET: Legacy runs
// or not. What runs the script is taken out, and what is added runs, even after a comment
// left open.
TEST(ConsoleCommands, EveryReaderTakesCommentsAsItsEngine) {
    const struct {
        std::string line;
        bool original;
        bool legacy;
    } table[] = {
        // clang-format off
        {"@", true, true}, {"/* a */ @ /* b */;/**/", true, true}, {"/*\n@\n*/", true, false},
        {"x\n/* never closed\n@", true, false}, {"/* an odd \" hides the end */ x\n@", true, false},
        {"\"/*\"; @", true, true}, {"// a note; @", true, false}, {"@ // a note", true, true},
        {"// a /*\n@", true, true}, {"@ /*", true, true}, {"/* @ */ /*", false, false},
        {"\xEF\xBB\xBF@", true, false}, {"\xC2\xA0@\r\n", true, false},
        // clang-format on
        {std::string("x\0@", 3), false, false},  // the console reads no further than a NUL
        {"say \"" + std::string(1100, 'a') + "\"; @", false, false},  // cut at 1,023 bytes
        {std::string(1023, 'x') + "?@", true, true},  // and the byte after the cut lost
    };
    const auto framed = [](std::string line, const std::string& command) {
        return line.replace(line.find('@'), 1, command);
    };
    for (const auto& [line, original, legacy] : table) {
        for (const auto& [engine, runs] :
             {std::pair(Engine::Original, original), std::pair(Engine::Legacy, legacy)}) {
            SCOPED_TRACE(line + (engine == Engine::Legacy ? " (ET: Legacy)" : ""));
            const std::string autoexec = framed(line, "exec qmvc");
            EXPECT_EQ(RunsScript(autoexec, engine), runs);
            EXPECT_FALSE(RunsScript(WithScriptRun(autoexec, false, engine), engine));
            EXPECT_TRUE(RunsScript(WithScriptRun(autoexec, true, engine), engine));
            EXPECT_EQ(ReadBindings(framed(line, "bind KP_5 x"), {}, engine)[9], runs ? "x" : "");
            EXPECT_EQ(KeysBoundBy(framed(line, "bind KP_5 x"), engine).count(9), runs ? 1U : 0U);
            EXPECT_EQ(
                ReadScriptAssignments(EnemyTerritory(),
                                      framed(line, "set try9b1 \"vsay_team Medic\""), {}, engine)
                    .keysRestored,
                runs ? 1 : 0);
        }
    }
    EXPECT_TRUE(RunsScript("EXECQ qmvc", Engine::Legacy));
    EXPECT_FALSE(RunsScript("execq qmvc", Engine::Original));
    EXPECT_EQ(WithScriptRun("a; execq qmvc\n", false, Engine::Legacy), "a\n");
}

// Checked, the file runs the script once, in its own line ends, every other byte kept; unchecked,
// every command that runs it goes: a line that only runs it goes whole, a line it shares keeps
// the rest; nothing else changes.
TEST(Autoexec, TheScriptRunIsAddedOnceAndRemovedAlone) {
    EXPECT_EQ(WithScriptRun("", true), "exec qmvc\r\n");
    // A file that did not end its last line still does not.
    EXPECT_EQ(WithScriptRun("seta a 1\r\nbind b c", true), "seta a 1\r\nbind b c\r\nexec qmvc");
    EXPECT_EQ(WithScriptRun("seta a 1\n", true), "seta a 1\nexec qmvc\n");
    EXPECT_EQ(WithScriptRun("seta a 1\r", true), "seta a 1\rexec qmvc\r\n");  // CR ends a line
    // A file that runs the script, and what is left of it unchecked.
    const std::pair<std::string, std::string> cases[] = {
        // clang-format off
        {"a\r\nexec qmvc\r\nb\n  EXEC qmvc.cfg ; \rc", "a\r\nb\nc"}, {"exec qmvc", ""},
        {"EXEC QMVC\n", ""}, {"bind a b; exec qmvc\n", "bind a b\n"},
        {"bind x y; exec \"qmvc\"", "bind x y"}, {"exec qmvc; echo hi\r\nx", "echo hi\r\nx"},
        {"exec qmvc // mine\n", "// mine\n"}, {"  exec\tqmvc.cfg  // mine\r\n", "// mine\r\n"},
        {"x\rexec qmvc", "x\r"}, {"\xEF\xBB\xBF exec qmvc\r\nx", "\xEF\xBB\xBFx"},
        {"\xEF\xBB\xBF\x0b exec qmvc\r\n", "\xEF\xBB\xBF"},
        // clang-format on
    };
    for (const auto& [autoexec, unchecked] : cases) {
        EXPECT_TRUE(RunsScript(autoexec)) << autoexec;
        EXPECT_EQ(WithScriptRun(autoexec, true), autoexec);
        EXPECT_EQ(WithScriptRun(autoexec, false), unchecked) << autoexec;
    }
    for (const std::string absent : {"bind a b\n", "// exec qmvc", "exec qmvc2",
                                     "echo \"exec qmvc\"", "exec", "exec qmvc now"}) {
        EXPECT_FALSE(RunsScript(absent)) << absent;
        EXPECT_EQ(WithScriptRun(absent, false), absent);
    }
}

// The game's binds of the keys: its configuration run over its defaults, as its console runs it.
TEST(GameBindings, TheConfigurationIsRunOverTheDefaults) {
    const struct {
        std::string configuration;
        int16_t key;
        std::string command;
    } cases[] = {
        // clang-format off
        {"", 14, "mp_fireteamadmin"}, {"UNBINDALL\nbind KP_5 \"+attack\"", 14, ""},
        {"unbindall\r\nBIND kp_5   \"+attack\"", 9, "+attack"},
        {"bind KP_5 a; bind KP_5 \"b  c\"", 9, "b  c"}, {"UNBIND KP_5", 9, ""},
        {std::string("unbindall\0bind KP_5 x", 21), 9, ""},
        {std::string("bind KP_5 x\0unbindall", 21), 9, "x"},
        {"bind KP_5 \"vstr try9bbb\"", 9, "vstr try9bbb"}, {"bind PGDN \"vstr try22bb\"", 22, ""},
        // clang-format on
        {"bind KP_5", 9, "selectbuddy 4"},     // asks, binds nothing
        {"bind KP_5 \"VSTR try9bb\"", 9, ""},  // Quillon's own
    };
    for (const auto& [configuration, key, command] : cases) {
        EXPECT_EQ(GamesOwn(ReadBindings(configuration, DefaultBindings(EnemyTerritory())))[key],
                  command)
            << configuration;
    }
    EXPECT_EQ(ProfileNameIn("\"Mine\"\r\n"), "Mine");
    EXPECT_EQ(ProfileNameIn(" /* none */\r\n"), std::nullopt);
    for (const char* outside : {"../etc", "..", ".", "a\\b", "c:x"}) {
        EXPECT_EQ(ProfileNameIn(outside), "") << outside;
    }
    EXPECT_EQ(GameCommandInWords(EnemyTerritory(), "SelectBuddy  0"), "fire team, select member 1");
}

// The voice messages of the game's binds, as its console runs them: quotes, letter case, chains
// and texts; up to three a key; other commands, unknown messages and another game's stay the
// game's; Num Lock and keys off the keypad take none.
TEST(VoiceBinds, TheMessagesOfTheGamesBindsAreRead) {
    const GameProfile& et = EnemyTerritory();
    const Assignment medic = *Assignment::FromNumbers(et, 3, 1);
    const Assignment ammo = *Assignment::FromNumbers(et, 3, 2);
    const Assignment hi = *Assignment::FromNumbers(et, 6, 4);
    const struct {
        std::string bind;
        std::vector<Assignment> messages;
        std::string rest;
    } cases[] = {
        {"BIND kp_end VSAY_TEAM medic", {medic}, ""},
        {"bind KP_END \"vsay_team Medic  at the gate\"", {medic.WithText("at the gate")}, ""},
        {"bind KP_END \"VSAY Hi;+attack; vsay_team NeedAmmo;vsay Hi;vsay_team Medic\"",
         {hi, ammo, hi},
         "+attack;vsay_team Medic"},
        {"bind KP_END \"vsay_team IamFieldOps\"", {Assignment(et.classes[3])}, ""},
        {"bind KP_END \"vsay_team Moonwalk; vsay_team HoldYourFire; vsay\"",
         {},
         "vsay_team Moonwalk;vsay_team HoldYourFire;vsay"},
        {"bind KP_END \"vstr try11bb\"", {}, ""},  // Quillon's own
    };
    for (const auto& [bind, messages, rest] : cases) {
        const VoiceBind read = VoiceBindOf(et, GamesOwn(ReadBindings(bind))[11]);
        EXPECT_EQ(read.messages, messages) << bind;
        EXPECT_EQ(read.rest, rest) << bind;
    }
    std::string thousand = "bind KP_END \"vsay Hi";
    for (int at = 1; at < 1000; ++at) {
        thousand += ";vsay Hi";
    }
    EXPECT_EQ(VoiceBindOf(et, ReadBindings(thousand + "\"")[11]).messages.size(), 3U);
    KeyTable pageDown;  // the last key, its text edited on the keypad
    pageDown.Append(22, hi.WithText("edited"));
    EXPECT_EQ(VoiceMessagesOf(et, ReadBindings("bind KP_NUMLOCK \"vsay Hi\"\nbind F1 \"vsay Hi\"\n"
                                               "bind PGDN \"vsay Hi edited\"")),
              pageDown);
    EXPECT_EQ(GameCommandBesides(et, "vsay Hi;+zoom", pageDown, 22), "+zoom");
    EXPECT_EQ(GameCommandBesides(et, "vsay Hi;vsay Bye", pageDown, 22), "vsay Hi;vsay Bye");
}

// Run after the script, the undo script leaves every key bound as the configuration had it,
// from the template's first export on; a later export adds only the keys it takes first.
TEST(UndoScript, AfterTheScriptItGivesTheGameItsKeysBack) {
    const std::string head =
        "// qmvcundo.cfg - written by Quillon: the binds the game had before qmvc.cfg took its "
        "keys.\r\n// Typed in the game console, /exec qmvcundo binds them so again.\r\n";
    const KeyBindings defaults = DefaultBindings(EnemyTerritory());
    const std::string configuration =
        "unbindall\nbind KP_END \"vsay_team Medic; say hi\"\nBIND kp_5 +attack\n";
    const KeyBindings before = ReadBindings(configuration, defaults);
    const std::string templateText = ReadFile(std::string(QUILLON_ASSETS_DIR) + "/qmscript.txt");
    const std::string script = ConsoleScript(templateText, KeyTable(), {});
    for (const KeyBindings& game : {before, defaults}) {  // defaults: no configuration yet
        const std::string undo = UndoScriptWith("", game, KeysBoundBy(templateText));
        EXPECT_EQ(ReadBindings(undo, ReadBindings(script, game)), game);
    }
    const std::string first = UndoScriptWith("", before, {9, 11});
    EXPECT_EQ(first, head + "bind KP_5 \"+attack\"\r\nbind KP_END \"vsay_team Medic; say hi\"\r\n");
    // Later the configuration holds the script's binds.
    const KeyBindings saved = GamesOwn(ReadBindings(script, before));
    EXPECT_EQ(UndoScriptWith(first, saved, {9, 11, 22}), first + "unbind PGDN\r\n");
    EXPECT_EQ(UndoScriptWith(first, saved, {9, 11}), first);
    EXPECT_EQ(UndoScriptWith("// qmvcundo.cfg - written by Quillon\nunbind KP_5", saved, {9, 22}),
              "// qmvcundo.cfg - written by Quillon\nunbind KP_5\r\nunbind PGDN\r\n");
}

}  // namespace
}  // namespace quillon
