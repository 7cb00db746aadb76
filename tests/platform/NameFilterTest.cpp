#include "platform/Dialogs.h"

#include <gtest/gtest.h>

#include <vector>

TEST(NameFilter, QtFiltersByThePatternAfterTheBar)
{
    struct Row {
        const char* name;
        const char* filter;
        const char* expected;
    };
    const std::vector<Row> rows = {
        {"description already names the pattern: the dialog hides the pattern's list",
         "Wintezvan Nota Dosyası (*.nota)|*.nota", "Wintezvan Nota Dosyası (*.nota) (*.nota)"},
        {"plain description", "Metin Belgesi|*.txt", "Metin Belgesi (*.txt)"},
        {"pattern differs only in case", "Tezvan Nota Listesi (*.Tnl)|*.tnl",
         "Tezvan Nota Listesi (*.Tnl) (*.tnl)"},
        {"parentheses inside the description", "Notlar (eski) dosyası|*.tnl",
         "Notlar (eski) dosyası (*.tnl)"},
        {"no bar", "Her dosya (*)", "Her dosya (*)"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(platform::qtNameFilter(QString::fromUtf8(row.filter)), QString::fromUtf8(row.expected))
            << row.name;
}
