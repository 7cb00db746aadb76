// `tezvan --render`: the take is what playback sounds, to the output sample, with the
// built-in bank; the command's results for files it cannot read or write.
#include "tezvan/core/TakeRenderer.h"
#include "tezvan/core/SampleBank.h"

#include "support/FakeVoice.h"
#include "support/Files.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"
#include "support/WaveChunks.h"

#include "platform/VirtualClock.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <functional>

using namespace tezvan;
using testing_support::lines;
using testing_support::Pcm;
using testing_support::readFile;
using testing_support::readPcm;
using testing_support::RowName;
using testing_support::writeFile;

namespace {

// The samples of the built-in bank: their stored format, and the frames the voice plays
// of each (converted when loaded) at the render's rate.
std::vector<Pcm> bankSamples()
{
    platform::VirtualClock clock;
    testing_support::FakeVoice voice(clock);
    SampleBank bank(voice);
    bank.loadBuiltIn();
    std::vector<Pcm> samples;
    for (int i = 0; i < bank.count(); ++i) {
        Pcm pcm = readPcm(bank.item(i).wave);
        if (const platform::SoundPtr& sound = bank.item(i).sound) {
            pcm.frames.clear();
            for (std::size_t f = 0; f < sound->frames().size(); f += platform::kOutputRate / kRenderRate)
                pcm.frames.push_back(sound->frames()[f]);
        }
        samples.push_back(pcm);
    }
    return samples;
}

// What one voice sounds: each note from its onset until the next onset or its own end.
std::vector<qint16> expectedTake(const std::vector<std::pair<qint64, int>>& onsetFrameAndNote,
                                 const std::vector<Pcm>& samples)
{
    std::vector<qint16> out;
    for (std::size_t k = 0; k < onsetFrameAndNote.size(); ++k) {
        const auto [onset, note] = onsetFrameAndNote[k];
        const std::vector<qint16>& frames = samples[std::size_t(note)].frames;
        qint64 end = onset + qint64(frames.size());
        if (k + 1 < onsetFrameAndNote.size())
            end = std::min(end, onsetFrameAndNote[k + 1].first);
        out.resize(std::size_t(onset), 0); // silence since the last one ended
        for (qint64 f = onset; f < end; ++f)
            out.push_back(frames[std::size_t(f - onset)]);
    }
    return out;
}

qint64 frameOfMs(qint64 ms)
{
    return qRound64(double(ms) * kRenderRate / 1000.0);
}

} // namespace

TEST(TakeRenderer, TheBanksNotesAreMonoSixteenBitAtTheRenderRate)
{
    const std::vector<Pcm> samples = bankSamples();
    ASSERT_EQ(samples.size(), std::size_t(kSampleCount));
    for (int n = 0; n < 14; ++n) {
        ASSERT_EQ(samples[std::size_t(n)].rate, kRenderRate) << "note " << n;
        ASSERT_EQ(samples[std::size_t(n)].bits, 16) << "note " << n;
        ASSERT_EQ(samples[std::size_t(n)].channels, 1) << "note " << n;
        ASSERT_GT(samples[std::size_t(n)].frames.size(), 1000u) << "note " << n;
    }
    EXPECT_EQ(frameOfMs(453), 4994);
}

struct OnsetRow : testing_support::NamedRow {
    QStringList entries;
    std::vector<std::pair<qint64, int>> onsetMsAndNote;
};

class TakeRendererOnsets : public ::testing::TestWithParam<OnsetRow> {};

TEST_P(TakeRendererOnsets, EachNoteStartsAtItsPlaybackOnsetToTheSample)
{
    const OnsetRow& row = GetParam();
    const std::vector<Pcm> samples = bankSamples();
    ASSERT_EQ(samples.size(), std::size_t(kSampleCount));
    std::vector<std::pair<qint64, int>> onsets;
    for (const auto& [ms, note] : row.onsetMsAndNote)
        onsets.emplace_back(frameOfMs(ms), note);
    const Pcm take = readPcm(renderTake(row.entries));
    EXPECT_EQ(take.rate, kRenderRate);
    EXPECT_EQ(take.bits, 16);
    EXPECT_EQ(take.channels, 1);
    EXPECT_TRUE(take.frames == expectedTake(onsets, samples));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TakeRendererOnsets,
    ::testing::Values(
        OnsetRow{"two notes: the second cuts off the first", lines({"00=0", "01=451"}), {{0, 0}, {451, 1}}},
        OnsetRow{"a pause longer than the sample leaves silence", lines({"05=0", "06=9000"}), {{0, 5}, {9000, 6}}},
        OnsetRow{"skipped entries add no wait", lines({"02=5", "xx", "99=0", "04=20"}), {{5, 2}, {25, 4}}},
        OnsetRow{"a negative pause starts with the note before",
                 lines({"02=5", "03=-1", "13=2"}),
                 {{5, 2}, {5, 3}, {7, 13}}},
        OnsetRow{"odd milliseconds round to the nearest frame",
                 lines({"07=3", "08=5", "09=7"}),
                 {{3, 7}, {8, 8}, {15, 9}}}),
    RowName());

struct NoNotesRow : testing_support::NamedRow {
    QStringList entries;
};

class TakeRendererWithoutNotes : public ::testing::TestWithParam<NoNotesRow> {};

TEST_P(TakeRendererWithoutNotes, IsAnEmptyWave)
{
    const QByteArray wave = renderTake(GetParam().entries);
    EXPECT_EQ(wave.size(), 44);
    EXPECT_TRUE(readPcm(wave).frames.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, TakeRendererWithoutNotes,
                         ::testing::Values(NoNotesRow{"no entries", QStringList()},
                                           NoNotesRow{"entries that are no notes", lines({"xx", "99=3", ""})}),
                         RowName());

// A folder holding a note file of two notes (parça.tnl) and an earlier output (old.wav).
class TakeRendererCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writeFile(in(), "00=0\r\n01=451\r\n"));
        ASSERT_TRUE(writeFile(path("old.wav"), "old"));
    }

public:
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QString in() const { return path("parça.tnl"); }

    QTemporaryDir dir;
};

struct CommandRow : testing_support::NamedRow {
    std::function<QString(const TakeRendererCommand&)> in;
    std::function<QString(const TakeRendererCommand&)> out;
    int result;
};

class TakeRendererCommandRows : public TakeRendererCommand, public ::testing::WithParamInterface<CommandRow> {};

TEST_P(TakeRendererCommandRows, ReportsWhatItCouldNotDo)
{
    const CommandRow& row = GetParam();
    const QString out = row.out(*this);
    EXPECT_EQ(renderCommand(row.in(*this), out), row.result);
    if (row.result == 0) {
        EXPECT_EQ(readFile(out), renderTake(lines({"00=0", "01=451"})));
    }
    EXPECT_FALSE(QFile::exists(path("none.wav")));
}

QString theNoteFile(const TakeRendererCommand& t)
{
    return t.in();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TakeRendererCommandRows,
    ::testing::Values(
        CommandRow{"a take is written", theNoteFile, [](const auto& t) { return t.path("take.wav"); }, 0},
        CommandRow{"an earlier file is replaced", theNoteFile, [](const auto& t) { return t.path("old.wav"); }, 0},
        CommandRow{"a note file that is not there", [](const auto& t) { return t.path("yok.tnl"); },
                   [](const auto& t) { return t.path("none.wav"); }, 1},
        CommandRow{"a note file that is a folder", [](const auto& t) { return t.dir.path(); },
                   [](const auto& t) { return t.path("none.wav"); }, 1},
        CommandRow{"an output folder that is not there", theNoteFile,
                   [](const auto& t) { return t.path("yok/take.wav"); }, 2},
        CommandRow{"an output that is a folder", theNoteFile, [](const auto& t) { return t.dir.path(); }, 2}),
    RowName());

TEST(TakeRenderer, RefusesATakeTooLongToHold)
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("uzun.tnl"));
    ASSERT_TRUE(writeFile(in, "00=2000000000\r\n01=2000000000\r\n"));
    const QString out = dir.filePath(QStringLiteral("uzun.wav"));
    EXPECT_EQ(renderCommand(in, out), 4);
    EXPECT_FALSE(QFile::exists(out));
}
