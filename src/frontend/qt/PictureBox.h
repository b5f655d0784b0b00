#pragma once

#include <QPixmap>
#include <QWidget>
#include <cstdint>
#include <vector>

namespace quillon::qt {

// The menu picture: draws the picture of a page stretched to its own size, with a thin border on
// top. Screen readers know it as a graphic.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent);
    // Picture 1 and on; see layout::PictureNumber.
    void ShowPicture(int16_t picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Loaded when first drawn, at the size shown: most runs never open most pages, and the
    // window shows sooner. By picture number.
    std::vector<QPixmap> pictures_;
    int16_t picture_ = 1;
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
