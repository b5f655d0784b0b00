#include "KeyButton.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace quillon::qt {

void KeyButton::SetLit(bool lit) {
    if (lit != lit_) {
        lit_ = lit;
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
}

}  // namespace quillon::qt
