#pragma once
// A desktop of the test's own: HOME in a temporary folder, so that a per-user registration
// lands there, with the desktop's real tools to ask what it made of it. The desktop is a
// GNOME one as far as xdg-mime is concerned, so file types are told by the MIME database
// (through GLib), as on a desktop, not by libmagic. The environment is restored at the end.

#include <QByteArray>
#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>
#include <utility>
#include <vector>

namespace testing_support {

class PrivateDesktop {
public:
    PrivateDesktop()
    {
        QDir(home.path()).mkpath(QStringLiteral(".local/share"));
        set("HOME", home.path().toUtf8());
        set("XDG_CURRENT_DESKTOP", "GNOME");
        set("XDG_DATA_DIRS", "/usr/share");
        set("PATH", qgetenv("PATH")); // as it is, so that a test may change it
        for (const char* name :
             {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "DISPLAY", "WAYLAND_DISPLAY"})
            set(name, QByteArray());
    }
    ~PrivateDesktop()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second.has_value())
                qputenv(it->first.constData(), *it->second);
            else
                qunsetenv(it->first.constData());
        }
    }
    PrivateDesktop(const PrivateDesktop&) = delete;
    PrivateDesktop& operator=(const PrivateDesktop&) = delete;

    // The user's data folder, as the desktop's tools take it (~/.local/share).
    QString dataFolder() const { return home.filePath(QStringLiteral(".local/share")); }

    // A tool's standard output, trimmed; "<exit N: ...>" with its error output when it fails.
    static QString run(const QString& program, const QStringList& args)
    {
        QProcess p;
        p.start(program, args);
        if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return QStringLiteral("<exit %1: %2>")
                .arg(p.exitCode())
                .arg(QString::fromUtf8(p.readAllStandardError()));
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    static QString fileType(const QString& path)
    {
        return run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("filetype"), path});
    }
    static QString defaultFor(const QString& mimeType)
    {
        return run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    }

    QTemporaryDir home;

private:
    void set(const char* name, const QByteArray& value)
    {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> saved_;
};

} // namespace testing_support
