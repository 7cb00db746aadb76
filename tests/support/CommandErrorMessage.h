#pragma once
// The message of the platform::CommandError a call throws, so tables of cases can compare
// messages, the call that throws nothing included (it gives noCommandError()).

#include "platform/CommandError.h"

#include <QString>
#include <functional>

namespace testing_support {

inline QString noCommandError()
{
    return QStringLiteral("(no error)");
}

inline QString commandErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const platform::CommandError& e) {
        return e.message();
    }
    return noCommandError();
}

} // namespace testing_support
