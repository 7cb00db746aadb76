#include "FileTypeRegistration.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        problems << QStringLiteral("Cannot create file %1 (%2)").arg(QDir::toNativeSeparators(path), file.errorString());
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
QList<QStringList> writeFileTypeRegistration(const FileTypeHandler& type, const QString& programPath,
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
        {QStringLiteral("update-mime-database"), data + QStringLiteral("/mime")},
        {QStringLiteral("xdg-mime"), QStringLiteral("default"), desktopFile, type.mimeType},
        {QStringLiteral("update-desktop-database"), data + QStringLiteral("/applications")},
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
    const QStringList tool = tools_.takeFirst();
    process_ = new QProcess(this);
    process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_->setStandardOutputFile(QProcess::nullDevice());
    connect(process_, &QProcess::finished, this, [this, tool](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            problems_ << QStringLiteral("%1 failed (exit code %2)").arg(tool.first()).arg(code);
        process_->deleteLater();
        process_ = nullptr;
        runNextTool();
    });
    connect(process_, &QProcess::errorOccurred, this, [this, tool](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // a crash is reported by finished()
        problems_ << QStringLiteral("%1 could not be run (%2)").arg(tool.first(), process_->errorString());
        process_->deleteLater();
        process_ = nullptr;
        runNextTool();
    });
    process_->start(tool.first(), tool.mid(1));
}

void FileTypeRegistration::finish()
{
    running_ = false;
    emit finished(problems_);
}

} // namespace platform
