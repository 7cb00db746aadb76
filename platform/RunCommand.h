#pragma once
// Runs one command of a window: a platform::CommandError it throws ends the command and
// shows in the program's error box (showError); the window goes on. Not for errors a
// command reports in a box of its own.

#include "platform/CommandError.h"
#include "platform/Dialogs.h"

#include <functional>
#include <utility>

namespace platform {

// True when the command ran to its end; false after its error was shown. Cleanup the
// command owes either way belongs in a guard inside it, so that it runs before the box.
template <typename Command> bool runCommand(Dialogs& dialogs, QWidget* owner, Command&& command)
{
    try {
        std::invoke(std::forward<Command>(command));
    } catch (const CommandError& e) {
        showError(dialogs, owner, e.message());
        return false;
    }
    return true;
}

} // namespace platform
