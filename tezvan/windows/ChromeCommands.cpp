#include "ChromeCommands.h"

#include "CommandBinder.h"
#include "NoteSound.h"

#include "platform/Shell.h"

#include "identity/ProgramIdentity.h"

#include <QWidget>

namespace tezvan {
namespace {

// The samples of the chrome: the menu's navigation click and the programmer's greeting.
constexpr int kMenuClick = 14;
constexpr int kGreeting = 15;

// Not modal; a window already open only comes forward.
void showAuxiliary(QWidget* w)
{
    if (!w)
        return;
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

ChromeCommands::ChromeCommands(CommandBinder& binder, NoteSound& sound)
    : sound_(sound), shell_(&platform::systemShell())
{
    binder.bind("mnyenisurum", this, &ChromeCommands::mnyenisurumExecute);
    binder.bind("mnben", this, &ChromeCommands::mnbenExecute);
    binder.bind("mnyardim", this, &ChromeCommands::mnyardimExecute);
}

QUrl ChromeCommands::newVersionAddress()
{
    return QUrl(QString::fromUtf8(identity::kDownloadPage));
}

void ChromeCommands::mnbenExecute()
{
    emit recordingEndNeeded();
    sound_.play(kGreeting);
    showAuxiliary(programmerWindow_);
}

void ChromeCommands::mnyardimExecute()
{
    emit recordingEndNeeded();
    showAuxiliary(helpWindow_);
}

void ChromeCommands::mnyenisurumExecute()
{
    emit recordingEndNeeded();
    shell_->openAddress(newVersionAddress());
}

void ChromeCommands::hint(const QString& hint)
{
    // Nothing keeps the hint, so the next entry reached is a change again.
    if (hint == QLatin1String("M"))
        sound_.play(kMenuClick);
}

} // namespace tezvan
