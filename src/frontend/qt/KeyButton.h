#pragma once

#include <QPushButton>

namespace quillon::qt {

// A key of the on-screen keypad: a push button whose caption may use the whole face, as the
// keys are too small for the style's margins. An unlit key (the blink's dark phase) shows only
// the frame behind it, and its focus mark while it has the focus; it keeps the focus and stays
// where a screen reader found it. A key the game binds by itself is marked by a corner in the
// highlight colour, in proportion to the key at any scale.
class KeyButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

    void SetLit(bool lit);
    bool IsLit() const { return lit_; }
    void SetMarked(bool marked);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool lit_ = true;
    bool marked_ = false;
};

}  // namespace quillon::qt
