#include "Fonts.h"

#include <cmath>
#include <string>

#include "platform/WideText.h"

namespace quillon::win32 {
namespace {

constexpr int kPointsPerInch = 72;
constexpr int kStandardFontPoints = 8;  // the system's dialog font

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool HasFace(const std::wstring& face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace

OwnedFont CreateLayoutFont(layout::Font font, UINT dpi) {
    if (font == layout::Font::Default) {
        if (dpi == layout::kDotsPerInch) {
            return nullptr;
        }
        LOGFONTW standard{};
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof standard, &standard);
        standard.lfHeight = -MulDiv(kStandardFontPoints, static_cast<int>(dpi), kPointsPerInch);
        standard.lfWidth = 0;
        return OwnedFont(CreateFontIndirectW(&standard));
    }
    const layout::FontSpec wanted = layout::SpecOf(font);
    std::wstring face = WideFromText(wanted.face);
    DWORD charset = font == layout::Font::Terminal ? OEM_CHARSET : DEFAULT_CHARSET;
    DWORD pitch = DEFAULT_PITCH;
    if (!HasFace(face)) {
        const bool fixed = font == layout::Font::Terminal;
        face = fixed ? L"Courier New" : L"Tahoma";
        charset = DEFAULT_CHARSET;
        pitch = fixed ? FIXED_PITCH | FF_MODERN : VARIABLE_PITCH | FF_SWISS;
    }
    const int height =
        -static_cast<int>(std::lround(wanted.points * dpi / static_cast<double>(kPointsPerInch)));
    return OwnedFont(CreateFontW(height, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                 FALSE, charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, pitch, face.c_str()));
}

}  // namespace quillon::win32
