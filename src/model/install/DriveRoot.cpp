#include "model/install/DriveRoot.h"

#include <cctype>
#include <cstdlib>

#include "platform/Files.h"
#include "platform/PathText.h"

namespace quillon {
namespace {

std::optional<char> DriveLetter(const std::string& answer) {
    if (answer.empty() || answer.size() > 3 ||
        !std::isalpha(static_cast<unsigned char>(answer[0]))) {
        return std::nullopt;
    }
    if (answer.size() >= 2 && answer[1] != ':') {
        return std::nullopt;
    }
    if (answer.size() == 3 && answer[2] != '\\' && answer[2] != '/') {
        return std::nullopt;
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(answer[0])));
}

#ifndef _WIN32
std::string WinePrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0') {
        return prefix;
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.wine";
}
#endif

}  // namespace

std::optional<std::string> RootForDriveAnswer(FileSystem& files, const std::string& typed) {
    // Blanks around the answer are slips of the keyboard, not part of it.
    const size_t first = typed.find_first_not_of(" \t");
    const std::string answer = first == std::string::npos
                                   ? std::string()
                                   : typed.substr(first, typed.find_last_not_of(" \t") + 1 - first);
#ifndef _WIN32
    if (!answer.empty() && answer[0] == '/') {
        return EnsureTrailingBackslash(answer);
    }
#endif
    const std::optional<char> letter = DriveLetter(answer);
    if (!letter) {
        return std::nullopt;
    }
#ifdef _WIN32
    (void)files;  // a drive letter names its root as it is
    return std::string(1, *letter) + ":\\";
#else
    const std::string device =
        WinePrefix() + "/dosdevices/" +
        static_cast<char>(std::tolower(static_cast<unsigned char>(*letter))) + ":";
    const std::optional<std::string> folder = files.RealPath(device);
    if (!folder || !files.IsFolder(*folder)) {
        return std::nullopt;
    }
    return EnsureTrailingBackslash(*folder);
#endif
}

}  // namespace quillon
