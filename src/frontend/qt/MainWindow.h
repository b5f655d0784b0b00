#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <map>
#include <memory>

#include "SoundPlayer.h"
#include "app/Form.h"
#include "app/Layout.h"
#include "app/View.h"

class QLabel;
class QMenu;
class QListWidget;
class QPushButton;

namespace quillon::qt {

class HotSpot;
class KeyButton;
class PictureBox;

// The main window in Qt: builds every control from the layout tables, forwards every event to
// the form, and carries out what the form tells the view.
class MainWindow : public QMainWindow, public View {
  public:
    // `environment` is where the form learns of the machine and the user.
    explicit MainWindow(const Environment& environment);
    ~MainWindow() override;

    Form& TheForm() { return form_; }
    // At the place the window had when it was last closed, on a display, and beside the windows
    // of the working folder that opened there before it once the form has started.
    void PlaceWhereItWas();

    // View
    void ShowAssignments(const std::vector<std::string>& lines) override;
    void AppendAssignment(const std::string& line) override;
    void RemoveAssignment(int16_t index) override;
    void ReplaceAssignment(int16_t index, const std::string& line) override;
    void SetPrompt(const std::string& text) override;
    void ShowStatus(const std::string& text) override;
    void ShowGame(Game game) override;
    void ShowPage(int16_t page) override;
    void SetCancelEnabled(bool enabled) override;
    void SetMenuItemChecked(layout::Command command, bool checked) override;
    void SetKeyLit(int16_t key, bool lit) override;
    void ShowCurrentKey(const std::string& caption) override;
    void ShowGameBinding(int16_t key, const std::string& description) override;
    void SetSpokenText(layout::Role role, const std::string& text) override;
    void DescribeAssignments(const std::vector<std::string>& descriptions) override;
    Status PlaySound(const PcmSound& sound) override;
    void ShowMessageBox(const std::string& text, const std::string& title) override;
    std::optional<std::string> AskForText(const std::string& prompt, const std::string& title,
                                          const std::string& text) override;
    std::optional<size_t> ChooseAmong(const std::string& question, const std::string& title,
                                      const std::vector<std::string>& choices) override;
    bool AskYesNo(const std::string& question, const std::string& title) override;
    Answer AskYesNoCancel(const std::string& question, const std::string& title) override;
    std::optional<size_t> AskChoice(const std::string& question, const std::string& title,
                                    const std::vector<std::string>& answers,
                                    size_t defaultAnswer) override;
    std::optional<std::string> ChooseFolder(const std::string& title,
                                            const std::string& start) override;
    std::unique_ptr<SearchProgressDisplay> OpenSearchProgress() override;
    void CloseWindow() override;
    void EndProgram() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls(QWidget* client);
    void BuildStatusBar(const QFont& font);
    void BuildWindowKeys();  // the digits of the menu lines
    void BuildKeypad(QWidget* frame, std::vector<std::pair<int, QWidget*>>& focusOrder);
    void BuildMenu();
    void AddMenuItem(QMenu* menu, const layout::MenuItem& item);
    int16_t SelectedAssignment() const;

    QListWidget* assignments_ = nullptr;
    QLabel* prompt_ = nullptr;
    QLabel* status_ = nullptr;  // in the status bar
    QLabel* currentKey_ = nullptr;
    QPushButton* cancel_ = nullptr;
    PictureBox* menuPicture_ = nullptr;
    std::array<HotSpot*, kMostLinesPerPage> menuLines_{};
    Game game_ = Game::ReturnToCastleWolfenstein;
    std::map<layout::Command, QAction*> menuActions_;
    std::array<KeyButton*, kKeyCount> keypad_{};
    QTimer menuTimer_;
    QTimer blinkTimer_;
    std::string userFolder_;  // the user's folder for Quillon, which keeps the window's place
    SoundPlayer sound_;
    Form form_;
};

}  // namespace quillon::qt
