#pragma once
// The outcome of an operation that can fail for a reason the user must be told, such as reading
// or writing a file: done, or failed with a message that names the file and the cause. Callers
// show a failure through Platform::report.
#include <QString>
#include <optional>
#include <utility>

namespace tav {

class [[nodiscard]] Status {
public:
    static Status done() { return Status(); }
    static Status failed(QString message) { return Status(std::move(message)); }

    bool ok() const { return !failed_; }
    const QString& message() const { return message_; }

private:
    Status() = default;
    explicit Status(QString message) : failed_(true), message_(std::move(message)) {}

    bool failed_ = false;
    QString message_;
};

// A value, or the failure that kept it from being made.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)), status_(Status::done()) {}  // NOLINT: implicit
    Result(Status failure) : status_(std::move(failure)) {}                 // NOLINT: implicit

    bool ok() const { return value_.has_value(); }
    const T& value() const { return *value_; }
    const Status& status() const { return status_; }

private:
    std::optional<T> value_;
    Status status_;
};

}  // namespace tav
