// The child of the kill test: makes a large file of one kind and saves it the way the program
// does. Given a byte count, no file may grow past it: the write that would stops the child
// there, in the middle of its save, for the test to kill it. It writes no other file.
//   save_child whole|BYTES tnl|txt|nota PATH
//   save_child whole|BYTES render_tnl|render_nota IN OUT
//   save_child whole|BYTES export DIR

#include "tezvan/core/DisplayTextFile.h"
#include "tezvan/core/NoteFile.h"
#include "tezvan/core/SampleExport.h"
#include "tezvan/core/TakeRenderer.h"
#include "tezvan2/core/NotaFile.h"
#include "tezvan2/core/NoteGrid.h"
#include "tezvan2/core/RenderNota.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>

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

// The kernel signals a write past the file-size limit after writing up to it; the child
// stays there, stopped, until the test's SIGKILL.
void stayAtTheCut(int)
{
    for (;;)
        std::raise(SIGSTOP);
}

// From here on, no file grows past `bytes` ("whole": no limit).
bool cutAt(const QString& bytes)
{
    if (bytes == QStringLiteral("whole"))
        return true;
    bool ok = false;
    const qulonglong limit = bytes.toULongLong(&ok);
    struct sigaction action = {};
    action.sa_handler = stayAtTheCut;
    rlimit size = {};
    ::getrlimit(RLIMIT_FSIZE, &size);
    size.rlim_cur = limit;
    return ok && ::sigaction(SIGXFSZ, &action, nullptr) == 0 && ::setrlimit(RLIMIT_FSIZE, &size) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3 || !cutAt(args[0]))
        return 2;
    const QString& kind = args[1];
    const QStringList paths = args.mid(2);
    if (kind == QStringLiteral("tnl")) {
        tezvan::writeNoteFile(paths[0], manyEntries());
    } else if (kind == QStringLiteral("txt")) {
        tezvan::writeDisplayTextFile(paths[0], tezvan::visibleLinesOf(manyEntries()));
    } else if (kind == QStringLiteral("nota")) {
        tezvan2::NoteGrid grid;
        grid.setCount(kEntries / 3);
        for (int c = 0; c < grid.count(); ++c) {
            grid.setName(c, QStringLiteral("LA%1").arg(c % 100));
            grid.setDuration(c, QString::number(c % 9999));
        }
        tezvan2::nota::save(paths[0], grid, tezvan2::nota::LongCells::Cut);
    } else if (kind == QStringLiteral("render_tnl") && paths.size() == 2) {
        return tezvan::renderCommand(paths[0], paths[1]);
    } else if (kind == QStringLiteral("render_nota") && paths.size() == 2) {
        return tezvan2::renderNotaCommand(paths[0], paths[1]);
    } else if (kind == QStringLiteral("export")) {
        return tezvan::exportSamplesCommand(paths[0]);
    } else {
        return 2;
    }
    return 0;
}
