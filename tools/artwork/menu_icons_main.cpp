// Writes the context menu's icon strips of tezvan: tezvan_menu_icons OUTDIR writes
// menu_icons.png (16-pixel icons) and menu_icons@2x.png (32-pixel icons for dense screens).
// Run at build time; the program carries the strips as resources.

#include "TezvanMenuIcons.h"
#include "ToolMain.h"

#include <QDir>

int main(int argc, char** argv)
{
    return artwork::runTool(argc, argv, "tezvan_menu_icons OUTDIR", 1, 1, [](const QStringList& args) {
        const QDir out(args.at(1));
        if (!artwork::makeFolder(out.path()))
            return 1;
        for (const auto& [scale, name] : {std::pair{1, "menu_icons.png"}, std::pair{2, "menu_icons@2x.png"}})
            if (!artwork::writePng(out.filePath(QString::fromLatin1(name)), artwork::drawMenuIconStrip(scale)))
                return 1;
        return 0;
    });
}
