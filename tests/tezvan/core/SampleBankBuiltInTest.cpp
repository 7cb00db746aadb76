// The bank built into tezvan: its sixteen sounds' formats and lengths, their pitches, the
// generator's determinism, and --export-samples.
#include "make_tezvan_bank/TezvanBank.h"
#include "synth/PitchEstimate.h"
#include "tezvan/core/SampleBank.h"
#include "tezvan/core/SampleExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using tezvan::SampleBank;

namespace {

class NoVoice final : public platform::Voice {
public:
    bool start(const platform::SoundPtr&) override { return false; }
    void stop() override {}
};

struct Chunk {
    QByteArray id;
    qint64 offset; // of the chunk header
    quint32 size;
};

std::vector<Chunk> chunksOf(const QByteArray& wave)
{
    std::vector<Chunk> out;
    for (qint64 pos = 12; pos + 8 <= wave.size();) {
        const quint32 size = qFromLittleEndian<quint32>(wave.constData() + pos + 4);
        out.push_back({wave.mid(pos, 4), pos, size});
        pos += 8 + size + (size & 1);
    }
    return out;
}

quint16 u16At(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 u32At(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }

std::vector<std::int16_t> samplesOf(const QByteArray& wave)
{
    const Chunk data = chunksOf(wave).at(1);
    std::vector<std::int16_t> out(data.size / 2);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = qint16(u16At(wave, int(data.offset + 8 + 2 * qint64(i))));
    return out;
}

class BuiltInBank : public ::testing::Test {
protected:
    NoVoice voice;
    SampleBank bank{voice};
    void SetUp() override { bank.loadBuiltIn(); }
};

} // namespace

TEST_F(BuiltInBank, ItemsHaveTheTableFormatsAndLengths)
{
    struct Row {
        const char* description;
        qint32 ident;
        quint32 rate;
        int fileBytes;
        quint32 dataBytes;
    };
    const Row rows[] = {
        {"DO_K", 0, 11025, 30088, 30044},   {"RE_", 0, 11025, 27634, 27590},
        {"MI_", 0, 11025, 23596, 23552},    {"FA_", 0, 11025, 18584, 18540},
        {"SOL_K", 0, 11025, 23398, 23354},  {"LA_", 0, 11025, 23912, 23868},
        {"SI_", 0, 11025, 29076, 29032},    {"SOLID", 0, 11025, 20316, 20272},
        {"DO_I", 0, 11025, 23496, 23452},   {"RE_I", 0, 11025, 22246, 22202},
        {"SOL_", 0, 11025, 25844, 25800},   {"MI_", 0, 11025, 27830, 27786},
        {"DO_", 0, 11025, 36636, 36592},    {"BITIS", 0, 11025, 55776, 55732},
        {"Dolasim", 14, 22050, 230, 174},   {"Cks", 15, 22050, 111268, 111142},
    };
    ASSERT_EQ(bank.count(), 16);
    qint64 total = 0, notes = 0;
    for (int i = 0; i < 16; ++i) {
        const Row& r = rows[i];
        const tezvan::SampleItem& item = bank.item(i);
        const QByteArray& w = item.wave;
        SCOPED_TRACE(r.description);
        EXPECT_EQ(item.description, QByteArray(r.description));
        EXPECT_EQ(item.ident, r.ident);
        ASSERT_EQ(w.size(), r.fileBytes);
        EXPECT_EQ(u32At(w, 4), quint32(r.fileBytes - 8)) << "RIFF size";
        EXPECT_EQ(w.mid(8, 8), QByteArray("WAVEfmt "));
        EXPECT_EQ(u32At(w, 16), 16u);
        EXPECT_EQ(u16At(w, 20), 1) << "PCM";
        EXPECT_EQ(u16At(w, 22), 1) << "mono";
        EXPECT_EQ(u32At(w, 24), r.rate);
        EXPECT_EQ(u32At(w, 28), r.rate * 2) << "byte rate";
        EXPECT_EQ(u16At(w, 32), 2) << "block align";
        EXPECT_EQ(u16At(w, 34), 16) << "bits";
        EXPECT_EQ(w.mid(36, 4), QByteArray("data"));
        EXPECT_EQ(u32At(w, 40), r.dataBytes);
        EXPECT_TRUE(item.sound) << "prepared for the voice when loaded";
        total += w.size();
        if (i < 14) {
            notes += w.size();
            EXPECT_EQ(chunksOf(w).size(), 2u) << "nothing after the data";
        }
    }
    EXPECT_EQ(total, 499930);
    EXPECT_EQ(notes, 388432);
    for (int i = 0; i < 13; ++i)
        EXPECT_GT(bank.item(13).wave.size(), bank.item(i).wave.size()) << "the closing figure is the longest note";
}

TEST_F(BuiltInBank, ExtraChunksFollowTheData)
{
    const QByteArray click = bank.item(14).wave;
    const std::vector<Chunk> c14 = chunksOf(click);
    ASSERT_EQ(c14.size(), 3u);
    EXPECT_EQ(c14[2].id, QByteArray("fact"));
    EXPECT_EQ(c14[2].size, 4u);
    EXPECT_EQ(c14[2].offset + 12, click.size());
    EXPECT_EQ(u32At(click, int(c14[2].offset + 8)), 87u) << "its length in samples";

    const QByteArray flourish = bank.item(15).wave;
    const std::vector<Chunk> c15 = chunksOf(flourish);
    ASSERT_EQ(c15.size(), 3u);
    EXPECT_EQ(c15[2].id, QByteArray("LIST"));
    EXPECT_EQ(flourish.mid(int(c15[2].offset + 8), 4), QByteArray("INFO"));
    EXPECT_EQ(c15[2].offset + 8 + c15[2].size, flourish.size());

    // Durations as heard through the voice.
    EXPECT_NEAR(double(bank.item(14).sound->durationUs()), 4000.0, 100.0);
    EXPECT_NEAR(double(bank.item(15).sound->durationUs()) / 1e6, 2.52, 0.01);
    EXPECT_NEAR(double(bank.item(13).sound->durationUs()) / 1e6, 2.53, 0.01);
}

TEST_F(BuiltInBank, StoredFlagsAreAsTheWriterSetsThem)
{
    const QByteArray stored = SampleBank::builtInData();
    int pos = 12;
    for (int i = 0; i < 16; ++i) {
        const int labelLength = quint8(stored[pos]);
        pos += 1 + labelLength + 4;
        const quint32 valueLength = u32At(stored, pos);
        pos += 4;
        EXPECT_EQ(quint8(stored[pos]), i < 14 ? 0x0A : 0x0E) << "item " << i;
        pos += int(valueLength);
    }
    EXPECT_EQ(pos, stored.size());
}

TEST_F(BuiltInBank, NotesSoundAtTheirFundamentals)
{
    struct Row {
        int index;
        double hz;
        double fromSeconds; // where the sustained note is
    };
    const Row rows[] = {
        {0, 202, 0.15}, {1, 226, 0.15}, {2, 248, 0.15}, {3, 270, 0.15}, {4, 151, 0.15},
        {5, 170, 0.15}, {6, 185, 0.15}, {7, 180, 0.15}, {8, 201, 0.15}, {9, 226, 0.15},
        {10, 151, 0.15}, {11, 136, 0.15}, {12, 101, 0.15}, {13, 202, 1.0},
    };
    for (const Row& r : rows) {
        const std::vector<std::int16_t> s = samplesOf(bank.item(r.index).wave);
        const double hz = saz::estimatePitch(s, 11025, std::size_t(r.fromSeconds * 11025), std::size_t(0.4 * 11025));
        EXPECT_NEAR(hz, r.hz, 0.03 * r.hz) << "item " << r.index;
    }
}

TEST_F(BuiltInBank, IsExactlyWhatTheGeneratorMakesInAnyProcess)
{
    const saz::Bytes fresh = tezvan_bank::bankContainer(tezvan_bank::bankSounds());
    const QByteArray built = SampleBank::builtInData();
    ASSERT_EQ(qsizetype(fresh.size()), built.size());
    EXPECT_TRUE(std::equal(fresh.begin(), fresh.end(), reinterpret_cast<const std::uint8_t*>(built.constData())))
        << "the bank generated at build time differs from one rendered now";
}

TEST_F(BuiltInBank, ExportWritesTheSixteenImagesExactly)
{
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(QStringLiteral("new/folder"));
    ASSERT_EQ(tezvan::exportSamplesCommand(dir), 0);
    const QStringList files = QDir(dir).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 16);
    for (int i = 0; i < 16; ++i) {
        const QString name = QStringLiteral("%1.wav").arg(i, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(files[i], name);
        QFile f(QDir(dir).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), bank.item(i).wave) << name.toStdString();
    }
    EXPECT_EQ(tezvan::exportSamplesCommand(dir), 0) << "exporting again replaces the files";
}

TEST_F(BuiltInBank, ExportIntoAPlaceThatCannotBeAFolderFails)
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath(QStringLiteral("plain-file"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    EXPECT_NE(tezvan::exportSamplesCommand(file), 0) << "a file where the folder should be";
    EXPECT_NE(tezvan::exportSamplesCommand(file + QStringLiteral("/below")), 0) << "a folder under a file";
    EXPECT_NE(tezvan::exportSamplesCommand(QString()), 0) << "no folder given";
}
