#pragma once

#include <QPixmap>
#include <QWidget>

namespace quillon::qt {

// Image1: draws its picture stretched to its own size, with a thin border on top.
class PictureBox : public QWidget {
  public:
    explicit PictureBox(QWidget* parent) : QWidget(parent) {}
    void SetPicture(const QPixmap& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

// Image2(k): an invisible area in front of the picture that takes its clicks.
class HotSpot : public QWidget {
    Q_OBJECT
  public:
    explicit HotSpot(QWidget* parent) : QWidget(parent) {}

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace quillon::qt
