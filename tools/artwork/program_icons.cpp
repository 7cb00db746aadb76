// Writes both programs' icons as PNG files for the desktop, at build time:
//   program_icons OUTDIR TEZVAN_ID TEZVAN2_ID SIZE...
// gives OUTDIR/SIZE/ID.png for every size, the layout of a hicolor theme's apps folders.

#include "ProgramIcons.h"
#include "ToolMain.h"

#include <QDir>
#include <QTextStream>

int main(int argc, char** argv)
{
    return artwork::runTool(
        argc, argv, "program_icons OUTDIR TEZVAN_ID TEZVAN2_ID SIZE...", 4, -1, [](const QStringList& args) {
            const QDir out(args.at(1));
            const std::pair<artwork::Program, QString> programs[] = {{artwork::Program::Tezvan, args.at(2)},
                                                                     {artwork::Program::Tezvan2, args.at(3)}};
            for (const QString& sizeText : args.mid(4)) {
                bool ok = false;
                const int size = sizeText.toInt(&ok);
                if (!ok || size < 8 || size > 1024) {
                    QTextStream(stderr) << "not a size: " << sizeText << '\n';
                    return 2;
                }
                if (!artwork::makeFolder(out.filePath(sizeText)))
                    return 1;
                for (const auto& [program, id] : programs)
                    if (!artwork::writePng(out.filePath(sizeText + u'/' + id + QStringLiteral(".png")),
                                           artwork::drawProgramIcon(program, size)))
                        return 1;
            }
            return 0;
        });
}
