#include "ColourText.h"

#include "platform/CommandError.h"
#include "platform/WholeNumber.h"

#include <array>

namespace tezvan {
namespace {

struct NamedColour {
    const char* name;
    quint32 value;
};

constexpr quint32 rgb(quint32 r, quint32 g, quint32 b)
{
    return r | (g << 8) | (b << 16);
}
constexpr quint32 sys(quint32 n)
{
    return kSystemColourBase + n;
}

constexpr std::array<NamedColour, 42> kNames{{
    {"clBlack", rgb(0, 0, 0)},
    {"clMaroon", rgb(128, 0, 0)},
    {"clGreen", rgb(0, 128, 0)},
    {"clOlive", rgb(128, 128, 0)},
    {"clNavy", rgb(0, 0, 128)},
    {"clPurple", rgb(128, 0, 128)},
    {"clTeal", rgb(0, 128, 128)},
    {"clGray", rgb(128, 128, 128)},
    {"clSilver", rgb(192, 192, 192)},
    {"clRed", rgb(255, 0, 0)},
    {"clLime", rgb(0, 255, 0)},
    {"clYellow", rgb(255, 255, 0)},
    {"clBlue", rgb(0, 0, 255)},
    {"clFuchsia", rgb(255, 0, 255)},
    {"clAqua", rgb(0, 255, 255)},
    {"clWhite", rgb(255, 255, 255)},
    {"clScrollBar", sys(0)},
    {"clBackground", sys(1)},
    {"clActiveCaption", sys(2)},
    {"clInactiveCaption", sys(3)},
    {"clMenu", sys(4)},
    {"clWindow", sys(5)},
    {"clWindowFrame", sys(6)},
    {"clMenuText", sys(7)},
    {"clWindowText", sys(8)},
    {"clCaptionText", sys(9)},
    {"clActiveBorder", sys(10)},
    {"clInactiveBorder", sys(11)},
    {"clAppWorkSpace", sys(12)},
    {"clHighlight", sys(13)},
    {"clHighlightText", sys(14)},
    {"clBtnFace", sys(15)},
    {"clBtnShadow", sys(16)},
    {"clGrayText", sys(17)},
    {"clBtnText", sys(18)},
    {"clInactiveCaptionText", sys(19)},
    {"clBtnHighlight", sys(20)},
    {"cl3DDkShadow", sys(21)},
    {"cl3DLight", sys(22)},
    {"clInfoText", sys(23)},
    {"clInfoBk", sys(24)},
    {"clNone", 536870911u},
}};

} // namespace

QString colourText(quint32 value)
{
    for (const NamedColour& c : kNames)
        if (c.value == value)
            return QString::fromLatin1(c.name);
    return QLatin1Char('$') + QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<quint32> colourOfText(const QString& text)
{
    for (const NamedColour& c : kNames)
        if (text.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return c.value;
    if (text.startsWith(QLatin1Char('$'))) {
        // One to eight hex digits, nothing else: the whole 32-bit value, system colours too.
        const QStringView digits = QStringView(text).mid(1);
        if (digits.isEmpty() || digits.size() > 8)
            return std::nullopt;
        quint32 v = 0;
        for (const QChar c : digits) {
            const int d = QStringLiteral("0123456789ABCDEF").indexOf(c, 0, Qt::CaseInsensitive);
            if (d < 0)
                return std::nullopt;
            v = v * 16 + quint32(d);
        }
        return v;
    }
    if (const auto v = platform::parseWholeNumber(text))
        return quint32(*v); // a negative number is the same 32 bits, as the value was stored
    return std::nullopt;
}

quint32 colourOfTextOrThrow(const QString& text)
{
    if (const auto v = colourOfText(text))
        return *v;
    throw platform::CommandError(platform::notAnIntegerMessage(text));
}

std::optional<int> systemColourNumber(quint32 value)
{
    if (value >= sys(0) && value <= sys(24))
        return int(value - kSystemColourBase);
    return std::nullopt;
}

} // namespace tezvan
