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
    pictures_.resize(static_cast<size_t>(layout::PictureCount()) + 1);
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
    // Brought to the box's size on the screen in one smooth step (see kPictureDrawnScale).
    const QSize shown = size() * devicePixelRatioF();
    QPixmap& picture = pictures_.at(static_cast<size_t>(picture_));
    if (picture.size() != shown) {
        // As 32-bit colour: Qt 6.4 crashes drawing a paletted picture scaled smoothly.
        picture = QPixmap::fromImage(
            QImage(":/pages/" + QString::fromStdString(layout::PictureFileName(picture_)))
                .convertToFormat(QImage::Format_RGB32)
                .scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    QPainter painter(this);
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
