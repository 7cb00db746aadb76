#pragma once
// Makes a program the current user's handler of one file type, through the desktop's own
// means: on Linux freedesktop's MIME database, desktop entry, icon theme and default
// application (and their tools); on Windows the user's classes in the registry. No
// administrator rights are needed, and the desktop is told, so icons refresh at once.
// Not for removing a registration: nothing here undoes one.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <utility>

namespace platform {

// What the desktop learns about the type and its program.
struct FileTypeHandler {
    QString extension;                       // ".tnl"
    QString typeName;                        // the type's name, also the description shown for it (Windows)
    QString mimeType;                        // "application/x-..." declared by mimePackage
    QByteArray mimePackage;                  // shared-mime-info XML that declares mimeType
    QString applicationId;                   // reverse-DNS id: the desktop entry's and the icon's name
    QByteArray desktopEntry;                 // the program's desktop entry; its Exec line is replaced
    QList<std::pair<int, QByteArray>> icons; // PNG images by pixel size
};

// A desktop tool that a registration runs once its files are written.
struct DesktopTool {
    QStringList command; // the program and its arguments
    QString package;     // the Debian package that brings the program
    bool optional;       // it refreshes a cache only: the registration holds without it
};

// The platform's part of a registration: writes what the desktop reads and gives the tools
// to run afterwards, each failure added to problems.
QList<DesktopTool> writeFileTypeRegistration(const FileTypeHandler& type, const QString& programPath,
                                             QStringList& problems);

// The desktop entry's Exec value that runs program with one file: the path, quoted when
// a character in it needs quoting, then %f.
QString execLineFor(const QString& programPath);

// One registration at a time, run without blocking the event loop: the desktop's tools run
// as child processes one after another, and finished() tells the end.
class FileTypeRegistration final : public QObject {
    Q_OBJECT
public:
    explicit FileTypeRegistration(QObject* parent = nullptr);

    // Starts the registration for programPath (the full path of the executable). Every step
    // is tried even when an earlier one failed. False, and nothing started, while one runs.
    bool start(const FileTypeHandler& type, const QString& programPath);
    bool isRunning() const { return running_; }

signals:
    // The end; problems tells the user, in Turkish, each step that failed and, for a tool
    // that is missing, the package to install. Empty when the registration holds.
    void finished(const QStringList& problems);

private:
    void runNextTool();
    void finish();

    bool running_ = false;
    QStringList problems_;
    QList<DesktopTool> tools_; // still to run
    QProcess* process_ = nullptr;
};

} // namespace platform
