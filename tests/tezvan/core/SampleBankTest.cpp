// The sample bank's stored form, its validation, and playing through the one voice.
#include "tezvan/core/SampleBank.h"
#include "make_tezvan_bank/TezvanBank.h"
#include "platform/CommandError.h"
#include "platform/VirtualClock.h"
#include "platform/WaveFile.h"
#include "support/FakeVoice.h"
#include "support/RowName.h"
#include "support/WaveChunks.h"

#include <QtEndian>
#include <gtest/gtest.h>

using tezvan::SampleBank;
using tezvan::SampleBankError;
using Reason = SampleBankError::Reason;
using testing_support::le32;
using testing_support::RowName;

namespace {

// A RIFF image of the given total size (44 or more, even): 11025 Hz 16-bit mono silence.
QByteArray waveOfSize(int size)
{
    return platform::waveFileImage(std::vector<qint16>(std::size_t(size - 44) / 2), 11025);
}

QByteArray container(const std::vector<std::pair<QByteArray, QByteArray>>& items) // (stored description, value)
{
    QByteArray out = "TZVBANK1" + le32(quint32(items.size()));
    for (const auto& [description, value] : items)
        out += char(description.size()) + description + le32(0) + le32(quint32(value.size())) + value;
    return out;
}

QByteArray noteValue(const QByteArray& wave)
{
    return QByteArray::fromHex("0a04") + "DO_K" + le32(quint32(wave.size())) + wave;
}

QByteArray toQt(const saz::Bytes& b)
{
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

} // namespace

TEST(SampleBankInternalValue, NoteItemAsInTheExample)
{
    const QByteArray wave = waveOfSize(30088);
    const QByteArray value = noteValue(wave);
    ASSERT_EQ(value.size(), 30098);
    ASSERT_EQ(value.left(14), QByteArray::fromHex("0a04444f5f4b88750000") + "RIFF");
    ASSERT_EQ(value.mid(14, 4), QByteArray::fromHex("80750000"));

    const tezvan::SampleItem item = tezvan::readInternalValue("stored", 7, value);
    EXPECT_EQ(item.description, QByteArray("DO_K"));
    EXPECT_EQ(item.ident, 0) << "without the ident flag the ident becomes 0";
    EXPECT_FALSE(item.compressed);
    EXPECT_EQ(item.wave, wave);
    EXPECT_EQ(toQt(tezvan_bank::internalValue("DO_K", 0, saz::Bytes(wave.begin(), wave.end()))), value)
        << "our writer stores the same bytes";
}

TEST(SampleBankInternalValue, ClickItemAsInTheExample)
{
    const QByteArray wave = waveOfSize(230);
    const QByteArray value =
        QByteArray::fromHex("0e07") + "Dolasim" + QByteArray::fromHex("0e000000e6000000") + wave;
    ASSERT_EQ(value.size(), 247);
    const tezvan::SampleItem item = tezvan::readInternalValue("", 0, value);
    EXPECT_EQ(item.description, QByteArray("Dolasim"));
    EXPECT_EQ(item.ident, 14);
    EXPECT_EQ(item.wave.size(), 230);
    EXPECT_EQ(toQt(tezvan_bank::internalValue("Dolasim", 14, saz::Bytes(wave.begin(), wave.end()))), value);
}

TEST(SampleBankInternalValue, EmptyDescriptionAndIdentZero)
{
    const QByteArray wave = waveOfSize(100);
    const QByteArray value = QByteArray::fromHex("08") + le32(100) + wave;
    EXPECT_EQ(toQt(tezvan_bank::internalValue("", 0, saz::Bytes(wave.begin(), wave.end()))), value)
        << "1 + 4 + N bytes with flags 0x08";
    const tezvan::SampleItem item = tezvan::readInternalValue("label", 9, value);
    EXPECT_TRUE(item.description.isEmpty()) << "the stored label is replaced by the empty one";
    EXPECT_EQ(item.ident, 0);
    EXPECT_EQ(item.wave, wave);
}

TEST(SampleBankInternalValue, NoSampleFlagLeavesTheItemEmpty)
{
    const tezvan::SampleItem item = tezvan::readInternalValue("", 0, QByteArray::fromHex("0203") + "abc");
    EXPECT_EQ(item.description, QByteArray("abc"));
    EXPECT_TRUE(item.empty());
}

struct BadInputRow : testing_support::NamedRow {
    QByteArray stored;
    Reason reason;
};

std::vector<BadInputRow> badInputs()
{
    QByteArray badRiff = waveOfSize(60);
    badRiff.replace(0, 4, "RIFX");
    QByteArray badWave = waveOfSize(60);
    badWave.replace(8, 4, "AVI ");
    QByteArray badFmt = waveOfSize(60);
    badFmt.replace(12, 4, "fmt_");
    const QByteArray good = noteValue(waveOfSize(60));
    const QByteArray cut = good.left(good.size() - 1);
    QByteArray compressed = good;
    compressed[0] = char(0x0B);
    QByteArray unknownFlag = good;
    unknownFlag[0] = char(0x1A);
    return {
        {"tag RIFF wrong", container({{"", noteValue(badRiff)}}), Reason::InvalidWave},
        {"tag WAVE wrong", container({{"", noteValue(badWave)}}), Reason::InvalidWave},
        {"tag fmt wrong", container({{"", noteValue(badFmt)}}), Reason::InvalidWave},
        {"sample of 33 bytes", container({{"", noteValue(waveOfSize(60).left(33))}}), Reason::InvalidWave},
        {"sample of 0 bytes with the sample flag", container({{"", noteValue({})}}), Reason::InvalidWave},
        {"value cut short inside the sample", container({{"", cut}}), Reason::Damaged},
        {"value cut short inside the description", container({{"", QByteArray::fromHex("0205") + "DO"}}),
         Reason::Damaged},
        {"compressed sample", container({{"", compressed}}), Reason::Compressed},
        {"unknown flag bits", container({{"", unknownFlag}}), Reason::Damaged},
        {"container cut short", container({{"", good}}).chopped(3), Reason::Damaged},
        {"bytes after the last item", container({{"", good}}) + "x", Reason::Damaged},
        {"not our container", QByteArray("RIFF....WAVE"), Reason::Damaged},
        {"empty", QByteArray(), Reason::Damaged},
    };
}

class SampleBankBadInput : public ::testing::TestWithParam<BadInputRow> {};

TEST_P(SampleBankBadInput, IsRefusedWithItsReason)
{
    const BadInputRow& c = GetParam();
    platform::VirtualClock clock;
    testing_support::FakeVoice voice(clock);
    SampleBank bank(voice);
    try {
        bank.load(c.stored);
        ADD_FAILURE() << "loaded";
    } catch (const SampleBankError& e) {
        EXPECT_EQ(e.reason(), c.reason) << e.what();
        EXPECT_FALSE(e.message().isEmpty());
    }
    EXPECT_EQ(bank.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, SampleBankBadInput, ::testing::ValuesIn(badInputs()), RowName());

TEST(SampleBankLoad, ThirtyFourBytesAreEnoughAndTheFailingItemIsNamed)
{
    platform::VirtualClock clock;
    testing_support::FakeVoice voice(clock);
    SampleBank bank(voice);
    const QByteArray shortest = waveOfSize(60).left(34);
    bank.load(container({{"", noteValue(shortest)}}));
    ASSERT_EQ(bank.count(), 1);
    EXPECT_EQ(bank.item(0).wave, shortest);

    try {
        bank.load(container({{"", noteValue(shortest)}, {"", noteValue(shortest.left(33))}}));
        FAIL() << "loaded";
    } catch (const SampleBankError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("sample 1"))) << e.what();
    }
    EXPECT_EQ(bank.count(), 1) << "a failed load keeps what the bank held";
}

class SampleBankPlay : public ::testing::Test {
protected:
    platform::VirtualClock clock;
    testing_support::FakeVoice voice{clock};
    SampleBank bank{voice};

    void SetUp() override
    {
        bank.loadBuiltIn();
        voice.events.clear(); // loading silences the voice; only the plays matter here
    }
};

TEST_F(SampleBankPlay, ANewNoteCutsOffTheOneSounding)
{
    ASSERT_TRUE(bank.play(3));
    clock.advanceMs(100);
    ASSERT_TRUE(bank.play(5));
    ASSERT_EQ(voice.events.size(), 2u);
    EXPECT_EQ(voice.events[0].sound, bank.item(3).sound);
    EXPECT_EQ(voice.events[1].sound, bank.item(5).sound);
    EXPECT_TRUE(voice.events[1].cutOff) << "item 3 still sounded and stops at once";
}

TEST_F(SampleBankPlay, TheSameNoteTwiceRestarts)
{
    bank.play(7);
    clock.advanceMs(30);
    bank.play(7);
    ASSERT_EQ(voice.started().size(), 2u);
    EXPECT_EQ(voice.events[1].sound, bank.item(7).sound);
    EXPECT_TRUE(voice.events[1].cutOff);
}

TEST_F(SampleBankPlay, ItemsWithTheSameLabelPlayTheirOwnSample)
{
    ASSERT_EQ(bank.item(2).description, bank.item(11).description);
    bank.play(2);
    bank.play(11);
    EXPECT_EQ(voice.events[0].sound, bank.item(2).sound);
    EXPECT_EQ(voice.events[1].sound, bank.item(11).sound);
    EXPECT_NE(voice.events[0].sound, voice.events[1].sound);
}

TEST_F(SampleBankPlay, NoDeviceOrNoSampleIsSilentAndFalse)
{
    voice.hasDevice = false;
    for (int i = 0; i < bank.count(); ++i)
        EXPECT_FALSE(bank.play(i)) << i;
    voice.hasDevice = true;
    EXPECT_TRUE(bank.play(0)) << "the device is looked for again on every play";

    bank.replace(4, {});
    EXPECT_FALSE(bank.play(4)) << "empty sample";
    EXPECT_EQ(voice.started().size(), 1u);
}

TEST_F(SampleBankPlay, IndexOutsideTheBankEndsTheCommand)
{
    for (int index : {-1, 16, 1000})
        EXPECT_THROW(bank.play(index), platform::CommandError) << index;
    EXPECT_TRUE(voice.events.empty());
}

TEST_F(SampleBankPlay, ReplaceAndReleaseStopTheVoiceFirst)
{
    bank.play(15);
    clock.advanceMs(500);
    bank.replace(2, waveOfSize(200));
    ASSERT_EQ(voice.events.back().kind, testing_support::FakeVoice::Event::Stop);
    EXPECT_TRUE(voice.events.back().cutOff) << "replacing any item silences what sounds";
    EXPECT_EQ(bank.item(2).wave.size(), 200);

    EXPECT_THROW(bank.replace(2, waveOfSize(200).left(20)), SampleBankError);
    EXPECT_EQ(bank.item(2).wave.size(), 200) << "an invalid wave leaves the item as it was";

    bank.play(15);
    clock.advanceMs(500);
    const std::size_t before = voice.events.size();
    {
        SampleBank closing(voice);
        closing.loadBuiltIn();
        closing.play(15);
        clock.advanceMs(200);
    }
    ASSERT_GT(voice.events.size(), before);
    EXPECT_EQ(voice.events.back().kind, testing_support::FakeVoice::Event::Stop);
    EXPECT_TRUE(voice.events.back().cutOff) << "closing while item 15 sounds silences it at once";
    EXPECT_FALSE(voice.sounding());
}
