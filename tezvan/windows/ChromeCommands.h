#pragma once
// The commands that lead out of the main window: help, the programmer's window with its
// greeting, our download page in the browser; and the click a menu hint sounds. Each ends a
// recording first; the windows themselves are made by the program and attached here.

#include <QObject>
#include <QUrl>

class QWidget;

namespace platform {
class Shell;
}

namespace tezvan {

class CommandBinder;
class NoteSound;

class ChromeCommands final : public QObject {
    Q_OBJECT
public:
    ChromeCommands(CommandBinder& binder, NoteSound& sound);

    static QUrl newVersionAddress();
    void setHelpWindow(QWidget* help) { helpWindow_ = help; }
    void setProgrammerWindow(QWidget* programmer) { programmerWindow_ = programmer; }
    void setShell(platform::Shell& shell) { shell_ = &shell; }

public slots:
    void mnyardimExecute();
    void mnbenExecute();
    void mnyenisurumExecute();
    void hint(const QString& hint); // "M", every context-menu entry's, clicks

signals:
    void recordingEndNeeded();

private:
    NoteSound& sound_;
    QWidget* helpWindow_ = nullptr;
    QWidget* programmerWindow_ = nullptr;
    platform::Shell* shell_;
};

} // namespace tezvan
