// The table of bad inputs: every malformed case the programs know, one row each, with what
// the program answers. A row names the reader or writer, how the file is laid out (its
// bytes, missing, a folder, unreadable, in a folder that takes no new file, on a full
// disk) and the answer: a result in short words or the message the command ends with,
// the file's path written as <path>. A save that fails leaves the earlier file whole.

#include "support/AsOrdinaryUser.h"
#include "support/CommandErrorMessage.h"
#include "support/Files.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"

#include "make_tezvan_bank/TezvanBank.h"
#include "platform/Jpeg.h"
#include "platform/WaveFile.h"
#include "platform/WholeNumber.h"
#include "tezvan/core/DisplayTextFile.h"
#include "tezvan/core/KeyFile.h"
#include "tezvan/core/NoteFile.h"
#include "tezvan/core/SampleBank.h"
#include "tezvan2/core/NotaFile.h"
#include "tezvan2/core/NoteGrid.h"
#include "tezvan2/core/SampleFiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <csignal>
#include <gtest/gtest.h>
#include <string_view>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {

using namespace std::string_view_literals;
using testing_support::commandErrorOf;
using testing_support::noCommandError;
using testing_support::readFile;
using testing_support::writeFile;

enum class Reader {
    NoteFile,
    KeyFile,
    NoteFileSave,
    DisplayTextSave,
    NotaOpen,
    NotaSave,
    Wave,
    WbsFile,
    Bank,
    Jpeg,
    Number
};
// LockedFolder: the earlier file is root's and read-only; WritableInLockedFolder: anyone may
// write the earlier file, but its folder takes no new file.
enum class Layout { Bytes, Missing, Folder, Unreadable, LockedFolder, WritableInLockedFolder, FullDisk };

struct BadInput : testing_support::NamedRow {
    Reader reader;
    Layout layout;
    std::string_view bytes;         // the file's bytes, or the text of a number
    QByteArray (*make)() = nullptr; // the file's bytes, where a literal would not do
    const char* answer = "";
};

const QByteArray kEarlier = QByteArrayLiteral("earlier file\r\n");

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

// A wave with the given "fmt " fields and data bytes.
QByteArray wave(quint16 tag, quint16 channels, quint32 rate, quint16 bits, qsizetype dataBytes)
{
    const QByteArray fmt = u16(tag) + u16(channels) + u32(rate) + u32(rate * channels * bits / 8)
        + u16(quint16(channels * bits / 8)) + u16(bits);
    QByteArray body = QByteArrayLiteral("WAVEfmt ") + u32(16) + fmt + "data" + u32(quint32(dataBytes))
        + QByteArray(dataBytes, '\x10');
    return QByteArrayLiteral("RIFF") + u32(quint32(body.size())) + body;
}

QByteArray smallWave()
{
    return platform::waveFileImage(std::vector<qint16>(30, 500), 44100);
}

QByteArray bankOf(const QByteArray& value)
{
    return QByteArrayLiteral("TZVBANK1") + u32(1) + '\0' + u32(0) + u32(quint32(value.size())) + value;
}

QByteArray goodBank()
{
    const QByteArray w = smallWave();
    const saz::Bytes b = tezvan_bank::bankContainer({{"NOTA", 3, saz::Bytes(w.begin(), w.end())}});
    return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size()));
}

QByteArray smallJpeg()
{
    QImage image(9, 7, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    return platform::encodeJpeg(image, 80);
}

// A whole JPEG whose frame header claims width x height (the data is for 9 x 7).
QByteArray jpegClaiming(quint16 width, quint16 height)
{
    QByteArray jpeg = smallJpeg();
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    qToBigEndian(height, jpeg.data() + sof + 5);
    qToBigEndian(width, jpeg.data() + sof + 7);
    return jpeg;
}

QString answerOf(const BadInput& row, const QString& path)
{
    const QByteArray bytes = row.make ? row.make() : QByteArray(row.bytes.data(), qsizetype(row.bytes.size()));
    switch (row.reader) {
    case Reader::NoteFile: {
        QStringList entries;
        const QString error = commandErrorOf([&] { entries = tezvan::readNoteFile(path); });
        if (error != noCommandError())
            return error;
        const auto numbers = std::count_if(entries.begin(), entries.end(),
                                           [](const QString& e) { return tezvan::parseNoteEntry(e).has_value(); });
        return QStringLiteral("%1 lines, %2 as numbers").arg(entries.size()).arg(numbers);
    }
    case Reader::KeyFile: {
        const tezvan::KeyFileReading r = tezvan::readKeyFile(path);
        switch (r.outcome) {
        case tezvan::KeyFileReading::Outcome::Factory: return QStringLiteral("the factory keys");
        case tezvan::KeyFileReading::Outcome::Keys: return QStringLiteral("%1 key words").arg(r.values.size());
        case tezvan::KeyFileReading::Outcome::Error: return r.message;
        }
        return {};
    }
    case Reader::NoteFileSave:
    case Reader::DisplayTextSave: {
        const QStringList entries{QStringLiteral("00=0"), QStringLiteral("01=451")};
        const QString error = commandErrorOf([&] {
            if (row.reader == Reader::NoteFileSave)
                tezvan::writeNoteFile(path, entries);
            else
                tezvan::writeDisplayTextFile(path, tezvan::visibleLinesOf(entries));
        });
        return error == noCommandError() ? QStringLiteral("saved") : error;
    }
    case Reader::NotaOpen: {
        tezvan2::NoteGrid grid;
        grid.setCount(3);
        grid.setName(0, QStringLiteral("önce"));
        const QString error = commandErrorOf([&] { tezvan2::nota::open(path, grid); });
        if (error != noCommandError())
            return error;
        return QStringLiteral("%1 columns, the first \"%2\" \"%3\"")
            .arg(grid.count())
            .arg(grid.name(0), grid.duration(0));
    }
    case Reader::NotaSave: {
        tezvan2::NoteGrid grid;
        grid.setCount(2);
        grid.setName(0, QStringLiteral("LA"));
        const QString error =
            commandErrorOf([&] { tezvan2::nota::save(path, grid, tezvan2::nota::LongCells::Refuse); });
        return error == noCommandError() ? QStringLiteral("saved") : error;
    }
    case Reader::Wave: {
        QString why;
        const platform::SoundPtr sound = platform::prepareSound(bytes, &why);
        return sound ? QStringLiteral("%1 frames").arg(sound->frames().size()) : why;
    }
    case Reader::WbsFile: {
        class Silent final : public platform::Voice {
            bool start(const platform::SoundPtr&) override { return true; }
            void stop() override {}
        } voice;
        tezvan2::SampleFiles files(voice, QFileInfo(path).path());
        QString why;
        const platform::SoundPtr sound = files.load(QFileInfo(path).fileName(), &why);
        return sound ? QStringLiteral("%1 frames").arg(sound->frames().size()) : why;
    }
    case Reader::Bank: {
        class Silent final : public platform::Voice {
            bool start(const platform::SoundPtr&) override { return true; }
            void stop() override {}
        } voice;
        tezvan::SampleBank bank(voice);
        try {
            bank.load(bytes);
        } catch (const tezvan::SampleBankError& e) {
            return e.message();
        }
        return QStringLiteral("%1 items").arg(bank.count());
    }
    case Reader::Jpeg: {
        const QImage picture = platform::decodeJpeg(bytes);
        return picture.isNull() ? QStringLiteral("no picture")
                                : QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height());
    }
    case Reader::Number: {
        const QString text = QString::fromUtf8(bytes);
        const auto n = platform::parseWholeNumber(text);
        return n ? QString::number(*n) : platform::notAnIntegerMessage(text);
    }
    }
    return {};
}

bool isSave(Reader r)
{
    return r == Reader::NoteFileSave || r == Reader::DisplayTextSave || r == Reader::NotaSave;
}

// A small file system of its own, filled to the last byte; where mounting is not allowed,
// a file size limit stands in (then the message may name another error).
class FullDisk {
public:
    explicit FullDisk(const QString& folder) : folder_(folder)
    {
        mounted_ = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") == 0;
        if (!mounted_) {
            std::signal(SIGXFSZ, SIG_IGN);
            ::getrlimit(RLIMIT_FSIZE, &saved_);
            limited_ = true;
        }
    }
    // Call once the earlier file is in place.
    void fill()
    {
        if (mounted_) {
            QFile filler(folder_ + QStringLiteral("/filler"));
            if (filler.open(QIODevice::WriteOnly)) {
                const QByteArray block(4096, 'x');
                while (filler.write(block) == block.size() && filler.flush()) {
                }
                const QByteArray byte(1, 'x');
                while (filler.write(byte) == 1 && filler.flush()) {
                }
            }
        } else {
            rlimit tiny = saved_;
            tiny.rlim_cur = 8;
            ::setrlimit(RLIMIT_FSIZE, &tiny);
        }
    }
    ~FullDisk()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
        if (limited_) {
            ::setrlimit(RLIMIT_FSIZE, &saved_);
            std::signal(SIGXFSZ, SIG_DFL);
        }
    }
    bool mounted() const { return mounted_; }

private:
    QString folder_;
    bool mounted_ = false;
    bool limited_ = false;
    rlimit saved_{};
};

class BadInputs : public ::testing::TestWithParam<BadInput> {};

TEST_P(BadInputs, AnswerAsTheTableSays)
{
    const BadInput& row = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Everyone may enter: the rows read as an ordinary user run with the root's folder.
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755));
    const QString folder = dir.filePath(QStringLiteral("d"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/file");
    const QByteArray bytes = row.make ? row.make() : QByteArray(row.bytes.data(), qsizetype(row.bytes.size()));

    std::optional<FullDisk> fullDisk;
    if (row.layout == Layout::FullDisk)
        fullDisk.emplace(folder);
    switch (row.layout) {
    case Layout::Bytes:
    case Layout::Unreadable: ASSERT_TRUE(writeFile(path, bytes)); break;
    case Layout::Missing: break;
    case Layout::Folder: ASSERT_TRUE(QDir().mkpath(path)); break;
    case Layout::LockedFolder:
    case Layout::FullDisk: ASSERT_TRUE(writeFile(path, kEarlier)); break;
    case Layout::WritableInLockedFolder:
        ASSERT_TRUE(writeFile(path, kEarlier));
        ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::Permissions(0x6666)));
        break;
    }
    if (row.layout == Layout::Unreadable) {
        ASSERT_TRUE(QFile::setPermissions(path, {}));
    }
    const bool lockedFolder = row.layout == Layout::LockedFolder || row.layout == Layout::WritableInLockedFolder;
    if (lockedFolder) {
        ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::Permissions(0x5555)));
    }
    if (fullDisk)
        fullDisk->fill();

    QString answer;
    if (row.layout == Layout::Unreadable || lockedFolder) {
        testing_support::AsOrdinaryUser user;
        if (!user.ok())
            GTEST_SKIP() << "running as root and cannot act as an ordinary user";
        answer = answerOf(row, path);
    } else {
        answer = answerOf(row, path);
    }
    // What is left, read before a full disk goes away with its files.
    const QByteArray left = readFile(path);
    QStringList leftFiles = QDir(folder).entryList(QDir::Files);
    leftFiles.removeAll(QStringLiteral("filler"));
    const bool realFullDisk = fullDisk && fullDisk->mounted();
    fullDisk.reset();
    QFile::setPermissions(folder, QFileDevice::Permissions(0x7755));
    QFile::setPermissions(path, QFileDevice::Permissions(0x6644));
    answer.replace(path, QStringLiteral("<path>"));

    if (row.layout == Layout::FullDisk && !realFullDisk) {
        EXPECT_NE(answer, QStringLiteral("saved")) << "with a file size limit in place of a full disk";
    } else {
        EXPECT_EQ(answer, QString::fromUtf8(row.answer));
    }
    if (isSave(row.reader) && answer != QStringLiteral("saved") && row.layout != Layout::Folder) {
        EXPECT_EQ(left, kEarlier) << "the earlier file is gone";
        EXPECT_EQ(leftFiles, QStringList{QStringLiteral("file")}) << "a file was left behind";
    }
    if (answer == QStringLiteral("saved")) {
        EXPECT_NE(left, kEarlier) << "reported as saved, but the file is as it was";
    }
}

// clang-format off
// Files cut short or damaged, of every kind that is read.
INSTANTIATE_TEST_SUITE_P(
    Damaged, BadInputs,
    ::testing::Values(
        BadInput{{"note file of binary bytes"}, Reader::NoteFile, Layout::Bytes, "\x01\xFF\r\x80=\n\x7F"sv, nullptr,
                 "3 lines, 0 as numbers"},
        BadInput{{"note file cut by a NUL byte"}, Reader::NoteFile, Layout::Bytes, "01=5\r\n\0" "02=7\r\n"sv, nullptr,
                 "1 lines, 1 as numbers"},
        BadInput{{"key file of thirteen lines"}, Reader::KeyFile, Layout::Bytes, "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12\r\n13\r\n"sv,
                 nullptr, "the factory keys"},
        BadInput{{"key file with a key word above 65535"}, Reader::KeyFile, Layout::Bytes,
                 "1\n2\n3\n4\n5\n6\n7\n65536\n9\n10\n11\n12\n13\n14\n"sv, nullptr, "'65536' is not a valid key value"},
        BadInput{{"nota file of one record"}, Reader::NotaOpen, Layout::Bytes, "\x02LA\0\0\0\0\x01" "5\0\0\0\0"sv, nullptr,
                 "3 columns, the first \"önce\" \"\""},
        BadInput{{"nota file cut inside its second record"}, Reader::NotaOpen, Layout::Bytes,
                 "\x02LA\0\0\0\0\x01" "5\0\0\0\0\x02SI"sv, nullptr, "3 columns, the first \"önce\" \"\""},
        BadInput{{"nota file whose lengths exceed five"}, Reader::NotaOpen, Layout::Bytes,
                 "\xFFLAMIR\x09" "12345\0\0\0\0\0\0\0\0\0\0\0\0"sv, nullptr, "1 columns, the first \"LAMIR\" \"12345\""},
        BadInput{{"wave that is no RIFF file"}, Reader::Wave, Layout::Bytes, "RIFX\0\0\0\0WAVE"sv, nullptr,
                 "it is not a RIFF/WAVE file"},
        BadInput{{"compressed wave"}, Reader::Wave, Layout::Bytes, {}, [] { return wave(2, 1, 44100, 4, 64); },
                 "it is compressed (format tag 2), not PCM or float"},
        BadInput{{"wave without a data chunk"}, Reader::Wave, Layout::Bytes, {},
                 [] { return wave(1, 1, 44100, 16, 0).left(36); }, "it has no data chunk"},
        BadInput{{"wave whose format chunk is cut short"}, Reader::Wave, Layout::Bytes, {},
                 [] { return wave(1, 1, 44100, 16, 8).left(30); }, "its format chunk is cut short (10 bytes)"},
        BadInput{{"wave at 0 Hz"}, Reader::Wave, Layout::Bytes, {}, [] { return wave(1, 1, 0, 16, 64); },
                 "its rate of 0 Hz is out of range"},
        BadInput{{"wave of 100 channels"}, Reader::Wave, Layout::Bytes, {}, [] { return wave(1, 100, 44100, 16, 400); },
                 "it claims 100 channels"},
        BadInput{{"wave of 12-bit samples"}, Reader::Wave, Layout::Bytes, {}, [] { return wave(1, 1, 44100, 12, 64); },
                 "12-bit PCM samples are not supported"},
        BadInput{{"wave whose data holds no whole frame"}, Reader::Wave, Layout::Bytes, {},
                 [] { return wave(1, 2, 44100, 16, 3); }, "its data chunk holds no sound"},
        BadInput{{"bank without its header"}, Reader::Bank, Layout::Bytes, "TZVBANK2\0\0\0\0"sv, nullptr,
                 "The sample bank is damaged: it does not start with its header"},
        BadInput{{"bank cut inside its item"}, Reader::Bank, Layout::Bytes, {}, [] { return goodBank().chopped(5); },
                 "The sample bank is damaged: the bank ends before its value"},
        BadInput{{"bank with bytes after its last item"}, Reader::Bank, Layout::Bytes, {},
                 [] { return goodBank() + "x"; }, "The sample bank is damaged: bytes follow its last item"},
        BadInput{{"bank item stored compressed"}, Reader::Bank, Layout::Bytes, {},
                 [] { return bankOf(QByteArrayLiteral("\x09") + u32(4) + "abcd"); },
                 "The sample bank holds sample 0 compressed, which this program cannot read"},
        BadInput{{"bank item with unknown flags"}, Reader::Bank, Layout::Bytes, {},
                 [] { return bankOf(QByteArrayLiteral("\x10")); },
                 "The sample bank is damaged: unknown flags 10 in sample 0"},
        BadInput{{"bank item whose sample is no wave"}, Reader::Bank, Layout::Bytes, {},
                 [] { return bankOf(QByteArrayLiteral("\x08") + u32(40) + QByteArray(40, 'R')); },
                 "Invalid wave data in sample 0 of the sample bank"},
        BadInput{{"bank item whose sample is cut short"}, Reader::Bank, Layout::Bytes, {},
                 [] { return bankOf(QByteArrayLiteral("\x08") + u32(400) + smallWave().left(100)); },
                 "The sample bank is damaged: the value of sample 0 ends before its sample"},
        BadInput{{"empty picture"}, Reader::Jpeg, Layout::Bytes, ""sv, nullptr, "no picture"},
        BadInput{{"picture that is no JPEG"}, Reader::Jpeg, Layout::Bytes, "GIF89a\x01\0\x01\0"sv, nullptr, "no picture"},
        BadInput{{"picture cut short"}, Reader::Jpeg, Layout::Bytes, {}, [] { return smallJpeg().chopped(40); },
                 "no picture"},
        BadInput{{"picture whose header claims 60000 x 60000 pixels"}, Reader::Jpeg, Layout::Bytes, {},
                 [] { return jpegClaiming(60000, 60000); }, "no picture"},
        BadInput{{"picture whose header claims 20000 x 20000 pixels"}, Reader::Jpeg, Layout::Bytes, {},
                 [] { return jpegClaiming(20000, 20000); }, "no picture"},
        BadInput{{"whole picture"}, Reader::Jpeg, Layout::Bytes, {}, smallJpeg, "9 x 7"}),
    testing_support::RowName{});

// Texts that are to be whole numbers (a pause, a duration, a shortcut value).
INSTANTIATE_TEST_SUITE_P(
    Numbers, BadInputs,
    ::testing::Values(
        BadInput{{"empty text"}, Reader::Number, Layout::Bytes, ""sv, nullptr, "'' is not a valid integer value"},
        BadInput{{"sign alone"}, Reader::Number, Layout::Bytes, "-"sv, nullptr, "'-' is not a valid integer value"},
        BadInput{{"blank before the digits"}, Reader::Number, Layout::Bytes, " 7"sv, nullptr,
                 "' 7' is not a valid integer value"},
        BadInput{{"fraction"}, Reader::Number, Layout::Bytes, "1.5"sv, nullptr, "'1.5' is not a valid integer value"},
        BadInput{{"hexadecimal"}, Reader::Number, Layout::Bytes, "0x10"sv, nullptr, "'0x10' is not a valid integer value"},
        BadInput{{"one past the largest"}, Reader::Number, Layout::Bytes, "2147483648"sv, nullptr,
                 "'2147483648' is not a valid integer value"},
        BadInput{{"Arabic-Indic digits"}, Reader::Number, Layout::Bytes, "\u0661\u0662"sv, nullptr,
                 "'\u0661\u0662' is not a valid integer value"},
        BadInput{{"smallest"}, Reader::Number, Layout::Bytes, "-2147483648"sv, nullptr, "-2147483648"},
        BadInput{{"key file line that is no number"}, Reader::KeyFile, Layout::Bytes,
                 "1\n2\n3\n4\n5\n6\n7\nA\n9\n10\n11\n12\n13\n14\n"sv, nullptr, "'A' is not a valid integer value"},
        BadInput{{"note entries whose texts are not numbers"}, Reader::NoteFile, Layout::Bytes,
                 "0a=5\r\n01=x1\r\n01= 5\r\n01=\r\n01=2147483648\r\n01=-12\r\n"sv, nullptr, "6 lines, 1 as numbers"}),
    testing_support::RowName{});

// Files that are not there, cannot be read, or cannot be written.
INSTANTIATE_TEST_SUITE_P(
    Files, BadInputs,
    ::testing::Values(
        BadInput{{"missing note file"}, Reader::NoteFile, Layout::Missing, {}, nullptr, "Cannot open file <path>"},
        BadInput{{"folder opened as note file"}, Reader::NoteFile, Layout::Folder, {}, nullptr, "Cannot open file <path>"},
        BadInput{{"unreadable note file"}, Reader::NoteFile, Layout::Unreadable, "01=5\r\n"sv, nullptr,
                 "Cannot open file <path>"},
        BadInput{{"note file saved over a folder"}, Reader::NoteFileSave, Layout::Folder, {}, nullptr,
                 "Cannot create file <path>"},
        BadInput{{"note file saved in a folder that takes no new file"}, Reader::NoteFileSave, Layout::LockedFolder, {},
                 nullptr, "Cannot create file <path>"},
        BadInput{{"writable note file saved in a folder that takes no new file"}, Reader::NoteFileSave,
                 Layout::WritableInLockedFolder, {}, nullptr, "saved"},
        BadInput{{"note file saved on a full disk"}, Reader::NoteFileSave, Layout::FullDisk, {}, nullptr,
                 "Cannot write file <path>: No space left on device"},
        BadInput{{"display text saved in a folder that takes no new file"}, Reader::DisplayTextSave,
                 Layout::LockedFolder, {}, nullptr, "Cannot create file <path>"},
        BadInput{{"display text saved on a full disk"}, Reader::DisplayTextSave, Layout::FullDisk, {}, nullptr,
                 "Cannot write file <path>: No space left on device"},
        BadInput{{"unreadable key file"}, Reader::KeyFile, Layout::Unreadable, "65\r\n"sv, nullptr,
                 "Cannot open file <path>"},
        BadInput{{"missing nota file"}, Reader::NotaOpen, Layout::Missing, {}, nullptr, "File not found"},
        BadInput{{"folder opened as nota file"}, Reader::NotaOpen, Layout::Folder, {}, nullptr, "File access denied"},
        BadInput{{"unreadable nota file"}, Reader::NotaOpen, Layout::Unreadable, "\x02LA\0\0\0\0\x01" "5\0\0\0\0"sv,
                 nullptr, "File access denied"},
        BadInput{{"nota file saved over a folder"}, Reader::NotaSave, Layout::Folder, {}, nullptr, "File access denied"},
        BadInput{{"nota file saved in a folder that takes no new file over a read-only file"}, Reader::NotaSave,
                 Layout::LockedFolder, {}, nullptr, "File access denied"},
        BadInput{{"nota file saved on a full disk"}, Reader::NotaSave, Layout::FullDisk, {}, nullptr, "Disk full"},
        BadInput{{"unreadable wbs file"}, Reader::WbsFile, Layout::Unreadable, {}, smallWave,
                 "it cannot be read (Permission denied)"}),
    testing_support::RowName{});
// clang-format on

} // namespace
