#include "Fonts.h"

#include <QFontDatabase>
#include <array>
#include <optional>

namespace quillon::qt {

namespace {

// The wanted face where the system has it, else a stand-in. Asking for a face the system lacks
// would make the font matcher sort every font it knows for a fallback, the slowest step of the
// start-up.
QFont Resolve(layout::Font font, const QFont& standard) {
    const layout::FontSpec wanted = layout::SpecOf(font);
    QString family = QString::fromUtf8(wanted.face);
    if (!QFontDatabase::hasFamily(family)) {
        family = font == layout::Font::Terminal
                     ? QFontDatabase::systemFont(QFontDatabase::FixedFont).family()
                     : standard.family();
    }
    QFont result(family);
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
