#pragma once
// Opens web addresses in the user's browser, behind a seam so that tests see what was
// opened. Not for files or programs.

#include <QUrl>

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;

    // Asks the desktop to open the address; a failure is not reported (nothing to do about it).
    virtual void openAddress(const QUrl& address) = 0;
};

// The desktop's browser (QDesktopServices).
Shell& systemShell();

} // namespace platform
