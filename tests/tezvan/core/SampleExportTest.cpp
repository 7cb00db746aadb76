// `tezvan --export-samples`: the built-in bank's sixteen images written as they are, and the
// places it cannot write into.
#include "tezvan/core/SampleExport.h"
#include "tezvan/core/SampleBank.h"

#include "support/FakeVoice.h"
#include "support/Files.h"

#include "platform/VirtualClock.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SampleExport : public ::testing::Test {
protected:
    void SetUp() override { bank.loadBuiltIn(); }

    platform::VirtualClock clock;
    testing_support::FakeVoice voice{clock};
    tezvan::SampleBank bank{voice};
};

TEST_F(SampleExport, ExportWritesTheSixteenImagesExactly)
{
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(QStringLiteral("new/folder"));
    ASSERT_EQ(tezvan::exportSamplesCommand(dir), 0);
    const QStringList files = QDir(dir).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 16);
    for (int i = 0; i < 16; ++i) {
        const QString name = QStringLiteral("%1.wav").arg(i, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(files[i], name);
        EXPECT_EQ(testing_support::readFile(QDir(dir).filePath(name)), bank.item(i).wave) << name.toStdString();
    }
    EXPECT_EQ(tezvan::exportSamplesCommand(dir), 0) << "exporting again replaces the files";
}

TEST_F(SampleExport, ExportIntoAPlaceThatCannotBeAFolderFails)
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath(QStringLiteral("plain-file"));
    ASSERT_TRUE(testing_support::writeFile(file, "x"));
    EXPECT_NE(tezvan::exportSamplesCommand(file), 0) << "a file where the folder should be";
    EXPECT_NE(tezvan::exportSamplesCommand(file + QStringLiteral("/below")), 0) << "a folder under a file";
    EXPECT_NE(tezvan::exportSamplesCommand(QString()), 0) << "no folder given";
}

} // namespace
