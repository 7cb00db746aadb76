#include "Windows1254.h"

#include <array>

namespace platform {
namespace {

// 0x80..0x9F; the undefined ones keep their own number as a control character.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x008E, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,
};

// Where the code page differs from Latin-1 above 0x9F: the Turkish letters.
struct Turkish {
    unsigned char byte;
    char16_t unicode;
};
constexpr std::array<Turkish, 6> kTurkish = {{
    {0xD0, 0x011E}, // Ğ
    {0xDD, 0x0130}, // İ
    {0xDE, 0x015E}, // Ş
    {0xF0, 0x011F}, // ğ
    {0xFD, 0x0131}, // ı
    {0xFE, 0x015F}, // ş
}};

char16_t decodeByte(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F)
        return kHigh[b - 0x80];
    for (const Turkish& t : kTurkish)
        if (t.byte == b)
            return t.unicode;
    return char16_t(b);
}

char encodeChar(char16_t c)
{
    if (c < 0x80)
        return char(c);
    for (const Turkish& t : kTurkish) {
        if (t.unicode == c)
            return char(t.byte);
        if (t.byte == c)
            return '?'; // the Latin-1 letter that this byte no longer means
    }
    if (c >= 0xA0 && c <= 0xFF)
        return char(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c)
            return char(0x80 + i);
    return '?';
}

// Every byte's character, looked up once: a million-line file decodes in one pass.
const std::array<char16_t, 256>& decodeTable()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> out{};
        for (int b = 0; b < 256; ++b)
            out[std::size_t(b)] = decodeByte(static_cast<unsigned char>(b));
        return out;
    }();
    return table;
}

} // namespace

QString decodeWindows1254(QByteArrayView bytes)
{
    const char16_t* table = decodeTable().data();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const unsigned char* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (const unsigned char* const end = in + bytes.size(); in != end; ++in)
        *out++ = table[*in];
    return text;
}

QByteArray encodeWindows1254(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    const char16_t* in = text.utf16();
    for (const char16_t* const end = in + text.size(); in != end; ++in)
        *out++ = *in < 0x80 ? char(*in) : encodeChar(*in);
    return bytes;
}

QByteArray windows1254Lines(const QStringList& lines)
{
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (const QString& line : lines) {
        bytes += encodeWindows1254(line);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace platform
