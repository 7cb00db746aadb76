#include "NoteFile.h"

#include "NoteCatalogue.h"
#include "SavedFile.h"
#include "Windows1254.h"

#include "platform/CommandError.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <limits>

namespace tezvan {
namespace {

// A decimal integer in 32 bits: an optional sign and at least one digit, nothing else.
std::optional<int> decimalInt(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

// The fourteen display names, built once: a million visible lines share them.
const std::array<QString, kNoteCount>& displayNames()
{
    static const std::array<QString, kNoteCount> names = [] {
        std::array<QString, kNoteCount> out;
        for (const Note& note : noteCatalogue())
            out[std::size_t(note.number)] = note.displayName();
        return out;
    }();
    return names;
}

QString cannotOpen(const QString& path)
{
    return QStringLiteral("Cannot open file %1").arg(path);
}

} // namespace

std::optional<ParsedEntry> parseNoteEntry(const QString& entry)
{
    if (entry.size() < 4)
        return std::nullopt;
    const auto code = decimalInt(QStringView(entry).left(2));
    const auto pause = decimalInt(QStringView(entry).mid(3));
    if (!code || !pause)
        return std::nullopt;
    return ParsedEntry{*code, *pause};
}

QStringList splitNoteText(const QByteArray& bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QString text = decodeWindows1254(QByteArrayView(bytes.constData(), nul < 0 ? bytes.size() : nul));

    QStringList lines;
    qsizetype begin = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(begin, i - begin));
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        begin = i + 1;
    }
    if (begin < size)
        lines.append(text.mid(begin));
    return lines;
}

QStringList readNoteFile(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw platform::CommandError(cannotOpen(path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw platform::CommandError(cannotOpen(path));
    return splitNoteText(bytes);
}

QByteArray noteFileBytes(const QStringList& entries)
{
    QByteArray bytes;
    qsizetype size = 0;
    for (const QString& entry : entries)
        size += entry.size() + 2;
    bytes.reserve(size);
    for (const QString& entry : entries) {
        bytes += encodeWindows1254(entry);
        bytes += "\r\n";
    }
    return bytes;
}

void writeNoteFile(const QString& path, const QStringList& entries)
{
    saveWholeFile(path, noteFileBytes(entries));
}

QString visibleLineOf(const QString& entry)
{
    const QString firstTwo = entry.left(2);
    if (const auto number = noteNumberOfCode(firstTwo))
        return displayNames()[std::size_t(*number)];
    return firstTwo;
}

QStringList visibleLinesOf(const QStringList& entries)
{
    QStringList lines;
    lines.reserve(entries.size());
    for (const QString& entry : entries)
        lines.append(visibleLineOf(entry));
    return lines;
}

QString joinCommandLine(const QStringList& arguments)
{
    return arguments.join(QLatin1Char(' '));
}

} // namespace tezvan
