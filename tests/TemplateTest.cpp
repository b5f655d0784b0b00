#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "TempFolder.h"
#include "model/keys/Keypad.h"

namespace quillon {
namespace {

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
