#pragma once
// The error that ends a command: its message goes to the program's error box, and the
// program goes on with the state the command left.

#include <QString>
#include <exception>

namespace platform {

class CommandError : public std::exception {
public:
    explicit CommandError(QString message) : message_(std::move(message)) {}
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return "command error"; }

private:
    QString message_;
};

} // namespace platform
