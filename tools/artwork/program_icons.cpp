// Writes both programs' icons as PNG files for the desktop, at build time:
//   program_icons OUTDIR TEZVAN_ID TEZVAN2_ID SIZE...
// gives OUTDIR/SIZE/ID.png for every size, the layout of a hicolor theme's apps folders.

#include "ProgramIcons.h"

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
    if (args.size() < 5) {
        err << "usage: program_icons OUTDIR TEZVAN_ID TEZVAN2_ID SIZE...\n";
        return 2;
    }
    const QDir out(args.at(1));
    const std::pair<artwork::Program, QString> programs[] = {
        {artwork::Program::Tezvan, args.at(2)}, {artwork::Program::Tezvan2, args.at(3)}};
    for (const QString& sizeText : args.mid(4)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            err << "not a size: " << sizeText << '\n';
            return 2;
        }
        if (!out.mkpath(sizeText)) {
            err << "cannot create " << out.filePath(sizeText) << '\n';
            return 1;
        }
        for (const auto& [program, id] : programs) {
            QSaveFile file(out.filePath(sizeText + u'/' + id + QStringLiteral(".png")));
            if (!file.open(QIODevice::WriteOnly) || !artwork::drawProgramIcon(program, size).save(&file, "PNG")
                || !file.commit()) {
                err << "cannot write " << file.fileName() << '\n';
                return 1;
            }
        }
    }
    return 0;
}
