#include "Codepage1254.h"

#include <array>

namespace tezvan2 {
namespace {

// Bytes 0x80..0x9F; 0 where the code page defines no character.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0,      0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0,      0x0178};

// Where the code page differs from Latin-1 above 0x9F: the Turkish letters.
char16_t turkish(quint8 b)
{
    switch (b) {
    case 0xD0: return 0x011E; // Ğ
    case 0xDD: return 0x0130; // İ
    case 0xDE: return 0x015E; // Ş
    case 0xF0: return 0x011F; // ğ
    case 0xFD: return 0x0131; // ı
    case 0xFE: return 0x015F; // ş
    default: return b;
    }
}

char16_t toUnicode(quint8 b)
{
    if (b < 0x80)
        return b;
    if (b < 0xA0)
        return kHigh[b - 0x80] ? kHigh[b - 0x80] : 0xFFFD;
    return turkish(b);
}

} // namespace

QString fromCodepage1254(const QByteArray& bytes)
{
    QString s;
    s.reserve(bytes.size());
    for (char c : bytes)
        s.append(QChar(toUnicode(quint8(c))));
    return s;
}

QByteArray toCodepage1254(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        char byte = '?';
        if (u < 0x80) {
            byte = char(u);
        } else {
            for (int b = 0x80; b <= 0xFF; ++b) {
                if (toUnicode(quint8(b)) == u && u != 0xFFFD) {
                    byte = char(b);
                    break;
                }
            }
        }
        out.append(byte);
    }
    return out;
}

} // namespace tezvan2
