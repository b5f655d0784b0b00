#include "install/SettingsFile.h"

#include "install/PathText.h"
#include "platform/Files.h"

namespace quillon {

std::optional<std::string> ReadSettingsFile() {
    std::string content;
    if (!ReadWholeFile(kSettingsFileName, content)) {
        return std::nullopt;
    }
    std::string line = content.substr(0, content.find_first_of("\r\n"));
    // Older files may hold the folder in quotes.
    if (!line.empty() && line[0] == '"') {
        const size_t close = line.find('"', 1);
        line = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    }
    if (line.find_first_not_of(" \t") == std::string::npos) {
        return std::nullopt;
    }
    return EnsureTrailingBackslash(line);
}

std::string WriteSettingsFile(const std::string& gamePath) {
    return WriteFileReplacing(kSettingsFileName, gamePath + "\r\n");
}

}  // namespace quillon
