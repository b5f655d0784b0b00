#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/script/ScriptGenerator.h"
#include "model/script/ScriptReader.h"

namespace quillon {
namespace {

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
                    table.Append(key, every[random() % every.size()]);
                }
            }
            const std::string script =
                "// template\r\nbind KP_END \"vstr try11bb\"\r\n" + GenerateScriptBody(table);
            const RestoredKeys restored = ReadScriptAssignments(profile, script);
            ASSERT_EQ(restored.table, table) << profile.name << ", round " << round;
            EXPECT_EQ(restored.linesNotUnderstood, 0);
            ASSERT_EQ(GenerateScriptBody(restored.table), GenerateScriptBody(table));
        }
        // Every assignment there is, on its own key, survives the trip.
        KeyTable all;
        for (size_t i = 0; i < every.size(); ++i) {
            all.Append(static_cast<int16_t>(1 + i / kSlotsPerKey), every[i]);
        }
        EXPECT_EQ(ReadScriptAssignments(profile, GenerateScriptBody(all)).table, all);
    }
}

// Every line here sets a slot the way the game's console takes it, whatever the spacing, letter
// case and line ends; lines that set a slot to anything else are counted.
TEST(ScriptReader, HandEditedScriptsAreReadAsTheConsoleReadsThem) {
    const std::string script =
        "// my own notes; set try9b1 \"vsay Hi;\"\n"  // a comment runs to the end
        "set try1b1  \";\"\n"                         // empty slot 1
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
    EXPECT_EQ(restored.linesNotUnderstood, 5);

    // Lines of the template are the template's, not keys that could not be read.
    const std::string templateText = "set try2b3 \"say hello\"\r\nbind KP_5 \"vstr try5bb\"\r\n";
    const RestoredKeys withTemplate =
        ReadScriptAssignments(game, templateText + GenerateScriptBody(expected), templateText);
    EXPECT_EQ(withTemplate.table, expected);
    EXPECT_EQ(withTemplate.linesNotUnderstood, 0);
}

TEST(ScriptReader, JunkIsReadWithoutHarm) {
    const GameProfile& game = ReturnToCastleWolfenstein();
    std::mt19937 random(7);
    std::string junk(1 << 20, '\0');
    for (char& c : junk) {
        c = static_cast<char>(random());
    }
    EXPECT_EQ(ReadScriptAssignments(game, junk).keysRestored, 0);

    // NUL bytes, invalid UTF-8, unclosed quotes and truncated lines around a good line.
    const std::string odd = std::string("set try1b1  \"vsay Hi;\0\"\n", 24) +
                            "\xff\xfe set try2b1  \"vsay Hi;\"\n"
                            "set try3b1  \"vsay Hi;\"\n"
                            "set try\n"
                            "set try4b1\n"
                            "set try4b1  \"\n"
                            "set try5b1  \"vsay Hi;\n";
    const RestoredKeys fromOdd = ReadScriptAssignments(game, odd);
    KeyTable expected;
    expected.Append(3, *Assignment::FromNumbers(game, 6, 4));
    expected.Append(5, *Assignment::FromNumbers(game, 6, 4));
    EXPECT_EQ(fromOdd.table, expected);
    EXPECT_EQ(fromOdd.linesNotUnderstood, 2);
}

}  // namespace
}  // namespace quillon
