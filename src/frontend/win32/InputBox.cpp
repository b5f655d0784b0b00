#include "InputBox.h"

#include "PromptedBox.h"

namespace quillon::win32 {
namespace {

class AnswerField : public BoxField {
  public:
    explicit AnswerField(const std::wstring& defaultAnswer) : defaultAnswer_(defaultAnswer) {}

    void Fill(HWND edit) override {
        SetWindowTextW(edit, defaultAnswer_.c_str());
        SendMessageW(edit, EM_SETSEL, 0, -1);
    }
    bool Take(HWND edit) override {
        answer = ControlText(edit);
        return true;
    }

    std::wstring answer;

  private:
    const std::wstring& defaultAnswer_;
};

}  // namespace

std::optional<std::wstring> RunInputBox(HWND owner, const std::wstring& prompt,
                                        const std::wstring& title,
                                        const std::wstring& defaultAnswer) {
    constexpr BoxShape kShape{260, 34, DialogClass::Edit, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                              12};
    AnswerField field(defaultAnswer);
    return RunPromptedBox(owner, prompt, title, kShape, field) ? std::optional(field.answer)
                                                               : std::nullopt;
}

}  // namespace quillon::win32
