#include "MainWindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include "Fonts.h"
#include "PictureBox.h"
#include "SearchProgressWindow.h"
#include "ui/Layout.h"
#include "voicemenu/Catalogue.h"

namespace quillon::qt {
namespace {

QString Text(const std::string& text) {
    return QString::fromUtf8(text.c_str());
}
QString Text(const char* text) {
    return QString::fromUtf8(text);
}

QRect Geometry(const layout::Rect& rect) {
    return {rect.x, rect.y, rect.width, rect.height};
}

QWidget* Create(const layout::Control& control, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (control.kind) {
        case layout::ControlKind::Button:
            widget = new QPushButton(Text(control.caption), parent);
            break;
        case layout::ControlKind::ListBox:
            widget = new QListWidget(parent);
            break;
        case layout::ControlKind::Label: {
            auto* label = new QLabel(Text(control.caption), parent);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(control.centred ? Qt::AlignCenter : Qt::AlignLeft);
            if (control.border) {
                label->setFrameStyle(QFrame::Box | QFrame::Plain);
            }
            widget = label;
            break;
        }
        case layout::ControlKind::Frame:
            widget = new QGroupBox(Text(control.caption), parent);
            break;
        case layout::ControlKind::Picture:
            widget = new PictureBox(parent);
            break;
    }
    widget->setObjectName(Text(control.name));
    widget->setGeometry(Geometry(control.rect));
    widget->setFont(FontFor(control.font, widget->font()));
    return widget;
}

}  // namespace

MainWindow::MainWindow() {
    setWindowTitle(Text(layout::kTitle));
    setWindowIcon(QIcon(QPixmap(":/icon.bmp")));
    for (int16_t page = 1; page <= kPageCount; ++page) {
        pages_[page] = QPixmap(QString(":/pages/%1.bmp").arg(Text(PageHolderName(page))));
    }

    auto* client = new QWidget(this);
    client->setFixedSize(layout::kClientWidth, layout::kClientHeight);
    // The layout was drawn for an 8 pt system font; larger default fonts would not fit.
    QFont standard = client->font();
    standard.setPointSizeF(8);
    client->setFont(standard);
    setCentralWidget(client);
    BuildControls(client);
    BuildMenu();
    setFixedSize(sizeHint());

    connect(&timer1_, &QTimer::timeout, this, [this] { form_.Timer1_Timer(); });
    connect(&timer2_, &QTimer::timeout, this, [this] { form_.Timer2_Timer(); });
    timer1_.start(layout::kTimer1Interval);
    timer2_.start(layout::kTimer2Interval);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls(QWidget* client) {
    std::vector<std::pair<int, QWidget*>> focusOrder;
    for (const layout::Control& control : layout::kWindowControls) {
        QWidget* widget = Create(control, client);
        if (control.kind == layout::ControlKind::Button ||
            control.kind == layout::ControlKind::ListBox) {
            focusOrder.emplace_back(control.tabIndex, widget);
        }
    }
    list1_ = client->findChild<QListWidget*>("List1");
    label1_ = client->findChild<QLabel*>("Label1");
    command3_ = client->findChild<QPushButton*>("Command3");
    image1_ = client->findChild<PictureBox*>("Image1");
    image1_->SetPicture(pages_[kMainPage]);
    connect(client->findChild<QPushButton*>("Command2"), &QPushButton::clicked, this,
            [this] { form_.Command2_Click(); });
    connect(command3_, &QPushButton::clicked, this, [this] { form_.Command3_Click(); });
    connect(client->findChild<QPushButton*>("Command4"), &QPushButton::clicked, this,
            [this] { form_.Command4_Click(); });

    // Created in index order, so that a higher index lies in front.
    for (int16_t k = 0; k < kLinesPerPage; ++k) {
        image2_[k] = new HotSpot(client);
        image2_[k]->setObjectName(QString("Image2_%1").arg(k));
        image2_[k]->setGeometry(Geometry(layout::kHotSpots[k]));
        connect(image2_[k], &HotSpot::clicked, this, [this, k] { form_.Image2_Click(k); });
    }

    QWidget* frame = Create(layout::kFrame1, client);
    for (const layout::Control& control : layout::kFrameControls) {
        Create(control, frame);
    }
    label3_ = frame->findChild<QLabel*>("Label3");
    for (int16_t i = 0; i < static_cast<int16_t>(layout::kKeypad.size()); ++i) {
        const layout::KeypadButton& key = layout::kKeypad[i];
        auto* button = new QPushButton(frame);
        button->setObjectName(QString("Command1_%1").arg(i));
        button->setGeometry(Geometry(key.rect));
        button->setFont(FontFor(key.font, button->font()));
        button->setStyleSheet("padding: 0px");
        // A caption too wide for its key is shown on two lines, as on a real keypad.
        QString caption = Text(key.caption);
        if (button->fontMetrics().horizontalAdvance(caption) > key.rect.width - 4) {
            caption.replace(' ', '\n');
        }
        button->setText(caption);
        connect(button, &QPushButton::clicked, this, [this, i] { form_.Command1_Click(i); });
        command1_[i] = button;
        focusOrder.emplace_back(key.tabIndex, button);
    }

    // No default button: Enter presses a button only while it has the focus.
    for (QPushButton* button : client->findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
        button->setDefault(false);
    }
    std::sort(focusOrder.begin(), focusOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < focusOrder.size(); ++i) {
        setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    }
    focusOrder.front().second->setFocus();
}

void MainWindow::BuildMenu() {
    QMenu* file = menuBar()->addMenu(Text(layout::kFileMenu.caption));
    file->setObjectName(Text(layout::kFileMenu.name));
    QAction* exportScript = file->addAction(Text(layout::kExportItem.caption));
    exportScript->setObjectName(Text(layout::kExportItem.name));
    exportScript->setShortcut(QKeySequence(Text(layout::kExportItem.shortcut)));
    connect(exportScript, &QAction::triggered, this, [this] { form_.mnuexport_Click(); });
}

bool MainWindow::Load() {
    return form_.Form_Load();
}

void MainWindow::List1Clear() {
    list1_->clear();
}

void MainWindow::List1Append(const std::string& text) {
    list1_->addItem(Text(text));
}

int16_t MainWindow::List1Count() const {
    return static_cast<int16_t>(list1_->count());
}

int16_t MainWindow::List1SelectedIndex() const {
    const QList<QListWidgetItem*> selected = list1_->selectedItems();
    return selected.isEmpty() ? int16_t{-1} : static_cast<int16_t>(list1_->row(selected.front()));
}

std::string MainWindow::List1Text(int16_t index) const {
    const QListWidgetItem* item = list1_->item(index);
    return item != nullptr ? item->text().toStdString() : std::string();
}

void MainWindow::List1Remove(int16_t index) {
    delete list1_->takeItem(index);
}

void MainWindow::Label1SetCaption(const std::string& text) {
    label1_->setText(Text(text));
}

void MainWindow::Label3SetCaption(const std::string& text) {
    label3_->setText(Text(text));
}

void MainWindow::Image1ShowPage(int16_t page) {
    if (page >= 1 && page <= kPageCount) {
        image1_->SetPicture(pages_[page]);
    }
}

std::string MainWindow::Command1Caption(int16_t index) const {
    return command1_.at(index)->text().replace('\n', ' ').toStdString();
}

void MainWindow::Command1SetVisible(int16_t index, bool visible) {
    command1_.at(index)->setVisible(visible);
}

void MainWindow::Command3SetEnabled(bool enabled) {
    command3_->setEnabled(enabled);
}

void MainWindow::ShowMessageBox(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, Text(title), Text(text), QMessageBox::Ok, this);
    box.exec();
}

std::string MainWindow::ShowInputBox(const std::string& prompt, const std::string& title,
                                     const std::string& defaultAnswer) {
    QInputDialog box(this);
    box.setWindowTitle(Text(title));
    box.setLabelText(Text(prompt));
    box.setTextValue(Text(defaultAnswer));
    // The drive and class prompts are long sentences: wrap them instead of a very wide box.
    for (QLabel* label : box.findChildren<QLabel*>()) {
        label->setWordWrap(true);
    }
    return box.exec() == QDialog::Accepted ? box.textValue().toStdString() : std::string();
}

bool MainWindow::ReportSearchProgress(const SearchProgress& progress) {
    if (!progress_) {
        progress_ = std::make_unique<SearchProgressWindow>();
    }
    return progress_->Update(progress);
}

void MainWindow::EndSearchProgress() {
    progress_.reset();
}

void MainWindow::EndProgram() {
    QApplication::exit(0);
}

}  // namespace quillon::qt
