// tezvan2's ".wbs" samples as the build leaves them beside the program: every name the
// key table needs, playable, tuned to its name, and the same bytes on every run.
#include "make_wbs/WbsSamples.h"
#include "platform/PreparedSound.h"
#include "support/RowName.h"
#include "support/Tones.h"
#include "support/WaveChunks.h"
#include "synth/PitchEstimate.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>

#include <string>

namespace {

const QString kFolder = QStringLiteral(TEZVAN2_SAMPLE_DIR);

QByteArray readSample(const QString& name)
{
    QFile f(QDir(kFolder).filePath(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

std::vector<std::int16_t> pcmOf(const QByteArray& wave)
{
    return testing_support::readPcm(wave).frames;
}

double tempered(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

double komasBelow(double hz, int komas)
{
    const double koma = std::log2(9.0 / 8.0) / 9.0; // a ninth of a whole tone, in octaves
    return hz * std::pow(2.0, -komas * koma);
}

double centsBetween(double a, double b)
{
    return 1200.0 * std::log2(a / b);
}

// Amplitude of one frequency over the ringing part (0.3 s to 1.3 s).
double levelAt(const std::vector<std::int16_t>& pcm, double hz)
{
    return testing_support::levelAt(pcm, std::size_t(0.3 * 22050), 22050, hz, 22050.0);
}

struct Note : testing_support::NamedRow { // name: the file's
    double hz;                            // 0 for the chords and the closing figure
};

// What each name means: unmarked names in the octave LA3..SOL4, "-" an octave down,
// "+" one up, "++" two up, D a sharp, SIB2/SIB5 the SI two and five komas lower.
const std::vector<Note>& notes()
{
    static const std::vector<Note> table{
        {"fa+.wbs", 2 * tempered(-4)},
        {"sol+.wbs", 2 * tempered(-2)},
        {"SIB5.wbs", komasBelow(tempered(-10), 5)},
        {"SIB2.wbs", komasBelow(tempered(-10), 2)},
        {"DOD.wbs", tempered(-8)},
        {"RED.wbs", tempered(-6)},
        {"fad.wbs", tempered(-3)},
        {"SIB5-.wbs", komasBelow(tempered(-10), 5) / 2},
        {"SIB2-.wbs", komasBelow(tempered(-10), 2) / 2},
        {"LA.wbs", 220.0},
        {"SI.wbs", tempered(-10)},
        {"DO.wbs", tempered(-9)},
        {"RE.wbs", tempered(-7)},
        {"MI.wbs", tempered(-5)},
        {"fa.wbs", tempered(-4)},
        {"SOL.wbs", tempered(-2)},
        {"LA-.wbs", 110.0},
        {"SI-.wbs", tempered(-22)},
        {"DO-.wbs", tempered(-21)},
        {"SOL++.wbs", 4 * tempered(-2)},
        {"LAAK.wbs", 0},
        {"laakor.wbs", 0},
        {"BITIS.wbs", 0},
    };
    return table;
}

} // namespace

TEST(WbsSamples, EveryNameOfTheKeyTableLiesBesideTheProgram)
{
    ASSERT_EQ(notes().size(), 23u);
    QSet<QString> folded;
    for (const Note& n : notes()) {
        const QString name = QString::fromLatin1(n.name);
        folded.insert(name.toLower());
        EXPECT_TRUE(QFile::exists(QDir(kFolder).filePath(name))) << n.name << " (exactly this case)";
    }
    EXPECT_EQ(folded.size(), 23) << "23 files even where names are compared without case";
    EXPECT_EQ(wbs::wbsSounds().size(), 23u);
}

// A row's name is its file's, with + and - spelt out: "fa+.wbs" is fa_plus_wbs.
std::string fileRowName(const ::testing::TestParamInfo<Note>& info)
{
    std::string words;
    for (const char c : std::string(info.param.name))
        words += c == '+' ? std::string(" plus ") : c == '-' ? std::string(" minus ") : std::string(1, c);
    return testing_support::plainWords(words);
}

class WbsSample : public ::testing::TestWithParam<Note> {};

TEST_P(WbsSample, IsAPlayablePcmWave)
{
    const QByteArray w = readSample(QString::fromLatin1(GetParam().name));
    ASSERT_GT(w.size(), 44);
    EXPECT_EQ(w.left(4), QByteArray("RIFF"));
    EXPECT_EQ(qFromLittleEndian<quint32>(w.constData() + 4), quint32(w.size() - 8));
    EXPECT_EQ(qFromLittleEndian<quint16>(w.constData() + 22), 1) << "mono";
    EXPECT_EQ(qFromLittleEndian<quint32>(w.constData() + 24), 22050u);
    EXPECT_EQ(qFromLittleEndian<quint16>(w.constData() + 34), 16);
    EXPECT_EQ(testing_support::readPcm(w).frames.size() * 2, std::size_t(w.size() - 44))
        << "a plain header, then the frames alone";
    const platform::SoundPtr sound = platform::prepareSound(w);
    ASSERT_TRUE(sound);
    EXPECT_GT(sound->durationUs(), 900'000) << "a note that can be heard out";
    EXPECT_LT(sound->durationUs(), 3'000'000);
}

INSTANTIATE_TEST_SUITE_P(Rows, WbsSample, ::testing::ValuesIn(notes()), fileRowName);

// The notes of one pitch: the chords and the closing figure have none.
std::vector<Note> tunedNotes()
{
    std::vector<Note> out;
    for (const Note& n : notes())
        if (n.hz != 0)
            out.push_back(n);
    return out;
}

class WbsNote : public ::testing::TestWithParam<Note> {};

TEST_P(WbsNote, IsTunedToItsName)
{
    const Note& n = GetParam();
    const std::vector<std::int16_t> pcm = pcmOf(readSample(QString::fromLatin1(n.name)));
    const double hz = saz::estimatePitch(pcm, 22050, std::size_t(0.15 * 22050), std::size_t(0.4 * 22050));
    // Within 15 cents: tight enough that SIB2 cannot pass for SI (45 cents apart).
    EXPECT_NEAR(centsBetween(hz, n.hz), 0.0, 15.0) << "measured " << hz << " Hz, meant " << n.hz;
}

INSTANTIATE_TEST_SUITE_P(Rows, WbsNote, ::testing::ValuesIn(tunedNotes()), fileRowName);

TEST(WbsSamples, TheTwoChordsAreDifferentVoicings)
{
    const QByteArray key = readSample(QStringLiteral("LAAK.wbs"));
    const QByteArray picture = readSample(QStringLiteral("laakor.wbs"));
    ASSERT_FALSE(key.isEmpty());
    ASSERT_FALSE(picture.isEmpty());
    // The picture's chord reaches down to the low LA (110 Hz), the key's does not.
    const double keyLow = levelAt(pcmOf(key), 110.0) / levelAt(pcmOf(key), 220.0);
    const double pictureLow = levelAt(pcmOf(picture), 110.0) / levelAt(pcmOf(picture), 220.0);
    EXPECT_LT(keyLow, 0.05);
    EXPECT_GT(pictureLow, 0.2);
}

TEST(WbsSamples, FilesAreWhatTheGeneratorMakesInAnyProcess)
{
    for (const wbs::WbsSound& s : wbs::wbsSounds()) {
        const saz::Bytes fresh = wbs::wbsImage(s);
        const QByteArray built = readSample(QString::fromStdString(s.fileName));
        EXPECT_TRUE(
            qsizetype(fresh.size()) == built.size()
            && std::equal(fresh.begin(), fresh.end(), reinterpret_cast<const std::uint8_t*>(built.constData())))
            << s.fileName;
    }
}
