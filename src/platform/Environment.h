#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillon {

enum class RegistryRoot { CurrentUser, LocalMachine };

// Which view of the registry a 64-bit Windows gives: its own, or the one 32-bit programs see.
enum class RegistryView { Native, Bits32, Bits64 };

// The folders Windows names for the user who runs the program.
enum class KnownFolder { Documents, LocalAppData, RoamingAppData, ProgramFiles, ProgramFilesX86 };

// What the program learns of the machine and of the user who runs it, apart from the files: the
// variables of its environment, the folder it was started in, its own folder, the folders
// Windows names and the registry. The real one is the system's (see RealEnvironment()); tests
// put a FakeEnvironment in its place, so that none of them changes the process's own.
class Environment {
  public:
    virtual ~Environment() = default;

    // The value of the variable; empty when it is unset.
    virtual std::string Variable(const std::string& name) const = 0;
    // Each folder without a final separator (but a root's); empty when it cannot be told.
    virtual std::string CurrentFolder() const = 0;
    // The folder of the running program's file.
    virtual std::string ProgramFolder() const = 0;
    // As the system reports it (under Wine, from its own registry); empty off Windows.
    virtual std::string KnownFolderPath(KnownFolder folder) const = 0;

    // The text value `value` of the key `key` ("Software\\Valve\\Steam"); nothing when the key
    // or the value is missing or holds no text, and always off Windows.
    virtual std::optional<std::string> RegistryText(RegistryRoot root, const std::string& key,
                                                    const std::string& value,
                                                    RegistryView view) const = 0;
    // The names of the subkeys of a key; none when it is missing.
    virtual std::vector<std::string> RegistrySubkeys(RegistryRoot root, const std::string& key,
                                                     RegistryView view) const = 0;
};

// The environment of this process.
const Environment& RealEnvironment();

}  // namespace quillon
