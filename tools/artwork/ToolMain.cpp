#include "ToolMain.h"

#include "platform/WholeFile.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace artwork {
namespace {

bool failed(const QString& what)
{
    QTextStream(stderr) << what << '\n';
    return false;
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
    return platform::writeWholeFile(path, bytes).ok() || failed(QStringLiteral("cannot write ") + path);
}

bool writePng(const QString& path, const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return failed(QStringLiteral("cannot write ") + path);
    return writeWhole(path, png);
}

} // namespace artwork
