#pragma once

#include <string>
#include <utility>

namespace quillon {

// What kind of failure a step met: the kind decides what the program does next (try another
// place, wait, ask again), the message says it to the player.
enum class ErrorKind {
    None,          // no failure
    Missing,       // no such file or folder
    Denied,        // no right to do it: somebody with more rights, or another place, could succeed
    OutOfHandles,  // the process may open no more files just now
    Busy,          // another holds it
    Unsuitable,    // it is there, but of a kind or size that cannot be used
    Other,
};

// The result of a step that can fail: success, or the kind of failure and its message, in the
// system's own words where the system gave any. It has to be looked at.
class [[nodiscard]] Status {
  public:
    Status() = default;
    static Status Success() { return {}; }
    static Status Failure(ErrorKind kind, std::string message) {
        return Status(kind == ErrorKind::None ? ErrorKind::Other : kind, std::move(message));
    }

    bool Ok() const { return kind_ == ErrorKind::None; }
    ErrorKind Kind() const { return kind_; }
    // Why the step failed; empty on success.
    const std::string& Message() const { return message_; }
    // The same failure, in other words.
    Status Saying(std::string message) const { return Status(kind_, std::move(message)); }

  private:
    Status(ErrorKind kind, std::string message) : kind_(kind), message_(std::move(message)) {}

    ErrorKind kind_ = ErrorKind::None;
    std::string message_;
};

// The value a step gives when it succeeds, with its status; on failure the value is the empty
// one of its type. Taken as a plain Status it keeps only the status: a value that holds something
// (a lock, an open file) goes when the Result goes.
template <typename Value>
class [[nodiscard]] Result : public Status {
  public:
    Result(Value value) : value_(std::move(value)) {}
    Result(Status failure) : Status(std::move(failure)) {}

    const Value& Get() const { return value_; }
    Value& Get() { return value_; }

  private:
    Value value_{};
};

}  // namespace quillon
