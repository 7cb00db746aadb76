#include "MidiFile.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

void putBigEndian(QByteArray& out, quint32 value, int bytes)
{
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}

// A delta time: seven bits a byte, most significant first, the high bit set on all but the
// last. A tick count beyond the format's 28 bits (74 hours) is held there.
void putVariableLength(QByteArray& out, qint64 ticks)
{
    quint32 value = quint32(std::clamp<qint64>(ticks, 0, 0x0FFFFFFF));
    char bytes[4];
    int n = 0;
    do {
        bytes[n++] = char(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (n > 1)
        out.append(char(bytes[--n] | 0x80));
    out.append(bytes[0]);
}

class TrackWriter {
public:
    void message(qint64 atMs, const MidiMessage& m)
    {
        delta(atMs);
        track_.append(reinterpret_cast<const char*>(m.data()), m.size);
    }

    void meta(qint64 atMs, quint8 type, const QByteArray& body)
    {
        delta(atMs);
        track_.append(char(0xFF));
        track_.append(char(type));
        putVariableLength(track_, body.size());
        track_.append(body);
    }

    const QByteArray& bytes() const { return track_; }

private:
    // The caller's times never go back; a time that did would be held at the last one.
    void delta(qint64 atMs)
    {
        putVariableLength(track_, std::max<qint64>(atMs - lastMs_, 0));
        lastMs_ = std::max(lastMs_, atMs);
    }

    QByteArray track_;
    qint64 lastMs_ = 0;
};

} // namespace

std::vector<MidiNote> midiNotesOf(const std::vector<OfflineVoice::Sounding>& soundings,
                                  const std::function<std::optional<double>(const SoundPtr&)>& pitchOf)
{
    const auto ms = [](qint64 us) { return qint64(std::llround(double(us) / 1000.0)); };
    std::vector<MidiNote> notes;
    notes.reserve(soundings.size());
    for (const OfflineVoice::Sounding& s : soundings)
        if (const std::optional<double> hz = pitchOf(s.sound))
            notes.push_back({ms(s.beginUs), ms(s.endUs()), midiPitchOf(*hz)});
    return notes;
}

QByteArray standardMidiFile(const MidiTake& take)
{
    TrackWriter track;
    track.meta(0, 0x03, take.trackName.toUtf8());
    QByteArray tempo;
    putBigEndian(tempo, kMidiMicrosecondsPerQuarter, 3);
    track.meta(0, 0x51, tempo);
    track.message(0, programChange(take.generalMidiProgram));
    for (const MidiMessage& m : bendRangeSetup())
        track.message(0, m);

    // One voice: a note's off comes before the next note's bend and on, even at one time.
    qint64 endMs = 0;
    for (std::size_t i = 0; i < take.notes.size(); ++i) {
        const MidiNote& n = take.notes[i];
        for (const MidiMessage& m : noteOnWithBend(n.pitch))
            track.message(n.startMs, m);
        const qint64 offMs = i + 1 < take.notes.size() ? std::min(n.endMs, take.notes[i + 1].startMs) : n.endMs;
        track.message(std::max(offMs, n.startMs), noteOff(n.pitch.key));
        endMs = std::max(offMs, n.startMs);
    }
    track.meta(endMs, 0x2F, {});

    QByteArray file("MThd");
    putBigEndian(file, 6, 4);
    putBigEndian(file, 0, 2); // format 0
    putBigEndian(file, 1, 2); // one track
    putBigEndian(file, kMidiTicksPerQuarter, 2);
    file.append("MTrk");
    putBigEndian(file, quint32(track.bytes().size()), 4);
    file.append(track.bytes());
    return file;
}

} // namespace platform
