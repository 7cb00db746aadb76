// Writes the pictures of tezvan2's main window as JPEG files: tezvan2_artwork OUTDIR.
// Run by hand (target tezvan2_artwork_update); the files it writes are kept in the repository.

#include "Tezvan2Artwork.h"
#include "ToolMain.h"

#include "platform/Jpeg.h"
#include "tezvan2/core/NoteTable.h"

#include <QDir>

int main(int argc, char** argv)
{
    return artwork::runTool(argc, argv, "tezvan2_artwork OUTDIR", 1, 1, [](const QStringList& args) {
        const QDir out(args.at(1));
        if (!artwork::makeFolder(out.path()))
            return 1;
        const QImage scene = artwork::drawScene();
        for (const tezvan2::PictureSpot& spot : tezvan2::kPictures) {
            const QString name = QStringLiteral("Image%1.jpg").arg(spot.number);
            if (!artwork::writeWhole(out.filePath(name),
                                     platform::encodeJpeg(artwork::cutPicture(scene, spot.number), 92)))
                return 1;
        }
        return 0;
    });
}
