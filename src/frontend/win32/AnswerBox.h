#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace quillon::win32 {

// The id of the first answer's button; each next answer's is one more.
constexpr int kFirstAnswerId = 100;

// A question with a button for each of `answers`, named for what it does: a task dialog of the
// common controls the program has loaded. Enter presses the one at `defaultAnswer`. The index of
// the button pressed; nothing when the box is closed without an answer (Esc, its close button).
std::optional<size_t> RunAnswerBox(HWND owner, const std::string& question,
                                   const std::string& title,
                                   const std::vector<std::string>& answers, size_t defaultAnswer);

}  // namespace quillon::win32
