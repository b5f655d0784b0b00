#include <windows.h>

#include <string>

#include "platform/SystemError.h"
#include "platform/WideText.h"

namespace quillon {

Status SystemError(int code) {
    using Kind = ErrorKind;
    static const CodeKind kKinds[] = {
        {ERROR_FILE_NOT_FOUND, Kind::Missing},
        {ERROR_PATH_NOT_FOUND, Kind::Missing},
        {ERROR_ACCESS_DENIED, Kind::Denied},
        {ERROR_WRITE_PROTECT, Kind::Denied},
        {ERROR_PRIVILEGE_NOT_HELD, Kind::Denied},
        {ERROR_TOO_MANY_OPEN_FILES, Kind::OutOfHandles},
        {ERROR_NOT_ENOUGH_MEMORY, Kind::OutOfHandles},
    };
    const DWORD number = static_cast<DWORD>(code);
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, number, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length > 0 ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    // The system's words end in a full stop and a line break; the messages go on after them.
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' ||
                               reason.back() == L' ' || reason.back() == L'.')) {
        reason.pop_back();
    }
    return Status::Failure(KindOfCode(code, kKinds), reason.empty()
                                                         ? "error " + std::to_string(number)
                                                         : TextFromWide(reason));
}

}  // namespace quillon
