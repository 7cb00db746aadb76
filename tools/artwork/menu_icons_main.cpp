// Writes the context menu's icon strips of tezvan: tezvan_menu_icons OUTDIR writes
// menu_icons.png (16-pixel icons) and menu_icons@2x.png (32-pixel icons for dense screens).
// Run at build time; the program carries the strips as resources.

#include "TezvanMenuIcons.h"

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
        err << "usage: tezvan_menu_icons OUTDIR\n";
        return 2;
    }
    const QDir out(args.at(1));
    if (!QDir().mkpath(out.path())) {
        err << "cannot create " << out.path() << '\n';
        return 1;
    }
    for (const auto& [scale, name] : {std::pair{1, "menu_icons.png"}, std::pair{2, "menu_icons@2x.png"}}) {
        QSaveFile file(out.filePath(QString::fromLatin1(name)));
        if (!file.open(QIODevice::WriteOnly) || !artwork::drawMenuIconStrip(scale).save(&file, "PNG")
            || !file.commit()) {
            err << "cannot write " << file.fileName() << '\n';
            return 1;
        }
    }
    return 0;
}
