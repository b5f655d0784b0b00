#pragma once

#include <string>
#include <utility>

namespace quillon {

// The outcome of a step that can fail: success, or a failure with the message that says why.
class [[nodiscard]] Outcome {
  public:
    static Outcome Success() { return Outcome(true, {}); }
    static Outcome Failure(std::string message) { return Outcome(false, std::move(message)); }

    bool Succeeded() const { return succeeded_; }
    // Why the step failed; empty on success.
    const std::string& Message() const { return message_; }

  private:
    Outcome(bool succeeded, std::string message)
        : succeeded_(succeeded), message_(std::move(message)) {}

    bool succeeded_;
    std::string message_;
};

}  // namespace quillon
