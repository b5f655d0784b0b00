// The boxes the window opens for the form: a message, the questions answered yes or no, a typed
// answer, the folder chooser and the drive search's progress (a choice among several is in
// ChoiceBox.cpp).
#include "FolderChooser.h"
#include "InputBox.h"
#include "MainWindow.h"
#include "SearchProgressWindow.h"
#include "platform/WideText.h"

namespace quillon::win32 {

void MainWindow::ShowMessageBox(const std::string& text, const std::string& title) {
    MessageBoxW(BoxOwner(), WideFromText(text).c_str(), WideFromText(title).c_str(), MB_OK);
}

std::optional<std::string> MainWindow::AskForText(const std::string& prompt,
                                                  const std::string& title,
                                                  const std::string& text) {
    const std::optional<std::wstring> typed =
        RunInputBox(BoxOwner(), WideFromText(prompt), WideFromText(title), WideFromText(text));
    return typed ? std::optional(TextFromWide(*typed)) : std::nullopt;
}

bool MainWindow::AskYesNo(const std::string& question, const std::string& title) {
    return MessageBoxW(BoxOwner(), WideFromText(question).c_str(), WideFromText(title).c_str(),
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1) == IDYES;
}

View::Answer MainWindow::AskYesNoCancel(const std::string& question, const std::string& title) {
    switch (MessageBoxW(BoxOwner(), WideFromText(question).c_str(), WideFromText(title).c_str(),
                        MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            return Answer::Yes;
        case IDNO:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::optional<std::string> MainWindow::ChooseFolder(const std::string& title,
                                                    const std::string& start) {
    const std::optional<std::wstring> chosen =
        RunFolderChooser(BoxOwner(), WideFromText(title), WideFromText(start));
    return chosen ? std::optional(TextFromWide(*chosen)) : std::nullopt;
}

std::unique_ptr<SearchProgressDisplay> MainWindow::OpenSearchProgress() {
    return std::make_unique<SearchProgressWindow>(BoxOwner());
}

}  // namespace quillon::win32
