#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillon::qt {

void PictureBox::ShowPage(int16_t page) {
    if (page != page_) {
        page_ = page;
        update();
    }
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPixmap& picture = pages_.at(page_);
    if (picture.isNull()) {
        picture = QPixmap(QString(":/pages/page%1.bmp").arg(page_));
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture);
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
