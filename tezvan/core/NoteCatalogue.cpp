#include "NoteCatalogue.h"

namespace tezvan {

const std::array<Note, kNoteCount>& noteCatalogue()
{
    static const std::array<Note, kNoteCount> notes{{
        {0, "DO_K", "DO-K", 65},
        {1, "RE_", "RE", 83},
        {2, "MI_1", "Mİ", 68},
        {3, "FA_", "FA", 70},
        {4, "SOL_K", "SOL-K", 71},
        {5, "LA_", "LA", 72},
        {6, "SI_", "Sİ", 74},
        {7, "SOLID", "SOLID", 75},
        {8, "DO_I", "DO-İ", 76},
        {9, "RE_I", "RE-İ", 186}, // the key right of L
        {10, "SOL_", "SOL-", 81},
        {11, "MI_2", "Mİ-2", 87},
        {12, "DO_", "DO-1", 69},
        {13, "BITIS", "BİTİŞ", 82},
    }};
    return notes;
}

QString noteCode(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString Note::code() const
{
    return noteCode(number);
}
QString Note::captionText() const
{
    return QString::fromUtf8(caption);
}
QString Note::displayName() const
{
    return captionText() + QStringLiteral(" (") + code() + QLatin1Char(')');
}
QString Note::buttonName() const
{
    return QStringLiteral("N%1").arg(number);
}

std::optional<int> noteNumberOfCode(const QString& text)
{
    if (text.size() != 2 || !text[0].isDigit() || !text[1].isDigit())
        return std::nullopt;
    const int n = text.toInt();
    if (n < 0 || n >= kNoteCount)
        return std::nullopt;
    return n;
}

std::optional<QString> displayNameOfCode(const QString& code)
{
    if (const auto n = noteNumberOfCode(code))
        return noteCatalogue()[std::size_t(*n)].displayName();
    return std::nullopt;
}

QString noteEntryText(int number, qint64 pause)
{
    return noteCode(number) + QLatin1Char('=') + QString::number(pause);
}

} // namespace tezvan
