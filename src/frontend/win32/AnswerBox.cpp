#include "AnswerBox.h"

#include <commctrl.h>

#include "MainWindow.h"
#include "platform/WideText.h"

namespace quillon::win32 {
namespace {

using TaskDialogFunction = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

}  // namespace

std::optional<size_t> RunAnswerBox(HWND owner, const std::string& question,
                                   const std::string& title,
                                   const std::vector<std::string>& answers, size_t defaultAnswer) {
    // Looked up in the common controls already loaded (version 6, through the manifest), so that
    // the program does not need the function to start.
    const auto taskDialog = reinterpret_cast<TaskDialogFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "TaskDialogIndirect")));
    const std::wstring text = WideFromText(question);
    const std::wstring caption = WideFromText(title);
    std::vector<std::wstring> names;
    for (const std::string& answer : answers) {
        names.push_back(WideFromText(answer));
    }
    if (taskDialog == nullptr) {
        // Without the common controls' box, a plain one whose buttons are in the same order.
        const int pressed =
            MessageBoxW(owner, text.c_str(), caption.c_str(),
                        (answers.size() > 2 ? MB_YESNOCANCEL : MB_YESNO) | MB_ICONQUESTION |
                            (defaultAnswer == 1   ? MB_DEFBUTTON2
                             : defaultAnswer == 2 ? MB_DEFBUTTON3
                                                  : MB_DEFBUTTON1));
        return pressed == IDYES                            ? std::optional<size_t>(0)
               : pressed == IDNO                           ? std::optional<size_t>(1)
               : pressed == IDCANCEL && answers.size() > 2 ? std::optional<size_t>(2)
                                                           : std::nullopt;
    }
    std::vector<TASKDIALOG_BUTTON> buttons;
    for (size_t at = 0; at < names.size(); ++at) {
        buttons.push_back({kFirstAnswerId + static_cast<int>(at), names[at].c_str()});
    }
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof config;
    config.hwndParent = owner;
    // Esc and the close button end it as IDCANCEL, which is no answer.
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.pszWindowTitle = caption.c_str();
    config.pszContent = text.c_str();
    config.cButtons = static_cast<UINT>(buttons.size());
    config.pButtons = buttons.data();
    config.nDefaultButton = kFirstAnswerId + static_cast<int>(defaultAnswer);
    int pressed = 0;
    if (FAILED(taskDialog(&config, &pressed, nullptr, nullptr)) || pressed < kFirstAnswerId ||
        pressed >= kFirstAnswerId + static_cast<int>(buttons.size())) {
        return std::nullopt;
    }
    return static_cast<size_t>(pressed - kFirstAnswerId);
}

std::optional<size_t> MainWindow::AskChoice(const std::string& question, const std::string& title,
                                            const std::vector<std::string>& answers,
                                            size_t defaultAnswer) {
    return RunAnswerBox(BoxOwner(), question, title, answers, defaultAnswer);
}

}  // namespace quillon::win32
