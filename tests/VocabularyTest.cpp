#include <gtest/gtest.h>

#include <set>
#include <string>

#include "export/ConsoleVocabulary.h"
#include "keys/KeyTable.h"
#include "voicemenu/Catalogue.h"

namespace quillon {
namespace {

// Every message the menu can pick has a console command, and no other pair has one: a message
// without a command would be exported as silence.
TEST(Vocabulary, EveryMenuMessageAndNothingElseHasACommand) {
    int messages = 0;
    for (int16_t page = 0; page <= 8; ++page) {
        for (int16_t line = 0; line <= 10; ++line) {
            const bool isMessage = CatalogueLine(page, line).action == LineAction::Message;
            EXPECT_EQ(!VsayCommand(page, line).empty(), isMessage) << page << "," << line;
            if (isMessage) {
                ++messages;
                EXPECT_EQ(VsayCommand(page, line).rfind(page >= 6 ? "vsay " : "vsay_team ", 0), 0U);
            }
        }
    }
    EXPECT_EQ(messages, 39);
    for (const char letter : {'s', 'e', 'm', 'l'}) {
        const std::string command = ClassCommand(letter);
        EXPECT_TRUE(!command.empty() && command.back() == ';') << letter;
    }
    EXPECT_EQ(ClassCommand('x'), "");
}

TEST(Vocabulary, KeyNamesAreDistinctNamesTheGameAccepts) {
    std::set<std::string> names;
    for (int16_t key = kFirstAssignableKey; key <= kLastKey; ++key) {
        const std::string name = BindName(key);
        EXPECT_GT(name.size(), 1U) << "a single character names a main-keyboard key";
        EXPECT_TRUE(names.insert(name).second) << name;
    }
    EXPECT_EQ(BindName(kNumLockKey), "");
    EXPECT_EQ(BindName(2), "KP_STAR");
    EXPECT_EQ(BindName(15), "KP_INS");
    EXPECT_EQ(BindName(16), "KP_DEL");
    EXPECT_EQ(BindName(17), "INS");
    EXPECT_EQ(BindName(20), "DEL");
}

}  // namespace
}  // namespace quillon
