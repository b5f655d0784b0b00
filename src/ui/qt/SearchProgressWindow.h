#pragma once

#include <QDialog>

class QLabel;

namespace quillon {
struct SearchProgress;
}

namespace quillon::qt {

// Shown while a drive search walks: the drive, how far it got, and a way out.
class SearchProgressWindow : public QDialog {
  public:
    SearchProgressWindow();

    // Shows the progress and lets the window react; false once the user has cancelled.
    bool Update(const SearchProgress& progress);

  private:
    QLabel* root_;
    QLabel* count_;
    QLabel* folder_;
    bool cancelled_ = false;
};

}  // namespace quillon::qt
