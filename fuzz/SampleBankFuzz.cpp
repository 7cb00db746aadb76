// The sample bank's stored container and its items' "Internal" values: any bytes load or
// are refused with a SampleBankError, all or nothing; a bank that loads, written again by
// the bank's own writer, loads to the same items.

#include "FuzzCheck.h"

#include "make_tezvan_bank/TezvanBank.h"
#include "tezvan/core/SampleBank.h"

#include <string>

namespace {

class SilentVoice final : public platform::Voice {
public:
    bool start(const platform::SoundPtr&) override { return false; }
    void stop() override {}
};

saz::Bytes bytesOf(const QByteArray& a)
{
    return saz::Bytes(a.begin(), a.end());
}

QByteArray arrayOf(const saz::Bytes& b)
{
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

// The bank as its writer takes it. Compressed items without a sample are never written
// that way; their flag is not part of what a reader keeps of them.
std::vector<tezvan_bank::BankSound> soundsOf(const tezvan::SampleBank& bank)
{
    std::vector<tezvan_bank::BankSound> sounds;
    for (int i = 0; i < bank.count(); ++i) {
        const tezvan::SampleItem& item = bank.item(i);
        sounds.push_back({item.description.toStdString(), item.ident, bytesOf(item.wave)});
    }
    return sounds;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::input(data, size);
    SilentVoice voice;

    // One item's value alone, as the container would hand it over.
    try {
        const tezvan::SampleItem item = tezvan::readInternalValue(QByteArrayLiteral("x"), 7, bytes, 0);
        const QByteArray again =
            arrayOf(tezvan_bank::internalValue(item.description.toStdString(), item.ident, bytesOf(item.wave)));
        const tezvan::SampleItem reread = tezvan::readInternalValue(QByteArrayLiteral("x"), 7, again, 0);
        FUZZ_CHECK(reread.description == item.description && reread.ident == item.ident && reread.wave == item.wave);
    } catch (const tezvan::SampleBankError&) {
    }

    tezvan::SampleBank bank(voice);
    try {
        bank.load(bytes);
    } catch (const tezvan::SampleBankError&) {
        FUZZ_CHECK(bank.count() == 0);
        return 0;
    }
    const QByteArray written = arrayOf(tezvan_bank::bankContainer(soundsOf(bank)));
    tezvan::SampleBank second(voice);
    second.load(written);
    FUZZ_CHECK(second.count() == bank.count());
    for (int i = 0; i < bank.count(); ++i) {
        const tezvan::SampleItem& a = bank.item(i);
        const tezvan::SampleItem& b = second.item(i);
        FUZZ_CHECK(a.description == b.description && a.ident == b.ident && a.wave == b.wave);
        FUZZ_CHECK(bool(a.sound) == bool(b.sound));
    }
    return 0;
}
