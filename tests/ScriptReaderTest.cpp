#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/script/ScriptGenerator.h"
#include "model/script/ScriptReader.h"

namespace quillon {
namespace {

// Every assignment there is: the 39 messages and the four class announcements.
std::vector<Assignment> EveryAssignment() {
    std::vector<Assignment> every;
    for (const VoiceMessage& message : kVoiceMessages) {
        every.emplace_back(message);
    }
    for (const PlayerClass& playerClass : kPlayerClasses) {
        every.emplace_back(playerClass);
    }
    return every;
}

TEST(ScriptReader, ExportedTablesComeBackWholeAndExportTheSameBytes) {
    const std::vector<Assignment> every = EveryAssignment();
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
        const RestoredKeys restored = ReadScriptAssignments(script);
        ASSERT_EQ(restored.table, table) << "round " << round;
        EXPECT_EQ(restored.linesNotUnderstood, 0);
        ASSERT_EQ(GenerateScriptBody(restored.table), GenerateScriptBody(table));
    }
    // Every assignment there is, on its own key, survives the trip.
    KeyTable all;
    for (size_t i = 0; i < every.size(); ++i) {
        all.Append(static_cast<int16_t>(1 + i / kSlotsPerKey), every[i]);
    }
    EXPECT_EQ(ReadScriptAssignments(GenerateScriptBody(all)).table, all);
}

TEST(ScriptReader, HandEditedScriptsGiveWhatCanBeRead) {
    const std::string script =
        "// my own notes\n"
        "set try1b1  \";\"\n"                                         // empty slot 1
        "set try1b2  \"VSAY_TEAM medic;set try1bb vstr try1b1\"\r\n"  // letter case differs
        "set try1b3  \"vsay hi;set try1bb vstr try1b1\"\n"
        "set try2b1  \"vsay_team iamLIEUTENANT;\"\n"
        "set try2b2  \"vsay_team Dance;\"\n"  // no such message: not understood
        "set try2b3  \"say hello;\"\n"        // no voice command: not understood
        "set try3b1  \"vsay_team Medic\"\n"   // no closing ';': not understood
        "set try30b1  \"vsay Hi;\"\n"         // no such key: not understood
        "set try4b4  \"vsay Hi;\"\n"          // no such slot: not understood
        "set try5bb \"vstr try5b1\"\n"        // a pointer: not part of the table
        "set try07b1  \"vsay Hi;\"\n"         // another variable than key 7's: not understood
        "set try6b1  \"vsay Hi;\"\n"
        "set try6b1  \"vsay Bye;\"";  // set again, the last line: the later one wins
    const RestoredKeys restored = ReadScriptAssignments(script);
    KeyTable expected;
    expected.Append(1, *Assignment::FromNumbers(3, 1));  // packed into slot 1
    expected.Append(1, *Assignment::FromNumbers(6, 4));
    expected.Append(2, *Assignment::FromNumbers(1, 'l'));
    expected.Append(6, *Assignment::FromNumbers(6, 5));
    EXPECT_EQ(restored.table, expected);
    EXPECT_EQ(restored.keysRestored, 3);
    EXPECT_EQ(restored.linesNotUnderstood, 6);
    EXPECT_EQ(restored.table.At(1, 1)->Label(), "Medic");
}

TEST(ScriptReader, JunkIsReadWithoutHarm) {
    std::mt19937 random(7);
    std::string junk(1 << 20, '\0');
    for (char& c : junk) {
        c = static_cast<char>(random());
    }
    const RestoredKeys fromJunk = ReadScriptAssignments(junk);
    EXPECT_EQ(fromJunk.keysRestored, 0);

    // NUL bytes, invalid UTF-8 and lone carriage returns around a good line.
    const std::string odd = std::string("set try1b1  \"vsay Hi;\0\"\n", 24) +
                            "\xff\xfe set try2b1  \"vsay Hi;\"\r\r\n"
                            "set try3b1  \"vsay Hi;\"\n"
                            "set try\n"
                            "set try4\n"
                            "set try4b\n"
                            "set try4b1\n"
                            "set try4b1  \"\n"
                            "set try007b1  \"vsay Hi;\"\n";
    const RestoredKeys fromOdd = ReadScriptAssignments(odd);
    KeyTable expected;
    expected.Append(3, *Assignment::FromNumbers(6, 4));
    EXPECT_EQ(fromOdd.table, expected);
    EXPECT_EQ(fromOdd.linesNotUnderstood, 7);
}

}  // namespace
}  // namespace quillon
