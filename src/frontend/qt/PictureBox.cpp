#include "PictureBox.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

#include "app/Layout.h"

namespace quillon::qt {
namespace {

QAccessibleInterface* AccessibleGraphic(const QString& className, QObject* object) {
    if (className == QLatin1String(PictureBox::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    for (std::vector<QPixmap>& pictures : pictures_) {
        pictures.resize(static_cast<size_t>(layout::PictureCount()) + 1);
    }
    static const bool installed = (QAccessible::installFactory(AccessibleGraphic), true);
    static_cast<void>(installed);
}

void PictureBox::ShowPicture(int16_t picture) {
    if (picture != picture_) {
        picture_ = picture;
        update();
    }
}

void PictureBox::paintEvent(QPaintEvent*) {
    const bool larger = devicePixelRatioF() > 1;
    QPixmap& picture = pictures_.at(larger ? 1 : 0).at(static_cast<size_t>(picture_));
    if (picture.isNull()) {
        picture = QPixmap(QString(":/pages/page%1%2.png").arg(picture_).arg(larger ? "@2x" : ""));
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
