#pragma once

#include <string>
#include <utility>
#include <variant>

// A value or what went wrong, for readers that report problems as values instead of throwing at the user.
template <typename T, typename E = std::string>
class Result {
public:
    static Result success(T value) { return Result(std::move(value)); }
    static Result failure(E error) { return Result(Failure{std::move(error)}); }

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    const T& value() const { return std::get<T>(m_state); }
    T& value() { return std::get<T>(m_state); }
    const E& error() const { return std::get<Failure>(m_state).error; }

private:
    struct Failure {
        E error;
    };
    explicit Result(T value) : m_state(std::move(value)) {}
    explicit Result(Failure failure) : m_state(std::move(failure)) {}

    std::variant<T, Failure> m_state;
};
