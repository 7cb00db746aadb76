#include "tezvan2/core/RenderNota.h"
#include "support/Files.h"
#include "support/NotaRecord.h"
#include "support/RowName.h"
#include "support/WaveChunks.h"
#include "support/WaveImage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

using namespace tezvan2;
using testing_support::notaRecord;
using testing_support::RowName;

namespace {

struct RenderNotaTest : ::testing::Test {
    QTemporaryDir dir;
    QString before = QDir::currentPath();

    RenderNotaTest()
    {
        QDir::setCurrent(dir.path());
        // A second of each: DO sounds 1, RE sounds 2.
        testing_support::writeFile(QStringLiteral("do.wbs"), testing_support::waveImage(44100, 1));
        testing_support::writeFile(QStringLiteral("RE.wbs"), testing_support::waveImage(44100, 2));
    }
    ~RenderNotaTest() override { QDir::setCurrent(before); }

    std::vector<qint16> frames(const QString& wav)
    {
        const QByteArray bytes = testing_support::readFile(wav);
        const std::vector<qint16> out = testing_support::readPcm(bytes).frames;
        EXPECT_EQ(bytes.size(), 44 + 2 * qsizetype(out.size())) << "a plain header, then the frames alone";
        return out;
    }
};

} // namespace

TEST_F(RenderNotaTest, SoundsEachNoteAtItsOnset)
{
    // DO 100 ms, a rest of 50 ms, RE: RE starts at 150 ms = frame 6615.
    testing_support::writeFile(QStringLiteral("in.nota"),
                               notaRecord("DO", "100") + notaRecord("es", "50") + notaRecord("RE", "10")
                                   + notaRecord("", ""));
    ASSERT_EQ(renderNotaCommand(QStringLiteral("in.nota"), QStringLiteral("out.wav")), 0);
    const auto f = frames(QStringLiteral("out.wav"));
    ASSERT_EQ(f.size(), std::size_t(6615 + 44100)); // the last note sounds to its end
    EXPECT_EQ(f[0], 1);
    EXPECT_EQ(f[6614], 1);
    EXPECT_EQ(f[6615], 2);
    EXPECT_EQ(f.back(), 2);
}

// What the command writes on stderr while it runs.
template <typename Run> QByteArray stderrOf(Run run)
{
    std::fflush(stderr);
    std::FILE* capture = std::tmpfile();
    const int saved = ::dup(2);
    ::dup2(::fileno(capture), 2);
    run();
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    QByteArray text(4096, '\0');
    std::rewind(capture);
    text.resize(qsizetype(std::fread(text.data(), 1, std::size_t(text.size()), capture)));
    std::fclose(capture);
    return text;
}

TEST_F(RenderNotaTest, AFileThatCannotBePlayedIsToldApartFromAMissingOne)
{
    QByteArray twelveBit = testing_support::waveImage(100, 1);
    twelveBit[34] = 12; // bits per sample
    testing_support::writeFile(QStringLiteral("fa.wbs"), twelveBit);
    testing_support::writeFile(QStringLiteral("in.nota"),
                               notaRecord("DO", "10") + notaRecord("FA", "10") + notaRecord("MI", "10")
                                   + notaRecord("FA", "10") + notaRecord("", ""));
    int code = -1;
    const QByteArray err =
        stderrOf([&] { code = renderNotaCommand(QStringLiteral("in.nota"), QStringLiteral("out.wav")); });
    EXPECT_EQ(code, 0);
    const QByteArray folder = QDir::currentPath().toLocal8Bit();
    EXPECT_EQ(err,
              "tezvan2: sample \"FA.wbs\" in " + folder
                  + " exists but cannot be played: 12-bit PCM samples are not supported; silent there\n"
                    "tezvan2: no sample \"MI.wbs\" in "
                  + folder + ": silent there\n");
}

struct FailureRow : testing_support::NamedRow {
    QByteArray file; // null: no input file at all
    const char* out;
};

class RenderNotaFailure : public RenderNotaTest, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(RenderNotaFailure, ExitsNonZeroAndWritesNothing)
{
    const FailureRow& r = GetParam();
    const QString in = QStringLiteral("in.nota");
    if (!r.file.isNull())
        testing_support::writeFile(in, r.file);
    EXPECT_NE(renderNotaCommand(in, QString::fromUtf8(r.out)), 0);
    EXPECT_FALSE(QFile::exists(QString::fromUtf8(r.out)));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RenderNotaFailure,
    ::testing::Values(FailureRow{"missing input", QByteArray(), "a.wav"},
                      FailureRow{"grid without a last name",
                                 notaRecord("DO", "10") + notaRecord("", "") + notaRecord("", ""), "b.wav"},
                      FailureRow{"bad duration", notaRecord("DO", "x") + notaRecord("", ""), "c.wav"},
                      FailureRow{"output folder missing", notaRecord("DO", "10") + notaRecord("", ""),
                                 "no/such/d.wav"}),
    RowName());
