#include "tezvan2/core/SampleFiles.h"
#include "support/Files.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"
#include "support/WaveImage.h"

#include "platform/VirtualClock.h"
#include "support/FakeVoice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tezvan2;
using testing_support::RowName;
using testing_support::waveImage;
using testing_support::writeFile;

namespace {

struct SampleFilesTest : ::testing::Test {
    QTemporaryDir dir;
    platform::VirtualClock clock;
    testing_support::FakeVoice voice{clock};
    SampleFiles samples{voice, dir.path()};

    void put(const char* name, int frames, qint16 value = 1000)
    {
        ASSERT_TRUE(writeFile(dir.filePath(QString::fromUtf8(name)), waveImage(frames, value)));
    }
    qint16 firstFrameOf(const char* name)
    {
        const auto s = samples.load(QString::fromUtf8(name));
        return s && !s->frames().empty() ? s->frames().front() : qint16(0);
    }

    // Files that are there but cannot be played, and a folder with a sample's name.
    void putUnplayableFiles()
    {
        QByteArray compressed = waveImage(10, 1);
        compressed[20] = 2; // the format tag: ADPCM
        ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("bad.wbs")), QByteArray("not a wave at all")));
        ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("empty.wbs")), QByteArray()));
        ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("adpcm.wbs")), compressed));
        QDir(dir.path()).mkdir(QStringLiteral("folder.wbs"));
    }
};

} // namespace

struct LookUpRow : testing_support::NamedRow {
    const char* asked;
    bool found;
};

class SampleFilesLookUp : public SampleFilesTest, public ::testing::WithParamInterface<LookUpRow> {};

TEST_P(SampleFilesLookUp, FindsANameWithoutRegardToLetterCase)
{
    put("do.wbs", 100);
    EXPECT_EQ(!samples.resolve(QString::fromUtf8(GetParam().asked)).isEmpty(), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SampleFilesLookUp,
    ::testing::Values(LookUpRow{"the same name", "do.wbs", true}, LookUpRow{"upper case", "DO.wbs", true},
                      LookUpRow{"mixed case", "Do.WBS", true}, LookUpRow{"another name", "re.wbs", false},
                      LookUpRow{"the name cut short", "do.wb", false}, LookUpRow{"no name", "", false}),
    RowName());

TEST_F(SampleFilesTest, TheExactNameWinsOverAnotherCase)
{
    put("LA.wbs", 10, 111);
    put("la.wbs", 10, 222);
    EXPECT_EQ(firstFrameOf("LA.wbs"), 111);
    EXPECT_EQ(firstFrameOf("la.wbs"), 222);
}

TEST_F(SampleFilesTest, NamesWithAFolderPartAreNotLookedUp)
{
    put("do.wbs", 10);
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("sub/re.wbs")), waveImage(10, 5)));
    SampleFiles inSub(voice, dir.filePath(QStringLiteral("sub")));
    EXPECT_FALSE(inSub.resolve(QStringLiteral("re.wbs")).isEmpty());
    EXPECT_TRUE(inSub.resolve(QStringLiteral("../do.wbs")).isEmpty());
    EXPECT_TRUE(inSub.resolve(QStringLiteral("..\\do.wbs")).isEmpty());
    EXPECT_TRUE(samples.resolve(QStringLiteral("sub/re.wbs")).isEmpty());
    EXPECT_FALSE(samples.play(QStringLiteral("sub/re.wbs")));
}

struct UnplayableRow : testing_support::NamedRow {
    const char* why; // a part of the reason; empty: there is no such file
};

class SampleFilesUnplayable : public SampleFilesTest, public ::testing::WithParamInterface<UnplayableRow> {};

TEST_P(SampleFilesUnplayable, SilentWhenTheFileIsMissingOrCannotBePlayed)
{
    putUnplayableFiles();
    const QString name = QString::fromUtf8(GetParam().name);
    EXPECT_FALSE(samples.play(name));
    const QString why = samples.whyUnplayable(name);
    EXPECT_EQ(why.isEmpty(), !*GetParam().why) << why.toStdString();
    EXPECT_TRUE(why.contains(QString::fromUtf8(GetParam().why))) << why.toStdString();
    EXPECT_TRUE(voice.started().empty()) << "silence: nothing starts, what sounded stops";
}

INSTANTIATE_TEST_SUITE_P(Rows, SampleFilesUnplayable,
                         ::testing::Values(UnplayableRow{"missing.wbs", ""},
                                           UnplayableRow{"bad.wbs", "not a RIFF/WAVE file"},
                                           UnplayableRow{"EMPTY.wbs", "not a RIFF/WAVE file"},
                                           UnplayableRow{"adpcm.wbs", "compressed (format tag 2)"},
                                           UnplayableRow{"folder.wbs", ""}),
                         RowName());

TEST_F(SampleFilesTest, AFileMadePlayablePlays)
{
    putUnplayableFiles();
    EXPECT_FALSE(samples.play(QStringLiteral("adpcm.wbs")));
    put("adpcm.wbs", 20);
    EXPECT_EQ(samples.whyUnplayable(QStringLiteral("adpcm.wbs")), QString()) << "a file made playable plays";
}

TEST_F(SampleFilesTest, PlayStartsTheFileOnTheVoice)
{
    put("sol.wbs", 441, 7);
    EXPECT_TRUE(samples.play(QStringLiteral("SOL.wbs")));
    ASSERT_EQ(voice.started().size(), 1u);
    EXPECT_EQ(voice.started().front()->frames().size(), 441u);
}

TEST_F(SampleFilesTest, AChangedFileIsReadAgain)
{
    put("mi.wbs", 10, 1);
    EXPECT_EQ(firstFrameOf("mi.wbs"), 1);
    put("mi.wbs", 20, 2); // another size: the cache must not serve the old sound
    EXPECT_EQ(firstFrameOf("mi.wbs"), 2);
    QFile::remove(dir.filePath(QStringLiteral("mi.wbs")));
    EXPECT_EQ(samples.load(QStringLiteral("mi.wbs")), nullptr);
}

TEST_F(SampleFilesTest, AFileThatAppearsLaterIsFound)
{
    put("do.wbs", 10);
    EXPECT_FALSE(samples.play(QStringLiteral("SOL.wbs")));
    put("sol.wbs", 10);
    EXPECT_TRUE(samples.play(QStringLiteral("SOL.wbs")));
}

TEST(SampleFilesWorkingDirectory, LooksInTheDirectoryCurrentAtTheNote)
{
    QTemporaryDir a;
    QTemporaryDir b;
    ASSERT_TRUE(writeFile(a.filePath(QStringLiteral("fa.wbs")), waveImage(10, 3)));
    platform::VirtualClock clock;
    testing_support::FakeVoice voice(clock);
    SampleFiles samples(voice);
    const QString before = QDir::currentPath();
    QDir::setCurrent(a.path());
    EXPECT_TRUE(samples.play(QStringLiteral("FA.wbs")));
    QDir::setCurrent(b.path());
    EXPECT_FALSE(samples.play(QStringLiteral("FA.wbs")));
    QDir::setCurrent(before);
}

// An installed program started in any folder: that folder's files first, then the installed ones.
struct InstalledRow : testing_support::NamedRow {
    qint16 inWorkingFolder; // the file's first frame there; 0: no such file
    qint16 inInstalledFolder;
    qint16 heard; // 0: silence
};

class SampleFilesInstalled : public ::testing::TestWithParam<InstalledRow> {};

TEST_P(SampleFilesInstalled, TheWorkingFolderFirstThenTheInstalledSamples)
{
    QTemporaryDir working;
    QTemporaryDir installed;
    platform::VirtualClock clock;
    testing_support::FakeVoice voice{clock};
    SampleFiles samples{voice, working.path(), installed.path()};
    const InstalledRow& row = GetParam();
    if (row.inWorkingFolder) {
        ASSERT_TRUE(writeFile(working.filePath(QStringLiteral("re.wbs")), waveImage(10, row.inWorkingFolder)));
    }
    if (row.inInstalledFolder) {
        ASSERT_TRUE(writeFile(installed.filePath(QStringLiteral("RE.wbs")), waveImage(10, row.inInstalledFolder)));
    }

    EXPECT_EQ(samples.play(QStringLiteral("RE.wbs")), row.heard != 0);
    const auto started = voice.started();
    ASSERT_EQ(started.size(), row.heard ? 1u : 0u);
    if (row.heard) {
        EXPECT_EQ(started.front()->frames().front(), row.heard);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SampleFilesInstalled,
                         ::testing::Values(InstalledRow{{"only installed"}, 0, 5, 5},
                                           InstalledRow{{"in both: the working folder's"}, 3, 5, 3},
                                           InstalledRow{{"in neither: silence"}, 0, 0, 0}),
                         RowName());
