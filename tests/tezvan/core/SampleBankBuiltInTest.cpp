// The bank built into tezvan: its sixteen sounds' formats and lengths, their pitches and the
// generator's determinism.
#include "make_tezvan_bank/TezvanBank.h"
#include "synth/PitchEstimate.h"
#include "tezvan/core/SampleBank.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include "support/RowName.h"
#include "support/WaveChunks.h"

using testing_support::RowName;
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

quint16 u16At(const QByteArray& b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 u32At(const QByteArray& b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

class BuiltInBank : public ::testing::Test {
protected:
    NoVoice voice;
    SampleBank bank{voice};
    void SetUp() override { bank.loadBuiltIn(); }
};

} // namespace

struct ItemRow : testing_support::NamedRow { // name: the item's place and description
    int index;
    const char* description;
    qint32 ident;
    quint32 rate;
    int fileBytes;
    quint32 dataBytes;
};

class BuiltInBankItems : public BuiltInBank, public ::testing::WithParamInterface<ItemRow> {};

TEST_P(BuiltInBankItems, HaveTheTableFormatsAndLengths)
{
    const ItemRow& r = GetParam();
    ASSERT_EQ(bank.count(), 16);
    const tezvan::SampleItem& item = bank.item(r.index);
    const QByteArray& w = item.wave;
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
    if (r.index < 14) {
        EXPECT_EQ(chunksOf(w).size(), 2u) << "nothing after the data";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BuiltInBankItems,
    ::testing::Values(
        ItemRow{"00 DO_K", 0, "DO_K", 0, 11025, 30088, 30044}, ItemRow{"01 RE_", 1, "RE_", 0, 11025, 27634, 27590},
        ItemRow{"02 MI_", 2, "MI_", 0, 11025, 23596, 23552}, ItemRow{"03 FA_", 3, "FA_", 0, 11025, 18584, 18540},
        ItemRow{"04 SOL_K", 4, "SOL_K", 0, 11025, 23398, 23354}, ItemRow{"05 LA_", 5, "LA_", 0, 11025, 23912, 23868},
        ItemRow{"06 SI_", 6, "SI_", 0, 11025, 29076, 29032}, ItemRow{"07 SOLID", 7, "SOLID", 0, 11025, 20316, 20272},
        ItemRow{"08 DO_I", 8, "DO_I", 0, 11025, 23496, 23452}, ItemRow{"09 RE_I", 9, "RE_I", 0, 11025, 22246, 22202},
        ItemRow{"10 SOL_", 10, "SOL_", 0, 11025, 25844, 25800}, ItemRow{"11 MI_", 11, "MI_", 0, 11025, 27830, 27786},
        ItemRow{"12 DO_", 12, "DO_", 0, 11025, 36636, 36592},
        ItemRow{"13 BITIS", 13, "BITIS", 0, 11025, 55776, 55732},
        ItemRow{"14 Dolasim", 14, "Dolasim", 14, 22050, 230, 174},
        ItemRow{"15 Cks", 15, "Cks", 15, 22050, 111268, 111142}),
    RowName());

TEST_F(BuiltInBank, SixteenItemsOfTheirTotalSizeAndTheClosingFigureIsTheLongestNote)
{
    ASSERT_EQ(bank.count(), 16);
    qint64 total = 0, notes = 0;
    for (int i = 0; i < 16; ++i) {
        total += bank.item(i).wave.size();
        if (i < 14)
            notes += bank.item(i).wave.size();
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

struct PitchRow : testing_support::NamedRow {
    int index;
    double hz;
    double fromSeconds; // where the sustained note is
};

class BuiltInBankNotes : public BuiltInBank, public ::testing::WithParamInterface<PitchRow> {};

TEST_P(BuiltInBankNotes, SoundAtTheirFundamentals)
{
    const PitchRow& r = GetParam();
    const std::vector<std::int16_t> s = testing_support::readPcm(bank.item(r.index).wave).frames;
    const double hz = saz::estimatePitch(s, 11025, std::size_t(r.fromSeconds * 11025), std::size_t(0.4 * 11025));
    EXPECT_NEAR(hz, r.hz, 0.03 * r.hz);
}

INSTANTIATE_TEST_SUITE_P(Rows, BuiltInBankNotes,
                         ::testing::Values(PitchRow{"item 0", 0, 202, 0.15}, PitchRow{"item 1", 1, 226, 0.15},
                                           PitchRow{"item 2", 2, 248, 0.15}, PitchRow{"item 3", 3, 270, 0.15},
                                           PitchRow{"item 4", 4, 151, 0.15}, PitchRow{"item 5", 5, 170, 0.15},
                                           PitchRow{"item 6", 6, 185, 0.15}, PitchRow{"item 7", 7, 180, 0.15},
                                           PitchRow{"item 8", 8, 201, 0.15}, PitchRow{"item 9", 9, 226, 0.15},
                                           PitchRow{"item 10", 10, 151, 0.15}, PitchRow{"item 11", 11, 136, 0.15},
                                           PitchRow{"item 12", 12, 101, 0.15},
                                           PitchRow{"item 13, the closing figure", 13, 202, 1.0}),
                         RowName());

TEST_F(BuiltInBank, IsExactlyWhatTheGeneratorMakesInAnyProcess)
{
    const saz::Bytes fresh = tezvan_bank::bankContainer(tezvan_bank::bankSounds());
    const QByteArray built = SampleBank::builtInData();
    ASSERT_EQ(qsizetype(fresh.size()), built.size());
    EXPECT_TRUE(std::equal(fresh.begin(), fresh.end(), reinterpret_cast<const std::uint8_t*>(built.constData())))
        << "the bank generated at build time differs from one rendered now";
}
