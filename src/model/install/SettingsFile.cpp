#include "model/install/SettingsFile.h"

#include <algorithm>

#include "platform/PathText.h"
#include "platform/SystemText.h"

namespace quillon {
namespace {

constexpr const char* kBlanks = " \t";
// The file holds one line; a larger file is not a settings file.
constexpr size_t kLargestSettingsFile = 1024 * 1024;

bool NeedsQuotes(const std::string& path) {
    return !path.empty() && (path.front() == ' ' || path.front() == '\t' || path.front() == '"' ||
                             path.back() == ' ' || path.back() == '\t');
}

// The first line that holds more than blanks, past a byte-order mark that some editors put
// before UTF-8 text.
std::string FirstLineOf(const std::string& content) {
    const std::string byteOrderMark = "\xEF\xBB\xBF";
    size_t start = content.rfind(byteOrderMark, 0) == 0 ? byteOrderMark.size() : 0;
    while (start < content.size()) {
        const size_t end = std::min(content.find_first_of("\r\n", start), content.size());
        const std::string line = content.substr(start, end - start);
        if (line.find_first_not_of(kBlanks) != std::string::npos) {
            return line;
        }
        start = end + 1;
    }
    return {};
}

}  // namespace

std::optional<std::string> ScriptFolderFromSettings(const std::string& content) {
    const std::string line = FirstLineOf(content);
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
    // A NUL would end the path early wherever the system reads it: such a path is none.
    if (path.find_first_not_of(kBlanks) == std::string::npos || path.size() >= kLongestPath ||
        path.find('\0') != std::string::npos) {
        return std::nullopt;
    }
    return EnsureTrailingSeparator(NormalPath(path));
}

RememberedFolder ReadSettingsFile(FileSystem& files, const std::string& workingFolder) {
    const Result<std::string> read =
        files.ReadRegularFile(workingFolder + kSettingsFileName, kLargestSettingsFile);
    RememberedFolder remembered;
    if (read.Ok()) {
        const std::string text = TextFromEditor(read.Get());
        // No path holds one: the file is no text Quillon wrote or an editor saves.
        if (text.find('\0') != std::string::npos) {
            remembered.status = Status::Failure(
                ErrorKind::Unsuitable, "it holds a NUL byte, which is in no folder's name");
        } else {
            remembered.scriptFolder = ScriptFolderFromSettings(text);
        }
    } else if (read.Kind() != ErrorKind::Missing) {
        remembered.status = read;
    }
    return remembered;
}

bool SettingsCanHold(const std::string& scriptFolder) {
    return scriptFolder.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

std::string SettingsBelowFolder(const std::string& content) {
    const std::string first = FirstLineOf(content);
    if (first.empty()) {
        return {};
    }
    const size_t end = content.find('\n', content.find(first));
    return end == std::string::npos ? std::string() : content.substr(end + 1);
}

std::string SettingValue(const std::string& content, const std::string& name) {
    const std::string below = SettingsBelowFolder(content);
    size_t start = 0;
    while (start < below.size()) {
        const size_t end = std::min(below.find_first_of("\r\n", start), below.size());
        if (below.compare(start, name.size() + 1, name + "=") == 0) {
            return below.substr(start + name.size() + 1, end - start - name.size() - 1);
        }
        start = end + 1;
    }
    return {};
}

std::string WithSetting(const std::string& below, const std::string& name,
                        const std::string& value) {
    std::string kept;
    size_t start = 0;
    while (start < below.size()) {
        const size_t end = std::min(below.find('\n', start), below.size());
        const std::string line = below.substr(start, end - start);
        if (line.rfind(name + "=", 0) != 0 &&
            line.find_first_not_of(" \t\r") != std::string::npos) {
            kept += line + "\n";
        }
        start = end + 1;
    }
    return kept + name + "=" + value + "\r\n";
}

Status WriteSettingsFile(FileSystem& files, const std::string& workingFolder,
                         const std::string& scriptFolder,
                         const std::optional<std::string>& settings) {
    if (!SettingsCanHold(scriptFolder)) {
        return Status::Failure(ErrorKind::Unsuitable, {});
    }
    const std::string path = workingFolder + kSettingsFileName;
    std::string below;
    if (settings) {
        below = *settings;
    } else if (Result<std::string> held = files.ReadRegularFile(path, kLargestSettingsFile);
               held.Ok()) {
        below = SettingsBelowFolder(held.Get());
    }
    const std::string line = NeedsQuotes(scriptFolder) ? "\"" + scriptFolder + "\"" : scriptFolder;
    return WriteFileReplacing(files, path, line + "\r\n" + below);
}

}  // namespace quillon
