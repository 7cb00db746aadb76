// Writes the picture of tezvan's programmer's window as a JPEG file: tezvan_artwork FILE.
// Run by hand (target tezvan_artwork_update); the file it writes is kept in the repository.

#include "TezvanArtwork.h"
#include "ToolMain.h"

#include "platform/Jpeg.h"

int main(int argc, char** argv)
{
    return artwork::runTool(argc, argv, "tezvan_artwork FILE", 1, 1, [](const QStringList& args) {
        return artwork::writeWhole(args.at(1), platform::encodeJpeg(artwork::drawProgrammerPicture(), 92)) ? 0 : 1;
    });
}
