#include "KeyButton.h"

#include <QPolygon>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <algorithm>

namespace quillon::qt {

void KeyButton::SetLit(bool lit) {
    if (lit != lit_) {
        lit_ = lit;
        update();
    }
}

void KeyButton::SetMarked(bool marked) {
    if (marked != marked_) {
        marked_ = marked;
        update();
    }
}

void KeyButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    if (!lit_) {
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
        return;
    }
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (marked_) {
        const int corner = std::max(4, std::min(width(), height()) / 4);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::Highlight));
        painter.drawPolygon(
            QPolygon({QPoint(width() - corner, 0), QPoint(width(), 0), QPoint(width(), corner)}));
    }
}

}  // namespace quillon::qt
