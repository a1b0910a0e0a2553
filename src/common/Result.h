#pragma once

#include <QString>

#include <optional>
#include <utility>

// The outcome of an operation that can fail: its value, or a text that tells
// the user why it failed. Marked [[nodiscard]] so that no caller can drop an
// error by accident.
template <typename T = void> class [[nodiscard]] Result {
public:
    Result(T value) : mValue(std::move(value)) {}
    static Result Failure(QString error) {
        Result result;
        result.mError = std::move(error);
        return result;
    }

    bool Ok() const { return mValue.has_value(); }
    explicit operator bool() const { return Ok(); }
    const T& operator*() const { return *mValue; }
    const T* operator->() const { return &*mValue; }
    // Why it failed; empty on success.
    const QString& Error() const { return mError; }

private:
    Result() = default;
    std::optional<T> mValue;
    QString mError;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    static Result Failure(QString error) {
        Result result;
        result.mFailed = true;
        result.mError = std::move(error);
        return result;
    }

    bool Ok() const { return !mFailed; }
    explicit operator bool() const { return Ok(); }
    const QString& Error() const { return mError; }

private:
    bool mFailed = false;
    QString mError;
};
