#include "platform/Files.h"

#include <system_error>

#include "platform/NewFile.h"
#include "platform/PathText.h"

#ifdef _WIN32
#include "platform/WideText.h"
#endif

namespace quillon {

std::filesystem::path PathFromText(const std::string& text) {
#ifdef _WIN32
    return std::filesystem::path(LongPathForm(WideFromText(text)));
#else
    return std::filesystem::path(text);
#endif
}

std::string TextFromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return TextFromWide(path.native());
#else
    return path.native();
#endif
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(PathFromText(path), error);
}

bool PathReachable(const std::string& path) {
    std::error_code error;
    return path.size() <= kLongestPath && path.find('\0') == std::string::npos &&
           std::filesystem::exists(PathFromText(path), error);
}

std::string CurrentFolderText() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string("the current folder")
                 : "\"" + PathForMessage(TextFromPath(folder)) + "\"";
}

std::optional<std::string> RefusalOf(FileKind kind, uint64_t size, size_t limit) {
    if (kind == FileKind::Folder) {
        return "it is a folder";
    }
    if (kind == FileKind::Other) {
        return "it is not a regular file";
    }
    if (size <= limit) {
        return std::nullopt;
    }
    constexpr size_t kMebibyte = 1024 * 1024;
    return "it is larger than " + (limit >= kMebibyte && limit % kMebibyte == 0
                                       ? std::to_string(limit / kMebibyte) + " MiB"
                                       : std::to_string(limit) + " bytes");
}

Outcome WriteFileReplacing(const std::string& destination, const std::string& content) {
    if (Outcome placed = PutNewFileInPlace(destination, content); !placed.Succeeded()) {
        return placed;
    }
    // Another program writing the same file at the same moment may have put its own in place
    // after ours; then ours did not land, and saying so is the truth.
    const FileRead landed = ReadRegularFile(destination, content.size());
    if (landed.status != FileRead::Status::Read || landed.content != content) {
        return Outcome::Failure("another program replaced it at the same moment");
    }
    return Outcome::Success();
}

}  // namespace quillon
