#include "WholeNumber.h"

#include "CommandError.h"

#include <limits>

namespace platform {

std::optional<qint32> parseWholeNumber(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // Magnitude in 64 bits, stopped one past the largest int so -2147483648 still fits.
    constexpr qint64 kLimit = qint64(std::numeric_limits<qint32>::max()) + 1;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > kLimit)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

QString notAnIntegerMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

qint32 wholeNumberOrThrow(const QString& text)
{
    if (const auto value = parseWholeNumber(text))
        return *value;
    throw CommandError(notAnIntegerMessage(text));
}

} // namespace platform
