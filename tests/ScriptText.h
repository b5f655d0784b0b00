#pragma once

#include <string>

namespace quillon::test {

// Text as Notepad saves it as "Unicode" (big endian: "Unicode big endian"): a byte-order mark,
// then two bytes a unit.
inline std::string Utf16(const std::u16string& text, bool bigEndian = false) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// The generated block of a key without messages, written out as the game receives it.
inline std::string FreeBlock(int key) {
    const std::string k = std::to_string(key);
    return "\r\nset try" + k + "b1  \";\"\r\nset try" + k + "b2  \";set try" + k + "bb vstr try" +
           k + "b1\"\r\nset try" + k + "b3  \";\"\r\n";
}

inline std::string FreeBlocks(int first, int last) {
    std::string blocks;
    for (int key = first; key <= last; ++key) {
        blocks += FreeBlock(key);
    }
    return blocks;
}

// The generated part after the road of one assignment: key "8" (key 5) says Medic.
inline std::string RoadScriptBody() {
    return FreeBlocks(1, 4) +
           "\r\n"
           "set try5b1  \"vsay_team Medic;\"\r\n"
           "set try5b2  \";set try5bb vstr try5b1\"\r\n"
           "set try5b3  \";\"\r\n"
           "set try5bb \"vstr try5b1\"\r\n" +
           FreeBlocks(6, 22);
}

// The generated part after the Enemy Territory road: on key 1 line 10 of page 2, line 9 of
// page 4 and line 10 of page 8; on key 2 the Covert Ops class with a text of the player's own.
inline std::string EnemyTerritoryScriptBody() {
    return "\r\n"
           "set try1b1  \"vsay_team EnemyDisguised;set try1bb vstr try1b2\"\r\n"
           "set try1b2  \"vsay_team ReinforceDefense;set try1bb vstr try1b3\"\r\n"
           "set try1b3  \"vsay_team EscortVehicle;set try1bb vstr try1b1\"\r\n"
           "set try1bb \"vstr try1b1\"\r\n"
           "\r\n"
           "set try2b1  \"vsay_team IamCovertOps cover me at the gate;\"\r\n"
           "set try2b2  \";set try2bb vstr try2b1\"\r\n"
           "set try2b3  \";\"\r\n"
           "set try2bb \"vstr try2b1\"\r\n" +
           FreeBlocks(3, 22);
}

}  // namespace quillon::test
