#include "platform/Windows1254.h"

#include "support/QStringPrinter.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::RowName;

struct TextRow : testing_support::NamedRow {
    const char* text;
    QByteArray bytes;
};

class Windows1254Texts : public ::testing::TestWithParam<TextRow> {};

TEST_P(Windows1254Texts, TurkishLettersAreSingleBytes)
{
    const TextRow& row = GetParam();
    const QString text = QString::fromUtf8(row.text);
    EXPECT_EQ(encodeWindows1254(text), row.bytes);
    if (!row.bytes.contains('?')) {
        EXPECT_EQ(decodeWindows1254(row.bytes), text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Windows1254Texts,
    ::testing::Values(TextRow{"BITIS with dotted capital I and S cedilla", "BİTİŞ (13)",
                              QByteArray("B\xDDT\xDD\xDE (13)")},
                      TextRow{"MI with dotted capital I", "Mİ (02)", QByteArray("M\xDD (02)")},
                      TextRow{"every Turkish letter", "ıİşŞğĞçÇöÖüÜ",
                              QByteArray("\xFD\xDD\xFE\xDE\xF0\xD0\xE7\xC7\xF6\xD6\xFC\xDC")},
                      TextRow{"euro sign and ellipsis", "€…", QByteArray("\x80\x85")},
                      TextRow{"a letter outside the code page", "日", QByteArray("?")},
                      // Latin-1 letters whose bytes now hold Turkish ones are not in the code page.
                      TextRow{"Latin-1 letters the Turkish ones replaced", "ÐÝÞðýþ", QByteArray("??????")}),
    RowName());

TEST(Windows1254, EveryByteSurvivesDecodeAndEncode)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(encodeWindows1254(decodeWindows1254(all)), all);
}

class Windows1254UndefinedByte : public ::testing::TestWithParam<unsigned char> {};

TEST_P(Windows1254UndefinedByte, ReadsAsTheControlCharacterOfItsNumber)
{
    const char byte = char(GetParam());
    EXPECT_EQ(decodeWindows1254(QByteArrayView(&byte, 1)), QString(QChar(char16_t(GetParam()))));
}

INSTANTIATE_TEST_SUITE_P(Rows, Windows1254UndefinedByte, ::testing::Values(0x81, 0x8D, 0x8E, 0x8F, 0x90, 0x9D, 0x9E),
                         [](const ::testing::TestParamInfo<unsigned char>& info) {
                             return "byte_" + QByteArray::number(info.param, 16).toUpper().toStdString();
                         });
