#pragma once

#include <QPushButton>

namespace quillon::qt {

// A key of the on-screen keypad: a push button whose caption may use the whole face, as the
// keys are too small for the style's margins.
class KeyButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quillon::qt
