#include "ToolMain.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

namespace artwork {
namespace {

bool failed(const QString& what)
{
    QTextStream(stderr) << what << '\n';
    return false;
}

// Writes through `write` into a QSaveFile: the old file stays unless all of it was written.
bool writeWith(const QString& path, const std::function<bool(QSaveFile&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !write(file) || !file.commit())
        return failed(QStringLiteral("cannot write ") + path);
    return true;
}

} // namespace

int runTool(int argc, char** argv, const char* usage, int minArgs, int maxArgs,
            const std::function<int(const QStringList& args)>& body)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int given = int(args.size()) - 1;
    if (given < minArgs || (maxArgs >= 0 && given > maxArgs)) {
        QTextStream(stderr) << "usage: " << usage << '\n';
        return 2;
    }
    return body(args);
}

bool makeFolder(const QString& path)
{
    return QDir().mkpath(path) || failed(QStringLiteral("cannot create ") + path);
}

bool writeWhole(const QString& path, const QByteArray& bytes)
{
    return writeWith(path, [&](QSaveFile& f) { return f.write(bytes) == bytes.size(); });
}

bool writePng(const QString& path, const QImage& image)
{
    return writeWith(path, [&](QSaveFile& f) { return image.save(&f, "PNG"); });
}

} // namespace artwork
