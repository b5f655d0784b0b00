#pragma once

#include <QDialog>

#include "app/View.h"

class QLabel;

namespace quillon::qt {

// Shown while a drive search walks: the drive, how far it got, and a way out.
class SearchProgressWindow : public QDialog, public SearchProgressDisplay {
  public:
    SearchProgressWindow();

    bool Show(const SearchProgress& progress) override;

  private:
    QLabel* root_;
    QLabel* count_;
    QLabel* folder_;
    bool cancelled_ = false;
};

}  // namespace quillon::qt
