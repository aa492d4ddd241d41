#pragma once
// How an operation that can fail went: fine, or failed with a German message
// ready for a message box. Result<T> carries the operation's value as well;
// asking a failed one for it throws std::bad_optional_access.
#include <optional>
#include <string>
#include <utility>

namespace textcore {

template<typename T = void>
class Result;

template<>
class [[nodiscard]] Result<void> {
public:
    Result() = default;

    static Result failure(std::u16string message)
    {
        Result result;
        result.m_failed = true;
        result.m_message = std::move(message);
        return result;
    }

    bool ok() const { return !m_failed; }
    // Empty when ok.
    const std::u16string &message() const { return m_message; }

private:
    bool m_failed = false;
    std::u16string m_message;
};

template<typename T>
class [[nodiscard]] Result : public Result<void> {
public:
    Result(T value) : m_value(std::move(value)) {}
    // Only from a failure: `return Result<>::failure(message);`.
    Result(Result<void> failed) : Result<void>(std::move(failed)) {}

    const T &value() const & { return m_value.value(); }
    T &value() & { return m_value.value(); }
    T &&value() && { return std::move(m_value).value(); }

private:
    std::optional<T> m_value;
};

} // namespace textcore
