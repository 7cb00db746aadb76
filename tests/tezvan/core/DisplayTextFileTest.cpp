// The display text file: the list's visible lines as a player reads them, one byte a letter.
#include "tezvan/core/DisplayTextFile.h"

#include "support/Files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tezvan;
using testing_support::lines;
using testing_support::readFile;

TEST(DisplayTextFile, TurkishLettersAreSingleBytes)
{
    EXPECT_EQ(displayTextBytes(lines({"BİTİŞ (13)", "Mİ (02)"})),
              QByteArray("B\xDDT\xDD\xDE (13)\r\nM\xDD (02)\r\n"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liste.txt"));
    writeDisplayTextFile(path, lines({"Mİ (02)"}));
    EXPECT_EQ(readFile(path), QByteArray("M\xDD (02)\r\n"));
}
