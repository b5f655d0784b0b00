#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ui/Layout.h"
#include "ui/View.h"

namespace quillon::test {

// A window made of plain fields: what the form shows is read back from them, and the answers
// to its boxes are queued by the test.
class FakeView : public View {
  public:
    std::vector<std::string> list;
    int16_t selected = -1;
    std::string label1;
    std::string label3;
    int16_t pageShown = 1;
    std::vector<bool> visible = std::vector<bool>(23, true);
    bool cancelEnabled = true;
    std::vector<std::pair<std::string, std::string>> messages;  // text, title
    std::vector<std::string> prompts;
    std::deque<std::string> answers;  // input box answers; empty text when none is queued
    std::function<void()> whileInputBoxOpen;
    std::function<bool(const SearchProgress&)> onProgress;
    int progressReports = 0;
    bool progressEnded = false;
    bool ended = false;

    void List1Clear() override {
        list.clear();
        selected = -1;
    }
    void List1Append(const std::string& text) override { list.push_back(text); }
    int16_t List1Count() const override { return static_cast<int16_t>(list.size()); }
    int16_t List1SelectedIndex() const override { return selected; }
    std::string List1Text(int16_t index) const override { return list.at(index); }
    void List1Remove(int16_t index) override {
        list.erase(list.begin() + index);
        selected = -1;
    }
    void Label1SetCaption(const std::string& text) override { label1 = text; }
    void Label3SetCaption(const std::string& text) override { label3 = text; }
    void Image1ShowPage(int16_t page) override { pageShown = page; }
    std::string Command1Caption(int16_t index) const override {
        return layout::kKeypad.at(index).caption;
    }
    void Command1SetVisible(int16_t index, bool shown) override { visible.at(index) = shown; }
    void Command3SetEnabled(bool enabled) override { cancelEnabled = enabled; }
    void ShowMessageBox(const std::string& text, const std::string& title) override {
        messages.emplace_back(text, title);
    }
    std::string ShowInputBox(const std::string& prompt, const std::string&,
                             const std::string&) override {
        prompts.push_back(prompt);
        if (whileInputBoxOpen) {
            whileInputBoxOpen();
        }
        if (answers.empty()) {
            return {};
        }
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool ReportSearchProgress(const SearchProgress& progress) override {
        ++progressReports;
        return onProgress ? onProgress(progress) : true;
    }
    void EndSearchProgress() override { progressEnded = true; }
    void EndProgram() override { ended = true; }
};

}  // namespace quillon::test
