#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <cstdint>

#include "model/menu/VoiceMenu.h"

namespace quillon::qt {

// The menu picture: draws its page stretched to its own size, with a thin border on top. Screen
// readers know it as a graphic.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent);
    void ShowPage(int16_t page);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Loaded when first drawn: most runs never open most pages, and the window shows sooner. By
    // size (as drawn, and twice that for scaled displays), then by page number.
    std::array<std::array<QPixmap, kPageCount + 1>, 2> pages_;
    int16_t page_ = kMainPage;
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
