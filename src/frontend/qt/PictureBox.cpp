#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillon::qt {

void PictureBox::SetPicture(const QPixmap& picture) {
    if (picture.cacheKey() != picture_.cacheKey()) {
        picture_ = picture;
        update();
    }
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// A click is a press and a release on the spot, as with buttons.
void HotSpot::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace quillon::qt
