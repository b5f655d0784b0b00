#include "Fonts.h"

#include <QFontDatabase>

namespace quillon::qt {

QFont FontFor(layout::Font font, const QFont& standard) {
    if (font == layout::Font::Default) {
        return standard;
    }
    const layout::FontSpec spec = layout::SpecOf(font);
    QFont result(QString::fromUtf8(spec.face));
    result.setPointSizeF(spec.points);
    result.setBold(spec.bold);
    if (QFontDatabase::hasFamily(result.family())) {
        return result;
    }
    switch (font) {
        case layout::Font::Terminal:
            result = QFontDatabase::systemFont(QFontDatabase::FixedFont);
            break;
        case layout::Font::SmallFonts:
        case layout::Font::ArialBold:
            result = QFont(standard.family());
            break;
        case layout::Font::Default:
            break;
    }
    result.setPointSizeF(spec.points);
    result.setBold(spec.bold);
    return result;
}

}  // namespace quillon::qt
