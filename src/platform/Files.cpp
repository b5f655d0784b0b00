#include "platform/Files.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

#ifdef _WIN32
#include <windows.h>

#include "platform/WideText.h"
#endif

namespace quillon {

std::filesystem::path PathFromText(const std::string& text) {
#ifdef _WIN32
    return std::filesystem::path(WideFromText(text));
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

std::optional<std::string> ReadWholeFile(const std::string& fileName) {
    const std::filesystem::path path = PathFromText(fileName);
    std::error_code error;
    // A folder opens as a stream on some platforms and only fails once read.
    if (std::filesystem::is_directory(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes.str();
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(PathFromText(path), error);
}

std::string CurrentFolderText() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string("the current folder") : "\"" + TextFromPath(folder) + "\"";
}

namespace {

// Moves `from` over `to`, replacing it in one step.
std::error_code ReplaceWith(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {};
    }
    return std::error_code(static_cast<int>(GetLastError()), std::system_category());
#else
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return error;
#endif
}

}  // namespace

Outcome WriteFileReplacing(const std::string& destination, const std::string& content) {
    const std::filesystem::path target = PathFromText(destination);
    std::filesystem::path temporary = target;
    temporary += ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return Outcome::Failure("the file \"" + TextFromPath(temporary) +
                                    "\" could not be created (" + std::strerror(errno) + ")");
        }
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return Outcome::Failure("writing \"" + TextFromPath(temporary) + "\" failed");
        }
    }
    if (const std::error_code error = ReplaceWith(temporary, target); error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return Outcome::Failure(error.message());
    }
    return Outcome::Success();
}

}  // namespace quillon
