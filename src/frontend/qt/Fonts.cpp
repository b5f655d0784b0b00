#include "Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <array>
#include <optional>

namespace quillon::qt {

namespace {

QFont Resolve(layout::Font font, const QFont& standard) {
    const layout::FontSpec wanted = layout::SpecOf(font);
    QFont result(QString::fromUtf8(wanted.face));
    result.setPointSizeF(wanted.points);
    result.setBold(wanted.bold);
    // Asking the font matcher for this one family is far quicker at start-up than listing every
    // family the system has.
    if (QFontInfo(result).family().compare(result.family(), Qt::CaseInsensitive) == 0) {
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
    result.setPointSizeF(wanted.points);
    result.setBold(wanted.bold);
    return result;
}

}  // namespace

QFont FontFor(layout::Font font, const QFont& standard) {
    if (font == layout::Font::Default) {
        return standard;
    }
    // Each font is looked up once: many controls share one, and the lookups slow the start.
    static std::array<std::optional<QFont>, layout::kFontCount> resolved;
    std::optional<QFont>& known = resolved.at(static_cast<size_t>(font));
    if (!known) {
        known = Resolve(font, standard);
    }
    return *known;
}

}  // namespace quillon::qt
