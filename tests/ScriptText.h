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

}  // namespace quillon::test
