#include "WholeNumber.h"

#include "platform/CommandError.h"

#include <limits>

namespace tezvan2 {

std::optional<qint32> parseWholeNumber(const QString& text)
{
    // Decimal digits only (no spaces, no hex): what a user types as milliseconds.
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
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
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint32>::max() || value < std::numeric_limits<qint32>::min())
        return std::nullopt;
    return qint32(value);
}

QString notAnIntegerMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

qint32 wholeNumberOrThrow(const QString& text)
{
    if (const auto v = parseWholeNumber(text))
        return *v;
    throw platform::CommandError(notAnIntegerMessage(text));
}

} // namespace tezvan2
