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

qint32 timeOf(const QString& entry)
{
    const QStringView text = QStringView(entry).mid(qMin<qsizetype>(3, entry.size()));
    if (const std::optional<qint32> t = platform::parseWholeNumber(text))
        return *t;
    throw platform::CommandError(platform::notAnIntegerMessage(text.toString()));
}

qint64 shiftedTime(qint32 time, int delta)
{
    const qint64 moved = qint64(time) + delta;
    if (moved > kLargestTime)
        return kLargestTime;
    // Down stops at 0; a time a file brought in below 0 moves up by the step like any other.
    if (delta < 0 && moved < 0)
        return 0;
    return moved;
}

void writeTime(QString& entry, qint64 time)
{
    char16_t digits[20];
    int n = 0;
    const bool negative = time < 0;
    quint64 magnitude = negative ? quint64(-(time + 1)) + 1 : quint64(time);
    do {
        digits[n++] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const qsizetype head = qMin<qsizetype>(3, entry.size());
    // Within the text's own room no new memory is taken.
    entry.resize(head + (negative ? 1 : 0) + n);
    QChar* p = entry.data() + head;
    if (negative)
        *p++ = u'-';
    while (n > 0)
        *p++ = digits[--n];
}

QString shiftedEntry(const QString& entry, int delta)
{
    QString shifted = entry;
    writeTime(shifted, shiftedTime(timeOf(entry), delta));
    return shifted;
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
