#include "SearchProgressWindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Program.h"

namespace quillon::qt {

SearchProgressWindow::SearchProgressWindow()
    : root_(new QLabel(this)), count_(new QLabel(this)), folder_(new QLabel(this)) {
    setObjectName("searchProgress");
    setWindowTitle(QString::fromUtf8(kProgramName));
    setWindowModality(Qt::ApplicationModal);
    folder_->setMinimumWidth(420);
    folder_->setTextFormat(Qt::PlainText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { cancelled_ = true; });
    auto* column = new QVBoxLayout(this);
    column->addWidget(root_);
    column->addWidget(count_);
    column->addWidget(folder_);
    column->addWidget(buttons);
}

bool SearchProgressWindow::Show(const SearchProgress& progress) {
    root_->setText(QString::fromUtf8(progress.SearchingLine().c_str()));
    count_->setText(QString::fromUtf8(progress.WalkedLine().c_str()));
    const QString folder = QString::fromUtf8(progress.currentFolder.c_str());
    folder_->setText(folder_->fontMetrics().elidedText(folder, Qt::ElideMiddle, folder_->width()));
    if (!isVisible()) {
        show();
    }
    QApplication::processEvents();
    return !cancelled_;
}

}  // namespace quillon::qt
