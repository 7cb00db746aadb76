// Writes the fuzz targets' seed inputs, one folder per target, from our own writers (the
// same kinds of files the tests make) and the smallest of our pictures:
//   make_fuzz_seeds OUTDIR SMALL_PICTURE.jpg

#include "make_tezvan_bank/TezvanBank.h"
#include "platform/Jpeg.h"
#include "platform/WaveFile.h"
#include "platform/WholeFile.h"
#include "platform/Windows1254.h"
#include "tezvan/core/AppearanceSettings.h"
#include "tezvan/core/ColourText.h"
#include "tezvan/core/KeyFile.h"
#include "tezvan/core/NoteFile.h"
#include "tezvan2/core/NotaFile.h"
#include "tezvan2/core/NoteGrid.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QtEndian>

#include <cstdio>
#include <vector>

namespace {

QString outDir;

void put(const char* target, const char* name, const QByteArray& bytes)
{
    const QString dir = outDir + u'/' + QLatin1String(target);
    QDir().mkpath(dir);
    if (!platform::writeWholeFile(dir + u'/' + QLatin1String(name), bytes).ok()) {
        std::fprintf(stderr, "cannot write %s/%s\n", target, name);
        std::exit(1);
    }
}

QByteArray u16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray u32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A wave of any sample layout, built field by field.
QByteArray wave(quint16 tag, quint16 channels, quint32 rate, quint16 bits, const QByteArray& data,
                bool extensible = false)
{
    QByteArray fmt = u16(extensible ? 0xFFFE : tag) + u16(channels) + u32(rate) + u32(rate * channels * bits / 8)
        + u16(quint16(channels * bits / 8)) + u16(bits);
    if (extensible)
        fmt += u16(22) + u16(bits) + u32(0) + u16(tag) + QByteArray(14, '\x01');
    QByteArray body = QByteArrayLiteral("WAVE") + "fmt " + u32(quint32(fmt.size())) + fmt + "data"
        + u32(quint32(data.size())) + data;
    if (data.size() & 1)
        body += '\0';
    return QByteArrayLiteral("RIFF") + u32(quint32(body.size())) + body;
}

QByteArray ramp(int bytes)
{
    QByteArray b(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        b[i] = char(i * 37);
    return b;
}

QByteArray arrayOf(const saz::Bytes& b)
{
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

saz::Bytes bytesOf(const QByteArray& a)
{
    return saz::Bytes(a.begin(), a.end());
}

void noteFiles()
{
    put("note_file", "notes.tnl",
        tezvan::noteFileBytes({QStringLiteral("01=451"), QStringLiteral("13=-1"), QStringLiteral("00=0"),
                               QStringLiteral("07=2147483647")}));
    put("note_file", "display.txt",
        platform::windows1254Lines(
            {QString::fromUtf8("RE (01)"), QString::fromUtf8("Sİ (12)"), QString::fromUtf8("ŞEY")}));
    put("note_file", "mixed_breaks.tnl", QByteArrayLiteral("02=10\n03=+20\r04=-0030\r\n\r\nxx=1\0tail"));
    put("note_file", "odd.tnl", QByteArrayLiteral("1=2\r\n99=99999999999\r\n-1=5\r\n05 7"));
}

void keyFiles()
{
    put("key_file", "factory.ini", tezvan::keyFileBytes(tezvan::factoryKeyWords()));
    tezvan::KeyWords words{};
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = quint16(0x2000 * (i % 5) + 0x41 + i);
    put("key_file", "shifted.ini", tezvan::keyFileBytes(words));
    put("key_file", "bad_line.ini", QByteArrayLiteral("65\n66\n-1\n70000\nx\r\n"));
}

void colourTexts()
{
    put("colour_text", "name.txt", tezvan::colourText(0x0000FF).toUtf8());
    put("colour_text", "system.txt", tezvan::colourText(tezvan::kSystemColourBase + 15).toUtf8());
    put("colour_text", "hex.txt", tezvan::colourText(0x123456).toUtf8());
    put("colour_text", "decimal.txt", QByteArrayLiteral("-16777201"));
}

// The settings store as the program writes it, then a hand-made one with a value that is no
// text (a list) and a colour that is no colour.
void settingsStores()
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, outDir + QStringLiteral("/settings_store"));
    tezvan::AppearanceRecord record;
    for (std::size_t i = 0; i < record.colours.size(); ++i)
        record.colours[i] = i == 3 ? tezvan::kSystemColourBase + 5 : quint32(0x102030 * i);
    record.step = 250;
    record.zoomLevel = 4;
    if (!tezvan::AppearanceStore().save(record)) {
        std::fprintf(stderr, "cannot write the settings seed\n");
        std::exit(1);
    }
    put("settings_store", "odd.ini",
        QByteArrayLiteral("[General]\nkc=clRed\nir=1, 2\nzr=$00FF00\n"
                          "by=kirmizi\nartirma=abc\nGorunum=\"7\"\n[other]\nx=1,2\n"));
}

void notaFiles()
{
    tezvan2::NoteGrid grid;
    const char* names[] = {"LA", "SOL#", "Mİ", "ŞU", "DO"};
    const char* lengths[] = {"500", "250", "1000", "", "12345"};
    grid.setCount(5);
    for (int c = 0; c < 5; ++c) {
        grid.setName(c, QString::fromUtf8(names[c]));
        grid.setDuration(c, QString::fromUtf8(lengths[c]));
    }
    put("nota_file", "five.nota", tezvan2::nota::encode(grid));
    grid.setCount(1);
    put("nota_file", "one.nota", tezvan2::nota::encode(grid));
    QByteArray damaged = tezvan2::nota::encode(grid);
    damaged[0] = char(200);
    damaged.append("xyz");
    put("nota_file", "damaged.nota", damaged);
}

void waves()
{
    std::vector<qint16> frames(200);
    for (std::size_t i = 0; i < frames.size(); ++i)
        frames[i] = qint16(int(i) * 311 - 30000);
    put("wave", "pcm16_44100.wav", platform::waveFileImage(frames, 44100));
    put("wave", "pcm16_11025_stereo.wav",
        platform::waveFileImage(frames, 11025, 2, {{QByteArrayLiteral("fact"), u32(100)}}));
    put("wave", "pcm8_22050.wav", wave(1, 1, 22050, 8, ramp(99)));
    put("wave", "pcm24_48000.wav", wave(1, 2, 48000, 24, ramp(120)));
    put("wave", "pcm32_8000.wav", wave(1, 1, 8000, 32, ramp(64)));
    put("wave", "float32.wav", wave(3, 1, 44100, 32, ramp(64)));
    put("wave", "float64_ext.wav", wave(3, 1, 96000, 64, ramp(64), true));
    put("wave", "adpcm.wav", wave(2, 1, 44100, 4, ramp(16)));
}

void banks()
{
    std::vector<qint16> frames(40, 1000);
    const QByteArray small = platform::waveFileImage(frames, 44100);
    const QByteArray other = wave(1, 2, 22050, 8, ramp(30));
    std::vector<tezvan_bank::BankSound> sounds{
        {"NOTA01", 1, bytesOf(small)}, {"", 0, {}}, {"Dolasim", -5, bytesOf(other)}};
    put("sample_bank", "bank.tzb", arrayOf(tezvan_bank::bankContainer(sounds)));
    put("sample_bank", "item.value", arrayOf(tezvan_bank::internalValue("NOTA01", 1, bytesOf(small))));
    put("sample_bank", "empty_item.value", arrayOf(tezvan_bank::internalValue("", 0, {})));
    put("sample_bank", "compressed.value", QByteArrayLiteral("\x09") + u32(4) + "abcd");
}

void pictures(const QString& smallPicture)
{
    QImage colour(9, 7, QImage::Format_RGB32);
    for (int y = 0; y < colour.height(); ++y)
        for (int x = 0; x < colour.width(); ++x)
            colour.setPixel(x, y, qRgb(x * 28, y * 36, 128));
    put("jpeg", "colour.jpg", platform::encodeJpeg(colour, 75));
    put("jpeg", "flat.jpg", platform::encodeJpeg(QImage(16, 16, QImage::Format_RGB32), 10));
    QFile file(smallPicture);
    if (file.open(QIODevice::ReadOnly))
        put("jpeg", "artwork.jpg", file.readAll());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_fuzz_seeds OUTDIR SMALL_PICTURE.jpg\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    noteFiles();
    keyFiles();
    colourTexts();
    settingsStores();
    notaFiles();
    waves();
    banks();
    pictures(QString::fromLocal8Bit(argv[2]));
    return 0;
}
