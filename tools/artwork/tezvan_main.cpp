// Writes the picture of tezvan's programmer's window as a JPEG file: tezvan_artwork FILE.
// Run by hand (target tezvan_artwork_update); the file it writes is kept in the repository.

#include "TezvanArtwork.h"

#include "platform/Jpeg.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: tezvan_artwork FILE\n";
        return 2;
    }
    const QByteArray jpeg = platform::encodeJpeg(artwork::drawProgrammerPicture(), 92);
    QSaveFile file(args.at(1));
    if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size() || !file.commit()) {
        err << "cannot write " << file.fileName() << '\n';
        return 1;
    }
    return 0;
}
