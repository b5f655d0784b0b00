#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Environment.h"

namespace quillon {

// An environment made of plain fields, which tests fill in: what they leave empty is unknown.
class FakeEnvironment : public Environment {
  public:
    std::map<std::string, std::string> variables;
    std::string currentFolder;
    std::string programFolder;
    std::map<KnownFolder, std::string> knownFolders;
    // The text values of each key ("Software\\Valve\\Steam"), by name, in every root, and in
    // every view unless one is named (a 32-bit installer's keys on 64-bit Windows are in one).
    std::map<std::string, std::map<std::string, std::string>> registry;
    std::optional<RegistryView> registryView;
    // What was looked at, in turn: each variable read and each registry key listed.
    mutable std::vector<std::string> looks;

    std::string Variable(const std::string& name) const override {
        looks.push_back(name);
        return Find(variables, name);
    }
    std::string CurrentFolder() const override { return currentFolder; }
    std::string ProgramFolder() const override { return programFolder; }
    std::string KnownFolderPath(KnownFolder folder) const override {
        return Find(knownFolders, folder);
    }
    std::optional<std::string> RegistryText(RegistryRoot, const std::string& key,
                                            const std::string& value,
                                            RegistryView view) const override {
        const auto values = registry.find(key);
        if (!InView(view) || values == registry.end() || values->second.count(value) == 0) {
            return std::nullopt;
        }
        return values->second.at(value);
    }
    std::vector<std::string> RegistrySubkeys(RegistryRoot, const std::string& key,
                                             RegistryView view) const override {
        looks.push_back(key);
        if (!InView(view)) {
            return {};
        }
        std::set<std::string> names;
        const std::string parent = key + "\\";
        for (const auto& [path, values] : registry) {
            if (path.rfind(parent, 0) == 0) {
                names.insert(
                    path.substr(parent.size(), path.find('\\', parent.size()) - parent.size()));
            }
        }
        return {names.begin(), names.end()};
    }

  private:
    bool InView(RegistryView view) const { return !registryView || view == *registryView; }
    template <typename Key>
    static std::string Find(const std::map<Key, std::string>& map, const Key& key) {
        const auto found = map.find(key);
        return found == map.end() ? std::string() : found->second;
    }
};

}  // namespace quillon
