#include "model/install/SettingsFile.h"

#include "platform/Files.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

constexpr const char* kBlanks = " \t";

}  // namespace

std::optional<std::string> GameFolderFromSettings(const std::string& content) {
    const std::string line = content.substr(0, content.find_first_of("\r\n"));
    const size_t start = line.find_first_not_of(kBlanks);
    if (start == std::string::npos) {
        return std::nullopt;
    }
    std::string path;
    if (line[start] == '"') {
        // Blanks after the closing quote are not part of the path.
        const size_t close = line.rfind('"');
        path = close > start ? line.substr(start + 1, close - start - 1) : line.substr(start + 1);
    } else {
        path = line.substr(start, line.find_last_not_of(kBlanks) + 1 - start);
    }
    if (path.find_first_not_of(kBlanks) == std::string::npos) {
        return std::nullopt;
    }
    return EnsureTrailingBackslash(path);
}

std::optional<std::string> ReadSettingsFile() {
    const std::optional<std::string> content = ReadWholeFile(kSettingsFileName);
    return content ? GameFolderFromSettings(*content) : std::nullopt;
}

Outcome WriteSettingsFile(const std::string& gamePath) {
    return WriteFileReplacing(kSettingsFileName, gamePath + "\r\n");
}

}  // namespace quillon
