// The main window's chrome: its caption bar's buttons and double-click, the application's
// focus and hints, and the commands that open help, the programmer's window and our web
// page, minimise and exit.
#include "FlatButton.h"
#include "NoteSound.h"
#include "TForm1.h"

#include "platform/Shell.h"

#include "identity/ProgramIdentity.h"

#include <QAction>
#include <QLabel>
#include <QStatusTipEvent>

namespace tezvan {
namespace {

constexpr quint32 kCaptionActive = 16744448;
constexpr quint32 kCaptionInactive = 8421504;

// The samples of the chrome: the menu's navigation click and the programmer's greeting.
constexpr int kMenuClick = 14;
constexpr int kGreeting = 15;

} // namespace

QUrl TForm1::newVersionAddress() { return QUrl(QString::fromUtf8(identity::kDownloadPage)); }

void TForm1::buildChromeActions()
{
    shell_ = &platform::systemShell();
    auto command = [this](const char* name, const char* caption, QKeySequence key, void (TForm1::*handler)()) {
        QAction* a = windowAction(name, QString::fromUtf8(caption), key, handler);
        a->setStatusTip(QStringLiteral("M"));
        return a;
    };
    command("mnyenisurum", "Yeni Sürüm Kontrolü Yap...", {}, &TForm1::mnyenisurumExecute);
    command("mnben", "Programcı...", {}, &TForm1::mnbenExecute);
    command("mnyardim", "Yardım...", QKeySequence(Qt::Key_F1), &TForm1::mnyardimExecute);
    command("mncikis", "Çıkış", {}, &TForm1::mncikisExecute);
    QAction* minimise = windowAction("MNsimgeles", QStringLiteral("MNsimgeles"), QKeySequence(Qt::Key_F12),
                                     &TForm1::MNsimgelesExecute);
    // F12 minimises from the help window too; the programmer's window keeps F12 for itself.
    minimise->setShortcutContext(Qt::ApplicationShortcut);
}

void TForm1::BaslikCDblClick()
{
    findChild<QAction*>(QStringLiteral("mnbk"))->trigger();
}

void TForm1::KaptClick()
{
    close();
}

void TForm1::mncikisExecute()
{
    close();
}

void TForm1::SimgClick()
{
    MNsimgelesExecute();
}

void TForm1::MNsimgelesExecute()
{
    // The help and programmer's windows belong to this one: the window manager takes them
    // along, and brings them back with it.
    DURUMMClick();
    showMinimized();
}

void TForm1::bilgiClick()
{
    mnbenExecute();
}

void TForm1::mnbenExecute()
{
    DURUMMClick();
    sound_.play(kGreeting);
    showAuxiliary(programmerWindow_);
}

void TForm1::mnyardimExecute()
{
    DURUMMClick();
    showAuxiliary(helpWindow_);
}

void TForm1::mnyenisurumExecute()
{
    DURUMMClick();
    shell_->openAddress(newVersionAddress());
}

void TForm1::showAuxiliary(QWidget* w)
{
    // Not modal; a window already open only comes forward.
    if (!w)
        return;
    w->show();
    w->raise();
    w->activateWindow();
}

void TForm1::setCaptionBarColour(quint32 value)
{
    QPalette pal = BaslikC_->palette();
    pal.setColor(QPalette::Window, colourOfValue(value));
    BaslikC_->setPalette(pal);
}

void TForm1::HintlerActivate()
{
    setCaptionBarColour(kCaptionActive);
}

void TForm1::HintlerDeactivate()
{
    setCaptionBarColour(kCaptionInactive);
    recorder_.focusLost();
}

void TForm1::HintlerHint(const QString& hint)
{
    // Every entry of the context menu carries "M": reaching one clicks. Nothing keeps the
    // hint, so the next entry reached is a change again.
    if (hint == QLatin1String("M"))
        sound_.play(kMenuClick);
}

bool TForm1::event(QEvent* event)
{
    // An action's hint arrives here when a menu highlights its entry, and a control's when
    // the mouse reaches it.
    if (event->type() == QEvent::StatusTip) {
        HintlerHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

} // namespace tezvan
