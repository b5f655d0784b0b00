#pragma once

#include <string>
#include <utility>

namespace quillon {

// The outcome of a step that can fail: success, or a failure with the message that says why.
class [[nodiscard]] Outcome {
  public:
    static Outcome Success() { return Outcome(true, {}, false); }
    static Outcome Failure(std::string message) {
        return Outcome(false, std::move(message), false);
    }
    // A failure because the user may not do it: somebody with more rights, or another place,
    // could succeed.
    static Outcome Refusal(std::string message) { return Outcome(false, std::move(message), true); }
    // The same failure, in other words.
    Outcome Saying(std::string message) const {
        return Outcome(succeeded_, std::move(message), refused_);
    }

    bool Succeeded() const { return succeeded_; }
    bool Refused() const { return refused_; }
    // Why the step failed; empty on success.
    const std::string& Message() const { return message_; }

  private:
    Outcome(bool succeeded, std::string message, bool refused)
        : succeeded_(succeeded), refused_(refused), message_(std::move(message)) {}

    bool succeeded_;
    bool refused_;
    std::string message_;
};

}  // namespace quillon
