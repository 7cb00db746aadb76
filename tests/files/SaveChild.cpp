// The child of the kill test: makes a large file of one kind in memory, says "ready" on
// its standard output, then saves it the way the program does and exits; the test kills
// it somewhere in between.
//   save_child tnl|txt|nota PATH
//   save_child render_tnl|render_nota IN OUT
//   save_child export DIR

#include "tezvan/core/DisplayTextFile.h"
#include "tezvan/core/NoteFile.h"
#include "tezvan/core/SampleExport.h"
#include "tezvan/core/TakeRenderer.h"
#include "tezvan2/core/NotaFile.h"
#include "tezvan2/core/NoteGrid.h"
#include "tezvan2/core/RenderNota.h"

#include <QCoreApplication>
#include <QStringList>

#include <unistd.h>

namespace {

constexpr int kEntries = 100'000;

QStringList manyEntries()
{
    QStringList entries;
    entries.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i)
        entries.append(QStringLiteral("%1=%2").arg(i % 14, 2, 10, QLatin1Char('0')).arg(i % 997));
    return entries;
}

void ready()
{
    const char byte = 'r';
    if (::write(STDOUT_FILENO, &byte, 1) != 1)
        ::_exit(3);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return 2;
    const QString& kind = args[0];
    if (kind == QStringLiteral("tnl")) {
        const QStringList entries = manyEntries();
        ready();
        tezvan::writeNoteFile(args[1], entries);
    } else if (kind == QStringLiteral("txt")) {
        const QStringList visible = tezvan::visibleLinesOf(manyEntries());
        ready();
        tezvan::writeDisplayTextFile(args[1], visible);
    } else if (kind == QStringLiteral("nota")) {
        tezvan2::NoteGrid grid;
        grid.setCount(kEntries / 3);
        for (int c = 0; c < grid.count(); ++c) {
            grid.setName(c, QStringLiteral("LA%1").arg(c % 100));
            grid.setDuration(c, QString::number(c % 9999));
        }
        ready();
        tezvan2::nota::save(args[1], grid, tezvan2::nota::LongCells::Cut);
    } else if (kind == QStringLiteral("render_tnl") && args.size() == 3) {
        ready();
        return tezvan::renderCommand(args[1], args[2]);
    } else if (kind == QStringLiteral("render_nota") && args.size() == 3) {
        ready();
        return tezvan2::renderNotaCommand(args[1], args[2]);
    } else if (kind == QStringLiteral("export")) {
        ready();
        return tezvan::exportSamplesCommand(args[1]);
    } else {
        return 2;
    }
    return 0;
}
