#include "platform/Windows1254.h"

#include <gtest/gtest.h>

#include <vector>

using namespace platform;

TEST(Windows1254, TurkishLettersAreSingleBytes)
{
    struct Row {
        const char* text;
        QByteArray bytes;
    };
    const std::vector<Row> rows = {
        {"BİTİŞ (13)", QByteArray("B\xDDT\xDD\xDE (13)")},
        {"Mİ (02)", QByteArray("M\xDD (02)")},
        {"ıİşŞğĞçÇöÖüÜ", QByteArray("\xFD\xDD\xFE\xDE\xF0\xD0\xE7\xC7\xF6\xD6\xFC\xDC")},
        {"€…", QByteArray("\x80\x85")},
        {"日", QByteArray("?")},
        // Latin-1 letters whose bytes now hold Turkish ones are not in the code page.
        {"ÐÝÞðýþ", QByteArray("??????")},
    };
    for (const Row& row : rows) {
        const QString text = QString::fromUtf8(row.text);
        EXPECT_EQ(encodeWindows1254(text), row.bytes) << row.text;
        if (!row.bytes.contains('?')) {
            EXPECT_EQ(decodeWindows1254(row.bytes), text) << row.text;
        }
    }
}

TEST(Windows1254, EveryByteSurvivesDecodeAndEncode)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(encodeWindows1254(decodeWindows1254(all)), all);
}

TEST(Windows1254, UndefinedBytesReadAsControlCharactersOfTheirNumber)
{
    for (const unsigned char b : {0x81, 0x8D, 0x8E, 0x8F, 0x90, 0x9D, 0x9E}) {
        const char byte = char(b);
        EXPECT_EQ(decodeWindows1254(QByteArrayView(&byte, 1)), QString(QChar(char16_t(b)))) << int(b);
    }
}
