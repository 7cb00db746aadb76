#pragma once
// tezvan's sixteen built-in sounds (fourteen notes, the menu click, the programmer's
// flourish) and the one voice they play on. Not a mixer and not a file player: items are
// addressed by index only, never by their labels, and nothing is read from disk.
// The stored form is SampleBankLayout.h's.

#include "platform/PreparedSound.h"
#include "platform/Voice.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <exception>
#include <vector>

namespace tezvan {

constexpr int kSampleCount = 16;
constexpr int kClickSample = 14;      // "Dolasim": the menu navigation click
constexpr int kProgrammerSample = 15; // "Cks": the programmer's window

// Why a stored bank (or one sample) could not be loaded. The program reports message()
// and ends: the main window cannot exist without its sounds.
class SampleBankError : public std::exception {
public:
    enum class Reason {
        InvalidWave, // a sample fails the RIFF/WAVE/"fmt " check or is shorter than the layout's shortest
        Compressed,  // a sample stored compressed: this reader does not know that format
        Damaged,     // the container or a value ends early, or carries unknown flag bits
        Missing,     // the built-in bank is not in the program
    };

    SampleBankError(Reason reason, QString message)
        : reason_(reason), message_(std::move(message)), utf8_(message_.toUtf8())
    {
    }
    Reason reason() const { return reason_; }
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    Reason reason_;
    QString message_;
    QByteArray utf8_;
};

// One item of the bank. The sample is the exact RIFF image as stored; sound is the same
// sample prepared for the voice when it was loaded (null when empty or not playable PCM).
struct SampleItem {
    QByteArray description; // single-byte label, at most 255 characters
    qint32 ident = 0;       // a label only
    bool compressed = false;
    QByteArray wave; // the RIFF/WAVE image; empty = no sample
    platform::SoundPtr sound;

    bool empty() const { return wave.isEmpty(); }
};

// Reads one "Internal" value (SampleBankLayout.h), for an item stored with the given
// description and ident (index only names the item in messages). Throws SampleBankError
// on a damaged value, a compressed or an invalid sample. The sample is not prepared here.
SampleItem readInternalValue(const QByteArray& description, qint32 ident, const QByteArray& value, int index = -1);

// Throws SampleBankError(InvalidWave) unless wave passes the sample check of the layout.
void checkWave(const QByteArray& wave, int index);

class SampleBank {
public:
    // An empty bank on the given voice; the voice must outlive the bank.
    explicit SampleBank(platform::Voice& voice);
    // Release: stops the voice first, so no sample is cut from under it.
    ~SampleBank();

    SampleBank(const SampleBank&) = delete;
    SampleBank& operator=(const SampleBank&) = delete;

    // Builds the bank from its stored container. All or nothing: on a SampleBankError
    // the bank keeps what it held.
    void load(const QByteArray& stored);
    // The bank built into the program (resource ":/tezvan/bank.tzb"), which must hold
    // exactly kSampleCount items.
    void loadBuiltIn();
    // The stored container built into the program; throws SampleBankError(Missing).
    static QByteArray builtInData();

    // Starts item index on the voice, cutting off whatever sounds. False when the sample
    // is empty or the voice started nothing (no device, a sample it cannot play).
    // An index outside 0..count()-1 throws platform::CommandError (the command ends).
    bool play(int index);
    // Silences whatever sounds, whichever item it came from.
    void stop();

    int count() const { return int(items_.size()); }
    const SampleItem& item(int index) const;

    // Puts a new sample into item index (empty wave: the item becomes empty). The voice
    // is stopped before the old sample goes. Throws SampleBankError on an invalid wave,
    // leaving the item as it was.
    void replace(int index, const QByteArray& wave);
    // Stops the voice and empties the bank.
    void release();

private:
    static std::vector<SampleItem> parse(const QByteArray& stored);
    void checkIndex(int index) const;

    platform::Voice& voice_;
    std::vector<SampleItem> items_;
};

} // namespace tezvan
