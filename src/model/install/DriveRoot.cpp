#include "model/install/DriveRoot.h"

#include <cctype>

#include "model/install/KnownPlaces.h"
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

// The folder an answer names as a folder, as it was typed; empty when it names none.
std::string FolderNamed(const Environment& environment, const std::string& answer) {
#ifdef _WIN32
    (void)environment;
    const bool absolute = answer.size() > 3 &&
                          std::isalpha(static_cast<unsigned char>(answer[0])) && answer[1] == ':' &&
                          (answer[2] == '\\' || answer[2] == '/');
    const bool share = answer.rfind("\\\\", 0) == 0 || answer.rfind("//", 0) == 0;
    return absolute || share ? answer : std::string();
#else
    if (answer == "~" || answer.rfind("~/", 0) == 0) {
        return UserRootOf(environment) + answer.substr(1);
    }
    return answer.rfind('/', 0) == 0 ? answer : std::string();
#endif
}

#ifndef _WIN32
std::string WinePrefix(const Environment& environment) {
    const std::string prefix = environment.Variable("WINEPREFIX");
    return prefix.empty() ? UserRootOf(environment) + "/.wine" : prefix;
}
#endif

}  // namespace

std::optional<std::string> RootForDriveAnswer(FileSystem& files, const Environment& environment,
                                              const std::string& typed) {
    // Blanks around the answer are slips of the keyboard, not part of it.
    const size_t first = typed.find_first_not_of(" \t");
    const std::string answer = first == std::string::npos
                                   ? std::string()
                                   : typed.substr(first, typed.find_last_not_of(" \t") + 1 - first);
    if (answer.empty() || answer.size() >= kLongestPath) {
        return std::nullopt;
    }
    if (const std::string folder = FolderNamed(environment, answer); !folder.empty()) {
        const std::string root = EnsureTrailingSeparator(NormalPath(folder));
        return files.IsFolder(root) ? std::optional(root) : std::nullopt;
    }
    const std::optional<char> letter = DriveLetter(answer);
    if (!letter) {
        return std::nullopt;
    }
#ifdef _WIN32
    const std::string root = std::string(1, *letter) + ":\\";
    return files.IsFolder(root) ? std::optional(root) : std::nullopt;
#else
    const std::string prefix = WinePrefix(environment);
    const std::string device =
        prefix + "/dosdevices/" +
        static_cast<char>(std::tolower(static_cast<unsigned char>(*letter))) + ":";
    const std::optional<std::string> folder = files.RealPath(device);
    return folder && files.IsFolder(*folder) ? std::optional(EnsureTrailingSeparator(*folder))
                                             : std::nullopt;
#endif
}

}  // namespace quillon
