#pragma once

#include <QPixmap>
#include <QWidget>

namespace quillon::qt {

// The menu picture: draws its page stretched to its own size, with a thin border on top.
class PictureBox : public QWidget {
  public:
    explicit PictureBox(QWidget* parent) : QWidget(parent) {}
    void SetPicture(const QPixmap& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

// A line of the menu picture: an invisible area in front of it that takes the clicks on the line.
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
