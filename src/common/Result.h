#pragma once

#include <optional>
#include <utility>
#include <variant>

#include "common/Message.h"

// The outcome of an operation that can fail with a message for the user.
template <typename T>
class Result {
  public:
    Result(T value) : state_(std::move(value)) {}
    Result(Message failure) : state_(std::move(failure)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<T>(state_); }
    T& value() { return std::get<T>(state_); }
    const Message& error() const { return std::get<Message>(state_); }

  private:
    std::variant<T, Message> state_;
};

// Success or a message, for operations without a value.
class Status {
  public:
    Status() = default;
    Status(Message failure) : failure_(std::move(failure)) {}
    static Status Ok() { return {}; }

    bool ok() const { return !failure_.has_value(); }
    explicit operator bool() const { return ok(); }
    const Message& error() const { return *failure_; }

  private:
    std::optional<Message> failure_;
};
