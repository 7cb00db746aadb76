#include "Shell.h"

#include <QDesktopServices>

namespace platform {
namespace {

class DesktopShell final : public Shell {
public:
    void openAddress(const QUrl& address) override { QDesktopServices::openUrl(address); }
};

} // namespace

Shell& systemShell()
{
    static DesktopShell shell;
    return shell;
}

} // namespace platform
