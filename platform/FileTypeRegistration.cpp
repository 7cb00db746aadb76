#include "FileTypeRegistration.h"

#include "WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

namespace platform {
namespace {

#ifndef Q_OS_WIN

// Characters that make a desktop entry split or expand an unquoted argument.
bool needsQuoting(const QString& path)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    for (const QChar c : path)
        if (reserved.contains(c))
            return true;
    return false;
}

// A desktop entry's string value: backslash and control characters escaped.
QString escapedValue(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\t': out += QStringLiteral("\\t"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        default: out += c;
        }
    }
    return out;
}

// The entry with its Exec line (and a TryExec, which would name the installed program)
// pointing at this program.
QByteArray entryFor(const QByteArray& entry, const QString& programPath)
{
    QStringList lines = QString::fromUtf8(entry).split(u'\n');
    for (QString& line : lines) {
        if (line.startsWith(QLatin1String("Exec=")))
            line = QStringLiteral("Exec=") + escapedValue(execLineFor(programPath));
        else if (line.startsWith(QLatin1String("TryExec=")))
            line = QStringLiteral("TryExec=") + escapedValue(programPath);
    }
    return lines.join(u'\n').toUtf8();
}

void save(const QString& path, const QByteArray& bytes, QStringList& problems)
{
    QDir().mkpath(QFileInfo(path).path());
    const WholeFileResult written = writeWholeFile(path, bytes);
    if (written.ok())
        return;
    QString problem = QString::fromUtf8("\"%1\" dosyası yazılamadı").arg(QDir::toNativeSeparators(path));
    if (!written.reason.isEmpty())
        problem += QStringLiteral(" (%1)").arg(written.reason);
    problems << problem + u'.';
}

#endif

} // namespace

QString execLineFor(const QString& programPath)
{
#ifndef Q_OS_WIN
    QString arg = programPath;
    if (needsQuoting(programPath)) {
        arg.clear();
        for (const QChar c : programPath) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                arg += u'\\';
            arg += c;
        }
        arg = u'"' + arg + u'"';
    }
    // A field code is a percent sign and a letter; a literal one is doubled.
    arg.replace(u'%', QStringLiteral("%%"));
    return arg + QStringLiteral(" %f");
#else
    return u'"' + QDir::toNativeSeparators(programPath) + QStringLiteral("\" \"%1\"");
#endif
}

#ifndef Q_OS_WIN

// Per user, in the user's data folder (~/.local/share unless XDG_DATA_HOME says otherwise):
// the MIME package, the icons in the hicolor theme and the desktop entry; then the tools
// rebuild the MIME cache, make the entry the type's default and refresh the entries' cache.
// The entries' cache is optional: it only speeds up finding the programs of a type, and the
// default that xdg-mime sets holds without it.
QList<DesktopTool> writeFileTypeRegistration(const FileTypeHandler& type, const QString& programPath,
                                             QStringList& problems)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString id = type.applicationId;
    save(data + QStringLiteral("/mime/packages/") + id + QStringLiteral(".xml"), type.mimePackage, problems);
    for (const auto& [size, png] : type.icons)
        save(data + QStringLiteral("/icons/hicolor/%1x%1/apps/").arg(size) + id + QStringLiteral(".png"), png,
             problems);
    const QString desktopFile = id + QStringLiteral(".desktop");
    save(data + QStringLiteral("/applications/") + desktopFile, entryFor(type.desktopEntry, programPath), problems);
    return {
        {.command = {QStringLiteral("update-mime-database"), data + QStringLiteral("/mime")},
         .package = QStringLiteral("shared-mime-info"),
         .optional = false},
        {.command = {QStringLiteral("xdg-mime"), QStringLiteral("default"), desktopFile, type.mimeType},
         .package = QStringLiteral("xdg-utils"),
         .optional = false},
        {.command = {QStringLiteral("update-desktop-database"), data + QStringLiteral("/applications")},
         .package = QStringLiteral("desktop-file-utils"),
         .optional = true},
    };
}

#endif

FileTypeRegistration::FileTypeRegistration(QObject* parent) : QObject(parent) {}

bool FileTypeRegistration::start(const FileTypeHandler& type, const QString& programPath)
{
    if (running_)
        return false;
    running_ = true;
    problems_.clear();
    tools_ = writeFileTypeRegistration(type, programPath, problems_);
    // The end is told from the event loop, also when no tool runs, so that a caller's
    // connection made after start() still hears it.
    QTimer::singleShot(0, this, &FileTypeRegistration::runNextTool);
    return true;
}

void FileTypeRegistration::runNextTool()
{
    if (tools_.isEmpty()) {
        finish();
        return;
    }
    const DesktopTool tool = tools_.takeFirst();
    const QString name = tool.command.first();
    const QString program = QStandardPaths::findExecutable(name);
    if (program.isEmpty()) {
        if (!tool.optional) {
            problems_
                << QString::fromUtf8("\"%1\" programı bulunamadı; \"%2\" paketini kurun.").arg(name, tool.package);
        }
        runNextTool();
        return;
    }
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->setStandardOutputFile(QProcess::nullDevice());
    connect(process_, &QProcess::finished, this, [this, name](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit)
            problems_ << QString::fromUtf8("\"%1\" programı çöktü.").arg(name);
        else if (code != 0)
            problems_ << QString::fromUtf8("\"%1\" programı hata verdi (çıkış kodu %2).").arg(name).arg(code);
        process_->deleteLater();
        process_ = nullptr;
        runNextTool();
    });
    connect(process_, &QProcess::errorOccurred, this, [this, name](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // a crash is reported by finished()
        problems_ << QString::fromUtf8("\"%1\" programı çalıştırılamadı (%2).").arg(name, process_->errorString());
        process_->deleteLater();
        process_ = nullptr;
        runNextTool();
    });
    process_->start(program, tool.command.mid(1));
}

void FileTypeRegistration::finish()
{
    running_ = false;
    emit finished(problems_);
}

} // namespace platform
