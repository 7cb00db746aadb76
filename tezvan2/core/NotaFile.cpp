#include "NotaFile.h"

#include "NoteGrid.h"
#include "platform/CommandError.h"
#include "platform/WholeFile.h"
#include "platform/Windows1254.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace tezvan2::nota {
namespace {

// The run-time library's file error texts, by the error the system reported.
QString messageForErrno(int e)
{
    switch (e) {
    case ENOENT: return QStringLiteral("File not found");
    case ENAMETOOLONG:
    case EINVAL:
    case ENOTDIR: return QStringLiteral("Invalid filename");
    case EMFILE:
    case ENFILE: return QStringLiteral("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY: return QStringLiteral("File access denied");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("Disk full");
    default: return QStringLiteral("I/O error %1").arg(e);
    }
}

[[noreturn]] void fail(const QString& message)
{
    throw platform::CommandError(message);
}

void appendField(QByteArray& record, const QString& text)
{
    const QByteArray bytes = platform::encodeWindows1254(QStringView(text).left(kFieldSize));
    record.append(char(bytes.size()));
    record.append(bytes);
    record.append(kFieldSize - bytes.size(), '\0');
}

QString readField(const char* field)
{
    // A damaged length byte above five still reads only the field's five bytes.
    const int length = qMin<int>(quint8(field[0]), kFieldSize);
    return platform::decodeWindows1254(QByteArrayView(field + 1, length));
}

} // namespace

QString filter()
{
    return QStringLiteral("Wintezvan Nota Dosyası (*.nota)|*.nota");
}

QString defaultSuffix()
{
    return QStringLiteral("nota");
}

std::vector<CutCell> cellsThatWouldBeCut(const NoteGrid& grid)
{
    // Only the shown columns: the closing record of the first hidden column is never
    // read back, so cutting it loses nothing.
    std::vector<CutCell> cut;
    for (int c = 0; c < grid.count(); ++c)
        for (int row : {NoteGrid::kNameRow, NoteGrid::kDurationRow})
            if (grid.cell(c, row).size() > kFieldSize)
                cut.push_back({c, row, grid.cell(c, row)});
    return cut;
}

QByteArray encode(const NoteGrid& grid)
{
    QByteArray out;
    out.reserve((grid.count() + 1) * kRecordSize);
    for (int c = 0; c <= grid.count(); ++c) {
        appendField(out, grid.name(c));
        appendField(out, grid.duration(c));
    }
    return out;
}

void decodeInto(const QByteArray& bytes, NoteGrid& grid)
{
    const qsizetype records = bytes.size() / kRecordSize;
    if (records < 2)
        return;
    for (qsizetype i = 0; i + 1 < records; ++i) {
        const char* record = bytes.constData() + i * kRecordSize;
        grid.setName(int(i), readField(record));
        grid.setDuration(int(i), readField(record + 1 + kFieldSize));
    }
    // One count change for the whole file: a view redraws once, not once per column.
    grid.setCount(int(records - 1));
}

void save(const QString& path, const NoteGrid& grid, LongCells longCells)
{
    if (longCells == LongCells::Refuse && !cellsThatWouldBeCut(grid).empty())
        fail(QStringLiteral("Cell text longer than %1 characters").arg(kFieldSize));
    writeBytes(path, encode(grid));
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    const QFileInfo target(path);
    if (path.isEmpty() || !target.absoluteDir().exists())
        fail(messageForErrno(ENOTDIR));
    // A read-only file or a folder of that name is not replaced.
    if (target.isDir() || (target.exists() && !target.isWritable()))
        fail(messageForErrno(EACCES));

    const platform::WholeFileResult result = platform::writeWholeFile(path, bytes);
    if (result.failure == platform::WholeFileResult::Failure::Create)
        fail(messageForErrno(result.error ? result.error : EACCES));
    if (!result.ok())
        fail(messageForErrno(result.error ? result.error : EIO));
}

void open(const QString& path, NoteGrid& grid)
{
    const QFileInfo info(path);
    if (!info.exists())
        fail(messageForErrno(info.absoluteDir().exists() ? ENOENT : ENOTDIR));
    if (info.isDir())
        fail(messageForErrno(EACCES));

    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        fail(messageForErrno(errno ? errno : EACCES));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(messageForErrno(errno ? errno : EIO));
    decodeInto(bytes, grid);
}

} // namespace tezvan2::nota
