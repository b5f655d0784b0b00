#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "ScriptText.h"
#include "TempFolder.h"
#include "model/keys/Keypad.h"
#include "model/script/ScriptGenerator.h"

namespace quillon {
namespace {

using test::FreeBlocks;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;
using ::testing::HasSubstr;

// Puts the message at page and line into the key's next free slot, which the test names.
void Assign(KeyTable& table, int16_t key, int16_t slot, int16_t page, int16_t line) {
    ASSERT_EQ(table.UsedCount(key) + 1, slot);
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
    Assign(table, 11, 1, 2, 1);
    Assign(table, 11, 2, 1, 109);
    Assign(table, 14, 1, 6, 4);
    Assign(table, 22, 1, 3, 1);
    Assign(table, 22, 2, 3, 2);
    Assign(table, 22, 3, 4, 5);
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
    EXPECT_EQ(GenerateScriptBody(table), expected);

    // Written behind the template, which stays byte for byte as it was, also without a final
    // line break: the first empty line then completes the template's last line.
    TempFolder folder;
    for (const std::string templateText :
         {"// mine\r\nbind KP_END \"vstr try11bb\"\r\n", "// no line break at the end"}) {
        WriteFile("qmscript.txt", templateText);
        ASSERT_TRUE(WriteConsoleScript(RealFileSystem(), table, folder.Text(), folder.Text())
                        .outcome.Succeeded());
        EXPECT_EQ(ReadFile("qmvc.cfg"), templateText + expected);
    }
}

// Each game's own limit: the first game's warning as it always was, Enemy Territory's beside it.
TEST(ScriptGenerator, TheSizeWarningIsEachGamesOwn) {
    EXPECT_EQ(ScriptSizeWarning(ReturnToCastleWolfenstein(), 16384), "");
    EXPECT_EQ(ScriptSizeWarning(ReturnToCastleWolfenstein(), 16385),
              "The script is 16385 bytes long. Return to Castle Wolfenstein runs no script longer "
              "than 16384 bytes: \"/exec qmvc\" would run none of it.\nShorten the template "
              "\"qmscript.txt\" (later engines take up to 131072 bytes).");
    EXPECT_EQ(ScriptSizeWarning(EnemyTerritory(), 131072), "");
    EXPECT_THAT(ScriptSizeWarning(EnemyTerritory(), 131073),
                HasSubstr("Wolfenstein: Enemy Territory runs no script longer than 131072 bytes"));
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
}

}  // namespace
}  // namespace quillon
