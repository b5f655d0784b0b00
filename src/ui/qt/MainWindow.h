#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QTimer>
#include <array>
#include <memory>

#include "app/Form.h"
#include "ui/View.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace quillon::qt {

class PictureBox;
class HotSpot;
class SearchProgressWindow;

// Form1 in Qt: builds every control from the layout tables, forwards every event to the form,
// and carries out the operations the form asks of the window.
class MainWindow : public QMainWindow, public View {
  public:
    MainWindow();
    ~MainWindow() override;

    // The start-up sequence; false when the program has to end without showing the window.
    bool Load();

    Form& TheForm() { return form_; }

    // View
    void List1Clear() override;
    void List1Append(const std::string& text) override;
    int16_t List1Count() const override;
    int16_t List1SelectedIndex() const override;
    std::string List1Text(int16_t index) const override;
    void List1Remove(int16_t index) override;
    void Label1SetCaption(const std::string& text) override;
    void Label3SetCaption(const std::string& text) override;
    void Image1ShowPage(int16_t page) override;
    std::string Command1Caption(int16_t index) const override;
    void Command1SetVisible(int16_t index, bool visible) override;
    void Command3SetEnabled(bool enabled) override;
    void ShowMessageBox(const std::string& text, const std::string& title) override;
    std::string ShowInputBox(const std::string& prompt, const std::string& title,
                             const std::string& defaultAnswer) override;
    bool ReportSearchProgress(const SearchProgress& progress) override;
    void EndSearchProgress() override;
    void EndProgram() override;

  private:
    void BuildControls(QWidget* client);
    void BuildMenu();

    QListWidget* list1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label3_ = nullptr;
    QPushButton* command3_ = nullptr;
    PictureBox* image1_ = nullptr;
    std::array<QPushButton*, 23> command1_{};
    std::array<HotSpot*, 8> image2_{};
    std::array<QPixmap, 8> pages_;  // the page holders, by page number 1..7
    QTimer timer1_;
    QTimer timer2_;
    std::unique_ptr<SearchProgressWindow> progress_;
    Form form_{*this};
};

}  // namespace quillon::qt
