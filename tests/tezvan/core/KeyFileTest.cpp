// The key file: what a file's bytes give the key boxes, its bytes as written, and where
// it lives. A failed save is the key window's test.
#include "tezvan/core/KeyFile.h"

#include "support/AsOrdinaryUser.h"
#include "support/Files.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tezvan;
using testing_support::readFile;
using testing_support::RowName;
using Outcome = KeyFileReading::Outcome;

namespace {

const QByteArray
    kFactoryBytes("65\r\n83\r\n68\r\n70\r\n71\r\n72\r\n74\r\n75\r\n76\r\n186\r\n81\r\n87\r\n69\r\n82\r\n");

QList<quint16> factoryValues()
{
    const KeyWords w = factoryKeyWords();
    return QList<quint16>(w.begin(), w.end());
}

// The factory file with its line breaks replaced by eol, a break after the last line or not.
QByteArray factoryWith(const char* eol, bool lastBreak = true)
{
    QByteArray b = kFactoryBytes;
    b.replace("\r\n", eol);
    if (!lastBreak)
        b.chop(qstrlen(eol));
    return b;
}

struct ParseRow : testing_support::NamedRow {
    QByteArray bytes;
    Outcome outcome;
    QList<quint16> values;
    const char* message;
};

class KeyFileParse : public ::testing::TestWithParam<ParseRow> {};

TEST_P(KeyFileParse, GivesTheKeyBoxesTheirValues)
{
    const ParseRow& r = GetParam();
    const KeyFileReading got = parseKeyFile(r.bytes);
    EXPECT_EQ(got.outcome, r.outcome);
    EXPECT_EQ(got.values, r.values);
    EXPECT_EQ(got.message, QString::fromUtf8(r.message));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KeyFileParse,
    ::testing::Values(
        ParseRow{"factory file, CR LF", kFactoryBytes, Outcome::Keys, factoryValues(), ""},
        ParseRow{"LF", factoryWith("\n"), Outcome::Keys, factoryValues(), ""},
        ParseRow{"CR", factoryWith("\r"), Outcome::Keys, factoryValues(), ""},
        ParseRow{"no break after the last line", factoryWith("\r\n", false), Outcome::Keys, factoryValues(), ""},
        ParseRow{"Ctrl+A and a cleared box", QByteArray("16449\r\n0\r\n") + kFactoryBytes.mid(8), Outcome::Keys,
                 QList<quint16>{16449, 0} + factoryValues().mid(2), ""},
        ParseRow{"empty file", QByteArray(), Outcome::Factory, {}, ""},
        ParseRow{"13 lines", kFactoryBytes.left(kFactoryBytes.size() - 4), Outcome::Factory, {}, ""},
        ParseRow{"15 lines: an empty line after the last number", kFactoryBytes + "\r\n", Outcome::Factory, {}, ""},
        ParseRow{"15 lines: a number too many", kFactoryBytes + "82\r\n", Outcome::Factory, {}, ""},
        ParseRow{"a word on line 5", QByteArray(kFactoryBytes).replace("71", "G"), Outcome::Error,
                 factoryValues().mid(0, 4), "'G' is not a valid integer value"},
        ParseRow{"a blank before a number",
                 QByteArray(kFactoryBytes).replace("65", " 65"),
                 Outcome::Error,
                 {},
                 "' 65' is not a valid integer value"},
        ParseRow{"a number wider than a key word",
                 QByteArray(kFactoryBytes).replace("83", "65601"),
                 Outcome::Error,
                 {65},
                 "'65601' is not a valid key value"},
        ParseRow{"a negative number", QByteArray(kFactoryBytes).replace("82", "-1"), Outcome::Error,
                 factoryValues().mid(0, 13), "'-1' is not a valid key value"}),
    RowName());

TEST(KeyFileWriter, WritesFourteenDecimalLinesThatReadBack)
{
    QTemporaryDir dir;
    // The configuration folder may not exist yet.
    const QString path = dir.filePath(QStringLiteral("yeni klasör/Tuslar.ini"));
    writeKeyFile(path, factoryKeyWords());
    EXPECT_EQ(readFile(path), kFactoryBytes);

    KeyWords mine = factoryKeyWords();
    mine[0] = 16449;
    mine[13] = 0;
    writeKeyFile(path, mine);
    const KeyFileReading back = readKeyFile(path);
    EXPECT_EQ(back.outcome, Outcome::Keys);
    EXPECT_EQ(back.values, QList<quint16>(mine.begin(), mine.end()));
}

TEST(KeyFileLocation, NextToTheProgramWhereItsFolderTakesFilesElseTheConfigurationFolder)
{
    QTemporaryDir program;
    QTemporaryDir config;
    const QString beside = QDir(program.path()).filePath(QStringLiteral("Tuslar.ini"));
    EXPECT_EQ(keyFilePlace(program.path(), config.path()).path, beside);
    // The probe leaves nothing behind.
    EXPECT_TRUE(QDir(program.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

    QFile::setPermissions(program.path(),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                              | QFileDevice::ExeOther);
    {
        testing_support::AsOrdinaryUser user;
        if (!user.ok())
            GTEST_SKIP() << "cannot act as an ordinary user";
        EXPECT_EQ(keyFilePlace(program.path(), config.path()).path,
                  QDir(config.path()).filePath(QStringLiteral("Tuslar.ini")));
    }
    QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(KeyFileLocation, IsTheSameFromAnyWorkingDirectory)
{
    const QString here = QDir::currentPath();
    const QString first = keyFilePlace().path;
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    const QString second = keyFilePlace().path;
    QDir::setCurrent(here);
    EXPECT_EQ(first, second);
    EXPECT_TRUE(QDir::isAbsolutePath(first)) << first.toStdString();
}

} // namespace
