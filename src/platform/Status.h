#pragma once

#include <cstdint>
#include <memory>
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

// What the program itself found wrong where the system refused nothing; the player's words for
// it are the app's.
enum class Finding {
    None,               // the message says it, in the system's words
    Folder,             // a folder where a file was to be read
    NotRegularFile,     // a pipe, a device or the like where a file was to be read
    LargerThanLimit,    // a file larger than the reader takes: Limit()
    LinkToNoFile,       // a link to replace through that leads to no regular file
    NoNewFileBeside,    // no file could be made beside the one to replace: Cause()
    DiskTookNoMore,     // a write that took nothing and gave no error
    NotReadBack,        // the file just put in place could not be read: Cause()
    ReplacedMeanwhile,  // another program put its own file in place at the same moment
};

// The result of a step that can fail: success, or the kind of failure and either its message, in
// the system's own words where the system gave any, or what the program found. It has to be
// looked at.
class [[nodiscard]] Status {
  public:
    Status() = default;
    static Status Success() { return {}; }
    static Status Failure(ErrorKind kind, std::string message) {
        return Status(kind == ErrorKind::None ? ErrorKind::Other : kind, std::move(message));
    }
    static Status Found(ErrorKind kind, Finding finding, uint64_t limit = 0) {
        Status found = Failure(kind, {});
        found.finding_ = finding;
        found.limit_ = limit;
        return found;
    }
    // A finding that another failure led to.
    static Status Found(ErrorKind kind, Finding finding, const Status& cause) {
        Status found = Found(kind, finding);
        found.cause_ = std::make_shared<const Status>(cause);
        return found;
    }

    bool Ok() const { return kind_ == ErrorKind::None; }
    ErrorKind Kind() const { return kind_; }
    // Why the step failed, in the system's words; empty on success and for a finding.
    const std::string& Message() const { return message_; }
    // What the program found; None where the system refused.
    Finding What() const { return finding_; }
    // The limit a finding names, in bytes.
    uint64_t Limit() const { return limit_; }
    // The failure that led to this one; success when none did.
    const Status& Cause() const {
        static const Status kNone;
        return cause_ ? *cause_ : kNone;
    }
    // The same kind of failure, in other words.
    Status Saying(std::string message) const { return Status(kind_, std::move(message)); }

  private:
    Status(ErrorKind kind, std::string message) : kind_(kind), message_(std::move(message)) {}

    ErrorKind kind_ = ErrorKind::None;
    std::string message_;
    Finding finding_ = Finding::None;
    uint64_t limit_ = 0;
    std::shared_ptr<const Status> cause_;
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
