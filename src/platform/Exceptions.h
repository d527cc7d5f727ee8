#pragma once
// Errors that reach the user as an error box with their message.
#include <QString>
#include <stdexcept>

class Exception : public std::runtime_error {
public:
    explicit Exception(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

// An input or output failure; the message is the platform's.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

// A token that is not a number: "Invalid numeric input".
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
