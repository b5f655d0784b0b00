#pragma once

#include <string>
#include <vector>

namespace quillon {

// A node of Valve's key-value text format (libraryfolders.vdf, appmanifest_*.acf): a key with
// either a text value or a block of child nodes.
//
//   "libraryfolders" { "0" { "path" "/home/you/.local/share/Steam" } }
struct KeyValue {
    std::string key;
    std::string value;
    std::vector<KeyValue> children;
    bool isBlock = false;

    // The first child with that key, letter case ignored; nullptr when there is none.
    const KeyValue* Child(const std::string& name) const;
};

// The first of the nodes with that key, letter case ignored; nullptr when there is none.
const KeyValue* FindKey(const std::vector<KeyValue>& nodes, const std::string& key);

// Reads the top-level nodes of such a text. Strings may be quoted (with \" and \\ escapes) or
// bare; // starts a comment. Malformed or truncated input gives the nodes read before the fault,
// and blocks nested deeper than a sane depth are not entered: any text is read without harm.
std::vector<KeyValue> ParseKeyValues(const std::string& text);

}  // namespace quillon
