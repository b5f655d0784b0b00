#include "MainWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "Fonts.h"
#include "KeyButton.h"
#include "PictureBox.h"
#include "SearchProgressWindow.h"
#include "app/Layout.h"
#include "app/Program.h"
#include "app/WindowPlace.h"
#include "app/WorkingFolder.h"
#include "model/keys/Keypad.h"
#include "model/menu/VoiceMenu.h"

namespace quillon::qt {
namespace {

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
QString Text(const char* text) {
    return QString::fromUtf8(text);
}

QKeySequence SequenceOf(const layout::KeyStroke& stroke) {
    switch (stroke.kind) {
        case layout::KeyStroke::Kind::Function:
            return QKeySequence(Qt::Key_F1 + stroke.number - 1);
        case layout::KeyStroke::Kind::Digit:
            return QKeySequence(Qt::Key_0 + stroke.number);
        case layout::KeyStroke::Kind::KeypadDigit:
            break;
    }
    return QKeySequence(Qt::KeypadModifier | (Qt::Key_0 + stroke.number));
}

ScreenRect ScreenRectOf(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

// Where the window's place is remembered for the user: quillon.conf in the user's folder for
// Quillon ($XDG_CONFIG_HOME/quillon, where Qt keeps the program's settings); where Qt chooses
// when there is none.
QSettings PlaceSettings(const std::string& userFolder) {
    return userFolder.empty() ? QSettings("quillon", "quillon")
                              : QSettings(Text(userFolder + "quillon.conf"), QSettings::IniFormat);
}
constexpr char kPlaceKey[] = "windowPlace";

QRect Geometry(const layout::Rect& rect) {
    return {rect.x, rect.y, rect.width, rect.height};
}

// The assignment list: empty, it shows its focus mark where its first line would be, as the
// style marks only a line.
class AssignmentList : public QListWidget {
  public:
    using QListWidget::QListWidget;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QListWidget::paintEvent(event);
        if (count() == 0 && hasFocus()) {
            QPainter painter(viewport());
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            // As for a line: the style marks the focus once the keyboard has moved it.
            if (window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
                focus.state |= QStyle::State_KeyboardFocusChange;
            }
            focus.rect = QRect(0, 0, viewport()->width(), fontMetrics().height() + 2);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
    void focusInEvent(QFocusEvent* event) override {
        QListWidget::focusInEvent(event);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        QListWidget::focusOutEvent(event);
        viewport()->update();
    }
};

QWidget* Create(const layout::Control& control, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (control.kind) {
        case layout::ControlKind::Button:
            widget = new QPushButton(Text(control.caption), parent);
            break;
        case layout::ControlKind::ListBox:
            widget = new AssignmentList(parent);
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

MainWindow::MainWindow(const Environment& environment)
    : userFolder_(WorkingFolderPlacesOf(environment).own),
      form_(*this, RealFileSystem(), environment) {
    setWindowTitle(Text(kProgramName));
    QIcon icon;  // at each size it is drawn at
    for (const QString& file : QDir(":/icons").entryList()) {
        icon.addFile(":/icons/" + file);
    }
    setWindowIcon(icon);

    auto* client = new QWidget(this);
    client->setFixedSize(layout::kClientWidth, layout::kClientHeight);
    // The layout was drawn for an 8 pt system font; larger default fonts would not fit.
    QFont standard = client->font();
    standard.setPointSizeF(8);
    client->setFont(standard);
    setCentralWidget(client);
    BuildControls(client);
    BuildStatusBar(standard);
    BuildMenu();
    BuildWindowKeys();
    setFixedSize(sizeHint());
    PlaceWhereItWas();

    connect(&menuTimer_, &QTimer::timeout, this, [this] { form_.OnMenuTick(); });
    connect(&blinkTimer_, &QTimer::timeout, this, [this] { form_.OnBlinkTick(); });
    // At the end of the desktop session the close question is asked too, where the session
    // manager lets a program ask.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (manager.allowsInteraction()) {
            if (!form_.OnCloseRequested()) {
                manager.cancel();
            }
            manager.release();
        }
    });
    menuTimer_.start(layout::kMenuTickInterval);
    blinkTimer_.start(layout::kBlinkInterval);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls(QWidget* client) {
    std::vector<std::pair<int, QWidget*>> focusOrder;
    const auto deleteChosenLine = [this] { form_.OnDeleteClicked(SelectedAssignment()); };
    QWidget* frame = Create(layout::ControlFor(layout::Role::KeyFrame), client);
    for (const layout::Control& control : layout::kControls) {
        if (control.role == layout::Role::KeyFrame) {
            continue;
        }
        QWidget* widget = Create(control, control.inKeyFrame ? frame : client);
        if (control.tabIndex >= 0) {
            focusOrder.emplace_back(control.tabIndex, widget);
        }
        switch (control.role) {
            case layout::Role::AssignmentList: {
                assignments_ = static_cast<QListWidget*>(widget);
                // The Delete key on the list does what the Delete command button does.
                auto* deleteKey = new QShortcut(QKeySequence::Delete, assignments_, nullptr,
                                                nullptr, Qt::WidgetShortcut);
                connect(deleteKey, &QShortcut::activated, this, deleteChosenLine);
                break;
            }
            case layout::Role::DeleteButton:
                connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                        deleteChosenLine);
                break;
            case layout::Role::HearButton:
                connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                        [this] { form_.OnHearClicked(SelectedAssignment()); });
                break;
            case layout::Role::Prompt:
                prompt_ = static_cast<QLabel*>(widget);
                break;
            case layout::Role::AssignButton:
                connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                        [this] { form_.OnAssignClicked(); });
                break;
            case layout::Role::CancelButton:
                cancel_ = static_cast<QPushButton*>(widget);
                connect(cancel_, &QPushButton::clicked, this, [this] { form_.OnCancelClicked(); });
                break;
            case layout::Role::MenuPicture:
                menuPicture_ = static_cast<PictureBox*>(widget);
                break;
            case layout::Role::CurrentKey:
                currentKey_ = static_cast<QLabel*>(widget);
                break;
            case layout::Role::KeyFrame:
            case layout::Role::CurrentKeyTitle:
                break;
        }
    }

    // Created in line order, so that a higher line lies in front; placed by ShowGame.
    for (int16_t k = 0; k < kMostLinesPerPage; ++k) {
        auto* spot = new HotSpot(client);
        const int16_t line = static_cast<int16_t>(k + 1);
        spot->setObjectName(QString("menuLine%1").arg(line));
        spot->setAccessibleName(Text(layout::MenuLineSpokenName(line)));
        connect(spot, &HotSpot::clicked, this, [this, line] { form_.OnMenuLineClicked(line); });
        menuLines_[k] = spot;
    }
    BuildKeypad(frame, focusOrder);

    // No default button: Enter presses a button only while it has the focus.
    for (QPushButton* button : client->findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
    }
    std::sort(focusOrder.begin(), focusOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < focusOrder.size(); ++i) {
        setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    }
    focusOrder.front().second->setFocus();
}

void MainWindow::BuildStatusBar(const QFont& font) {
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setFont(font);
    // A label of its own, which screen readers read; a long text is cut at the window's edge
    // rather than widening it.
    status_ = new QLabel(statusBar());
    status_->setObjectName("status");
    status_->setTextFormat(Qt::PlainText);
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(status_, 1);
}

void MainWindow::BuildKeypad(QWidget* frame, std::vector<std::pair<int, QWidget*>>& focusOrder) {
    for (int16_t key = 0; key < kKeyCount; ++key) {
        const layout::KeypadButton& place = layout::kKeypad[key];
        auto* button = new KeyButton(frame);
        button->setObjectName(QString("key%1").arg(key));
        button->setGeometry(Geometry(place.rect));
        button->setFont(FontFor(place.font, button->font()));
        button->setText(Text(layout::KeypadButtonCaption(key)));
        button->setAccessibleName(Text(SpokenKeyName(key)));
        connect(button, &QPushButton::clicked, this, [this, key] { form_.OnKeypadClicked(key); });
        keypad_[key] = button;
        focusOrder.emplace_back(place.tabIndex, button);
    }
}

void MainWindow::BuildMenu() {
    for (const layout::Menu& menu : layout::kMenus) {
        QMenu* built = menuBar()->addMenu(Text(menu.caption));
        built->setObjectName(Text(menu.name));
        for (const layout::MenuItem& item : menu.items) {
            AddMenuItem(built, item);
        }
    }
}

void MainWindow::AddMenuItem(QMenu* menu, const layout::MenuItem& item) {
    QAction* action = menu->addAction(Text(item.caption));
    action->setCheckable(item.checkable);
    menuActions_[item.command] = action;
    action->setObjectName(Text(item.name));
    if (item.shortcut) {
        action->setShortcut(SequenceOf(*item.shortcut));
    }
    connect(action, &QAction::triggered, this,
            [this, command = item.command] { form_.OnMenuCommand(command, SelectedAssignment()); });
}

void MainWindow::BuildWindowKeys() {
    for (const layout::MenuLineKey& key : layout::MenuLineKeys()) {
        auto* shortcut = new QShortcut(SequenceOf(key.stroke), this);
        connect(shortcut, &QShortcut::activated, this,
                [this, line = key.line] { form_.OnMenuLineClicked(line); });
    }
}

void MainWindow::PlaceWhereItWas() {
    std::vector<ScreenRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(ScreenRectOf(screen->availableGeometry()));
    }
    const std::optional<ScreenRect> place = OpeningPlaceAfter(
        PlaceFromText(PlaceSettings(userFolder_).value(kPlaceKey).toString().toStdString()), areas,
        form_.OtherWindowsAtStart(), style()->pixelMetric(QStyle::PM_TitleBarHeight));
    if (place) {
        move(place->left, place->top);
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (form_.OnCloseRequested()) {
        PlaceSettings(userFolder_)
            .setValue(kPlaceKey, Text(PlaceText(ScreenRectOf(frameGeometry()))));
        event->accept();
    } else {
        event->ignore();
    }
}

int16_t MainWindow::SelectedAssignment() const {
    const QList<QListWidgetItem*> selected = assignments_->selectedItems();
    return selected.isEmpty() ? int16_t{-1}
                              : static_cast<int16_t>(assignments_->row(selected.front()));
}

void MainWindow::ShowAssignments(const std::vector<std::string>& lines) {
    assignments_->clear();
    for (const std::string& line : lines) {
        assignments_->addItem(Text(line));
    }
}

void MainWindow::AppendAssignment(const std::string& line) {
    assignments_->addItem(Text(line));
}

void MainWindow::RemoveAssignment(int16_t index) {
    delete assignments_->takeItem(index);
    // Qt would move the selection to a neighbour, and a second Delete would remove that too.
    assignments_->setCurrentItem(nullptr);
}

void MainWindow::ReplaceAssignment(int16_t index, const std::string& line) {
    assignments_->item(index)->setText(Text(line));
}

void MainWindow::SetPrompt(const std::string& text) {
    prompt_->setText(Text(text));
}

void MainWindow::ShowStatus(const std::string& text) {
    status_->setText(Text(text));
    status_->setToolTip(Text(text));  // a long folder is cut at the window's edge
    status_->setAccessibleName(Text(text));
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(status_, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void MainWindow::ShowGame(Game game) {
    for (size_t k = 0; k < menuLines_.size(); ++k) {
        const layout::Rect& spot = layout::MenuLinesOf(game)[k];
        menuLines_[k]->setGeometry(Geometry(spot));
        menuLines_[k]->setVisible(spot.height > 0);
    }
    game_ = game;
}

void MainWindow::ShowPage(int16_t page) {
    menuPicture_->ShowPicture(layout::PictureNumber(game_, page));
}

void MainWindow::SetCancelEnabled(bool enabled) {
    cancel_->setEnabled(enabled);
}

void MainWindow::SetMenuItemChecked(layout::Command command, bool checked) {
    menuActions_.at(command)->setChecked(checked);
}

void MainWindow::SetKeyLit(int16_t key, bool lit) {
    keypad_.at(key)->SetLit(lit);
}

void MainWindow::ShowCurrentKey(const std::string& caption) {
    currentKey_->setText(Text(caption));
}

void MainWindow::ShowGameBinding(int16_t key, const std::string& description) {
    KeyButton* button = keypad_.at(key);
    button->setToolTip(Text(description));
    button->setAccessibleDescription(Text(description));
    button->SetMarked(!description.empty());
}

void MainWindow::SetSpokenText(layout::Role role, const std::string& text) {
    auto* control = centralWidget()->findChild<QWidget*>(Text(layout::ControlFor(role).name));
    control->setAccessibleName(Text(text));
    // A listening screen reader is told; without one, telling would only load plugins.
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(control, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void MainWindow::DescribeAssignments(const std::vector<std::string>& descriptions) {
    for (int k = 0; k < assignments_->count() && k < static_cast<int>(descriptions.size()); ++k) {
        QListWidgetItem* line = assignments_->item(k);
        line->setToolTip(Text(descriptions[static_cast<size_t>(k)]));
        line->setData(Qt::AccessibleDescriptionRole, Text(descriptions[static_cast<size_t>(k)]));
    }
}

Status MainWindow::PlaySound(const PcmSound& sound) {
    return sound_.Play(sound);
}

void MainWindow::ShowMessageBox(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, Text(title), Text(text), QMessageBox::Ok, this);
    box.exec();
}

std::optional<std::string> MainWindow::AskForText(const std::string& prompt,
                                                  const std::string& title,
                                                  const std::string& text) {
    QInputDialog box(this);
    box.setWindowTitle(Text(title));
    box.setLabelText(Text(prompt));
    box.setTextValue(Text(text));
    // The prompts are long sentences: wrap them instead of a very wide box.
    for (QLabel* label : box.findChildren<QLabel*>()) {
        label->setWordWrap(true);
    }
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.textValue().toStdString();
}

std::optional<size_t> MainWindow::ChooseAmong(const std::string& question, const std::string& title,
                                              const std::vector<std::string>& choices) {
    QStringList items;
    for (const std::string& choice : choices) {
        items << Text(choice);
    }
    QInputDialog box(this);
    box.setWindowTitle(Text(title));
    box.setLabelText(Text(question));
    box.setOption(QInputDialog::UseListViewForComboBoxItems);
    box.setComboBoxItems(items);
    box.setComboBoxEditable(false);
    box.setTextValue(items.value(0));  // the first chosen, as the keys go on from it
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const qsizetype chosen = items.indexOf(box.textValue());
    return chosen < 0 ? std::nullopt : std::optional(static_cast<size_t>(chosen));
}

bool MainWindow::AskYesNo(const std::string& question, const std::string& title) {
    QMessageBox box(QMessageBox::Question, Text(title), Text(question),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

View::Answer MainWindow::AskYesNoCancel(const std::string& question, const std::string& title) {
    QMessageBox box(QMessageBox::Question, Text(title), Text(question),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::optional<size_t> MainWindow::AskChoice(const std::string& question, const std::string& title,
                                            const std::vector<std::string>& answers,
                                            size_t defaultAnswer) {
    QMessageBox box(QMessageBox::Question, Text(title), Text(question), QMessageBox::NoButton,
                    this);
    std::vector<QPushButton*> buttons;
    for (const std::string& answer : answers) {
        buttons.push_back(box.addButton(Text(answer), QMessageBox::ActionRole));
    }
    box.setDefaultButton(buttons.at(defaultAnswer));
    // Esc and the close button press this one, which is no answer and is never shown.
    QPushButton* closed = box.addButton(QMessageBox::Cancel);
    closed->hide();
    box.setEscapeButton(closed);
    box.exec();
    const auto pressed = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return pressed == buttons.end() ? std::nullopt
                                    : std::optional(static_cast<size_t>(pressed - buttons.begin()));
}

std::optional<std::string> MainWindow::ChooseFolder(const std::string& title,
                                                    const std::string& start) {
    QFileDialog chooser(this, Text(title), Text(start));
    chooser.setObjectName("folderChooser");
    chooser.setFileMode(QFileDialog::Directory);
    chooser.setOption(QFileDialog::ShowDirsOnly);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return chooser.selectedFiles().front().toStdString();
}

std::unique_ptr<SearchProgressDisplay> MainWindow::OpenSearchProgress() {
    return std::make_unique<SearchProgressWindow>();
}

void MainWindow::CloseWindow() {
    close();
}

void MainWindow::EndProgram() {
    QApplication::exit(0);
}

}  // namespace quillon::qt
