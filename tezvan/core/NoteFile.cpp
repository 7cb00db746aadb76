#include "NoteFile.h"

#include "NoteCatalogue.h"
#include "SavedFile.h"

#include "platform/CommandError.h"
#include "platform/WholeNumber.h"
#include "platform/Windows1254.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace tezvan {
namespace {

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
    const auto code = platform::parseWholeNumber(QStringView(entry).left(2));
    const auto pause = platform::parseWholeNumber(QStringView(entry).mid(3));
    if (!code || !pause)
        return std::nullopt;
    return ParsedEntry{*code, *pause};
}

QStringList splitNoteText(const QByteArray& bytes)
{
    // Plain pointer loops: a file of a million lines has to open in well under a second.
    const char* p = bytes.constData();
    const qsizetype nul = bytes.indexOf('\0');
    const char* const end = p + (nul < 0 ? bytes.size() : nul);

    QStringList lines;
    lines.reserve(qsizetype(std::count(p, end, '\n')) + 1); // a fair guess that saves regrowing
    while (p < end) {
        const char* lineEnd = p;
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n')
            ++lineEnd;
        lines.append(platform::decodeWindows1254(QByteArrayView(p, lineEnd - p)));
        if (lineEnd == end)
            break;
        p = lineEnd + 1;
        if (*lineEnd == '\r' && p < end && *p == '\n')
            ++p;
    }
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
    return platform::windows1254Lines(entries);
}

void writeNoteFile(const QString& path, const QStringList& entries)
{
    saveWholeFile(path, noteFileBytes(entries));
}

QString visibleLineOf(const QString& entry)
{
    // The note codes are exactly two ASCII digits "00".."13".
    if (entry.size() >= 2) {
        const char16_t tens = entry[0].unicode();
        const char16_t ones = entry[1].unicode();
        if (tens >= u'0' && tens <= u'1' && ones >= u'0' && ones <= u'9') {
            const int number = (tens - u'0') * 10 + (ones - u'0');
            if (number < kNoteCount)
                return displayNames()[std::size_t(number)];
        }
    }
    return entry.left(2);
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
