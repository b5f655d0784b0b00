#pragma once

#include <string>

namespace quillon::test {

// The generated block of a key without messages, written out as the game receives it.
inline std::string FreeBlock(int key) {
    const std::string k = std::to_string(key);
    return "\r\n"
           "set try" +
           k +
           "b1  \";\"\r\n"
           "set try" +
           k + "b2  \";set try" + k + "bb vstr try" + k +
           "b1\"\r\n"
           "set try" +
           k + "b3  \";\"\r\n";
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

// The generated part after the Enemy Territory road: on key 1 messages of pages 2 (line 10),
// 3 and 4; on key 2 of pages 5, 6 and 7; on key 3 of page 8 (line 10) and the Covert Ops class.
inline std::string EnemyTerritoryScriptBody() {
    return "\r\n"
           "set try1b1  \"vsay_team EnemyDisguised;set try1bb vstr try1b2\"\r\n"
           "set try1b2  \"vsay_team NeedOps;set try1bb vstr try1b3\"\r\n"
           "set try1b3  \"vsay_team ReinforceDefense;set try1bb vstr try1b1\"\r\n"
           "set try1bb \"vstr try1b1\"\r\n"
           "\r\n"
           "set try2b1  \"vsay_team Oops;set try2bb vstr try2b2\"\r\n"
           "set try2b2  \"vsay Cheer;set try2bb vstr try2b3\"\r\n"
           "set try2b3  \"vsay GoodGame;set try2bb vstr try2b1\"\r\n"
           "set try2bb \"vstr try2b1\"\r\n"
           "\r\n"
           "set try3b1  \"vsay_team EscortVehicle;set try3bb vstr try3b2\"\r\n"
           "set try3b2  \"vsay_team IamCovertOps;set try3bb vstr try3b1\"\r\n"
           "set try3b3  \";\"\r\n"
           "set try3bb \"vstr try3b1\"\r\n" +
           FreeBlocks(4, 22);
}

}  // namespace quillon::test
