#include "NoteEdits.h"

#include "NoteCatalogue.h"

#include "platform/CommandError.h"
#include "platform/WholeNumber.h"

#include <limits>

namespace tezvan {
namespace {

constexpr qint64 kLargestTime = std::numeric_limits<qint32>::max();

} // namespace

int stepOfAnswer(const QString& answer)
{
    return validStep(platform::parseWholeNumber(answer).value_or(1));
}

int validStep(int step)
{
    return step >= 1 && step <= kLargestStep ? step : 1;
}

std::array<QString, 4> stepCaptions(int n)
{
    const QString number = QString::number(n);
    return {QStringLiteral("Zaman + ") + number, QStringLiteral("Zaman - ") + number,
            QString::fromUtf8("Tüm Nota  + ") + number, QString::fromUtf8("Tüm Nota  - ") + number};
}

QString shiftedEntry(const QString& entry, int delta)
{
    const QString timeText = entry.mid(3);
    const std::optional<qint32> t = platform::parseWholeNumber(timeText);
    if (!t)
        throw platform::CommandError(platform::notAnIntegerMessage(timeText));
    qint64 moved = qint64(*t) + delta;
    if (moved > kLargestTime)
        moved = kLargestTime;
    // Down stops at 0; a time a file brought in below 0 moves up by the step like any other.
    if (delta < 0 && moved < 0)
        moved = 0;
    QString shifted;
    shifted.reserve(3 + 11);
    shifted.append(QStringView(entry).left(3));
    shifted.append(QString::number(moved));
    return shifted;
}

QStringList shiftedEntries(const QStringList& entries, int delta)
{
    QStringList shifted;
    shifted.reserve(entries.size());
    for (const QString& e : entries)
        shifted.append(shiftedEntry(e, delta));
    return shifted;
}

QStringList resetEntries(const QStringList& entries)
{
    QStringList reset;
    reset.reserve(entries.size());
    for (const QString& e : entries)
        reset.append(e.left(3) + QLatin1Char('0'));
    return reset;
}

QString codeOfLine(const QString& line)
{
    return line.size() < 3 ? QString() : line.mid(line.size() - 3, 2);
}

std::optional<int> noteOfLine(const QString& line)
{
    const std::optional<qint32> n = platform::parseWholeNumber(codeOfLine(line));
    if (!n || *n < 0 || *n >= kNoteCount)
        return std::nullopt;
    return int(*n);
}

QString entryWithCode(const QString& entry, const QString& code)
{
    return code + entry.mid(2);
}

QString insertedEntry(const QString& code)
{
    return code + QStringLiteral("=0");
}

} // namespace tezvan
