#include "KeyFile.h"

#include "NoteFile.h"
#include "SavedFile.h"

#include "platform/CommandError.h"
#include "platform/WholeNumber.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tezvan {
namespace {

const QString& fileName()
{
    static const QString name = QStringLiteral("Tuslar.ini");
    return name;
}

bool takesNewFiles(const QString& folder)
{
    // Permission bits do not tell (root, read-only mounts, access lists): a file made and
    // removed at once does.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tezvan-XXXXXX")));
    return probe.open();
}

} // namespace

KeyFileReading parseKeyFile(const QByteArray& bytes)
{
    // The lines are split as every text file of the program is.
    const QStringList lines = splitNoteText(bytes);
    KeyFileReading r;
    if (lines.size() != kKeySlotCount)
        return r;
    for (const QString& line : lines) {
        const std::optional<qint32> n = platform::parseWholeNumber(line);
        if (!n || *n < 0 || *n > 0xFFFF) {
            r.outcome = KeyFileReading::Outcome::Error;
            r.badLine = int(r.values.size()) + 1;
            r.message =
                n ? QStringLiteral("'%1' is not a valid key value").arg(line) : platform::notAnIntegerMessage(line);
            return r;
        }
        r.values.append(quint16(*n));
    }
    r.outcome = KeyFileReading::Outcome::Keys;
    return r;
}

KeyFileReading readKeyFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        KeyFileReading r;
        r.outcome = KeyFileReading::Outcome::Error;
        r.message = QStringLiteral("Cannot open file %1").arg(path);
        return r;
    }
    return parseKeyFile(bytes);
}

QString keyFileErrorText(const QString& path, const KeyFileReading& reading)
{
    if (reading.badLine == 0)
        return reading.message; // it names the file already
    // One arg() for all three, so that a "%2" inside a folder's name stays as it is.
    return QString::fromUtf8("Tuş dosyası okunamadı (%1, satır %2): %3")
        .arg(QDir::toNativeSeparators(path), QString::number(reading.badLine), reading.message);
}

QByteArray keyFileBytes(const KeyWords& words)
{
    QByteArray bytes;
    for (const quint16 w : words)
        bytes += QByteArray::number(w) + "\r\n";
    return bytes;
}

void writeKeyFile(const QString& path, const KeyWords& words)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    saveWholeFile(path, keyFileBytes(words));
}

QString KeyFilePlace::pathToRead() const
{
    return besideProgram.isEmpty() || QFileInfo::exists(path) ? path : besideProgram;
}

KeyFilePlace keyFilePlace(const QString& programFolder, const QString& configFolder)
{
    const QString beside = QDir(programFolder).filePath(fileName());
    if (takesNewFiles(programFolder))
        return {beside, {}};
    return {QDir(configFolder).filePath(fileName()), beside};
}

KeyFilePlace keyFilePlace()
{
    return keyFilePlace(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

} // namespace tezvan
