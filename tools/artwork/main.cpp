// Writes the pictures of tezvan2's main window as JPEG files: tezvan2_artwork OUTDIR.
// Run by hand (target tezvan2_artwork_update); the files it writes are kept in the repository.

#include "Tezvan2Artwork.h"

#include "platform/Jpeg.h"
#include "tezvan2/core/NoteTable.h"

#include <QDir>
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
        err << "usage: tezvan2_artwork OUTDIR\n";
        return 2;
    }
    const QDir out(args.at(1));
    if (!QDir().mkpath(out.path())) {
        err << "cannot create " << out.path() << '\n';
        return 1;
    }
    const QImage scene = artwork::drawScene();
    for (const tezvan2::PictureSpot& spot : tezvan2::kPictures) {
        const QByteArray jpeg = platform::encodeJpeg(artwork::cutPicture(scene, spot.number), 92);
        QSaveFile file(out.filePath(QStringLiteral("Image%1.jpg").arg(spot.number)));
        if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size() || !file.commit()) {
            err << "cannot write " << file.fileName() << '\n';
            return 1;
        }
    }
    return 0;
}
