#include "SampleBank.h"

#include "SampleBankLayout.h"

#include "platform/CommandError.h"

#include <QFile>
#include <QtEndian>

namespace tezvan {
namespace {

using namespace bank_layout;

// Reads little-endian fields from a byte block; every read past the end is a
// SampleBankError naming what was being read.
class Reader {
public:
    Reader(const QByteArray& bytes, QString what) : bytes_(bytes), what_(std::move(what)) {}

    quint8 u8(const char* field) { return quint8(take(1, field)[0]); }
    quint32 u32(const char* field) { return qFromLittleEndian<quint32>(take(4, field).constData()); }
    qint32 i32(const char* field) { return qFromLittleEndian<qint32>(take(4, field).constData()); }
    QByteArray bytes(qint64 n, const char* field) { return take(n, field); }
    bool atEnd() const { return pos_ == bytes_.size(); }
    qint64 remaining() const { return bytes_.size() - pos_; }

private:
    QByteArray take(qint64 n, const char* field)
    {
        if (n > remaining())
            throw SampleBankError(SampleBankError::Reason::Damaged,
                                  QStringLiteral("The sample bank is damaged: %1 ends before its %2")
                                      .arg(what_, QLatin1String(field)));
        QByteArray out = bytes_.mid(pos_, n);
        pos_ += n;
        return out;
    }

    const QByteArray& bytes_;
    QString what_;
    qint64 pos_ = 0;
};

QString itemName(int index)
{
    return index >= 0 ? QStringLiteral("sample %1").arg(index) : QStringLiteral("a sample");
}

} // namespace

void checkWave(const QByteArray& wave, int index)
{
    const bool ok = wave.size() >= kShortestSample && wave.startsWith("RIFF") && wave.mid(8, 4) == "WAVE"
        && wave.mid(12, 4) == "fmt ";
    if (!ok)
        throw SampleBankError(SampleBankError::Reason::InvalidWave,
                              QStringLiteral("Invalid wave data in %1 of the sample bank").arg(itemName(index)));
}

SampleItem readInternalValue(const QByteArray& description, qint32 ident, const QByteArray& value, int index)
{
    SampleItem item;
    item.description = description;
    item.ident = ident;

    Reader in(value, QStringLiteral("the value of %1").arg(itemName(index)));
    const quint8 flags = in.u8("flags");
    if (flags & kUnknownFlags)
        throw SampleBankError(SampleBankError::Reason::Damaged,
                              QStringLiteral("The sample bank is damaged: unknown flags %1 in %2")
                                  .arg(flags, 2, 16, QLatin1Char('0'))
                                  .arg(itemName(index)));
    item.compressed = flags & Compressed;
    item.description =
        (flags & HasDescription) ? in.bytes(in.u8("description length"), "description") : QByteArray();
    item.ident = (flags & HasIdent) ? in.i32("ident") : 0;
    if (!(flags & HasSample))
        return item;
    if (item.compressed)
        throw SampleBankError(SampleBankError::Reason::Compressed,
                              QStringLiteral("The sample bank holds %1 compressed, which this program cannot read")
                                  .arg(itemName(index)));
    const quint32 length = in.u32("sample length");
    QByteArray wave = in.bytes(length, "sample");
    checkWave(wave, index);
    item.wave = std::move(wave);
    return item;
}

SampleBank::SampleBank(platform::Voice& voice) : voice_(voice) {}

SampleBank::~SampleBank()
{
    release();
}

void SampleBank::load(const QByteArray& stored)
{
    std::vector<SampleItem> items = parse(stored);
    release();
    items_ = std::move(items);
}

std::vector<SampleItem> SampleBank::parse(const QByteArray& stored)
{
    Reader in(stored, QStringLiteral("the bank"));
    if (in.bytes(kMagicSize, "header") != QByteArray(kMagic, kMagicSize))
        throw SampleBankError(SampleBankError::Reason::Damaged,
                              QStringLiteral("The sample bank is damaged: it does not start with its header"));
    const quint32 count = in.u32("item count");
    std::vector<SampleItem> items;
    items.reserve(qMin<quint32>(count, 1024));
    for (quint32 i = 0; i < count; ++i) {
        const QByteArray description = in.bytes(in.u8("description length"), "description");
        const qint32 ident = in.i32("ident");
        const QByteArray value = in.bytes(in.u32("value length"), "value");
        SampleItem item = readInternalValue(description, ident, value, int(i));
        if (!item.empty())
            item.sound = platform::prepareSound(item.wave);
        items.push_back(std::move(item));
    }
    if (!in.atEnd())
        throw SampleBankError(SampleBankError::Reason::Damaged,
                              QStringLiteral("The sample bank is damaged: bytes follow its last item"));
    return items;
}

QByteArray SampleBank::builtInData()
{
    QFile file(QStringLiteral(":/tezvan/bank.tzb"));
    if (!file.open(QIODevice::ReadOnly))
        throw SampleBankError(SampleBankError::Reason::Missing,
                              QStringLiteral("The built-in sample bank is missing from the program"));
    return file.readAll();
}

void SampleBank::loadBuiltIn()
{
    std::vector<SampleItem> items = parse(builtInData());
    if (items.size() != std::size_t(kSampleCount))
        throw SampleBankError(SampleBankError::Reason::Damaged,
                              QStringLiteral("The built-in sample bank holds %1 sounds instead of %2")
                                  .arg(items.size())
                                  .arg(kSampleCount));
    release();
    items_ = std::move(items);
}

bool SampleBank::play(int index)
{
    const SampleItem& it = item(index);
    if (it.empty())
        return false;
    return voice_.start(it.sound);
}

void SampleBank::stop()
{
    voice_.stop();
}

const SampleItem& SampleBank::item(int index) const
{
    checkIndex(index);
    return items_[std::size_t(index)];
}

void SampleBank::replace(int index, const QByteArray& wave)
{
    checkIndex(index);
    if (!wave.isEmpty())
        checkWave(wave, index);
    platform::SoundPtr sound = wave.isEmpty() ? nullptr : platform::prepareSound(wave);
    voice_.stop();
    SampleItem& it = items_[std::size_t(index)];
    it.wave = wave;
    it.sound = std::move(sound);
}

void SampleBank::release()
{
    voice_.stop();
    items_.clear();
}

void SampleBank::checkIndex(int index) const
{
    if (index < 0 || index >= count())
        throw platform::CommandError(QStringLiteral("List index out of bounds (%1)").arg(index));
}

} // namespace tezvan
