#pragma once
// An exported MIDI file checked from outside: read back by an independent reader (mido), and
// sounded by FluidSynth with its General MIDI soundfont, each note's pitch measured.

#include "platform/MidiFile.h"
#include "support/WaveChunks.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace testing_support {

struct MeantNote {
    qint64 startMs;
    qint64 endMs;
    double hz; // the pitch of the note's sample
};

inline double centsBetween(double hz, double reference)
{
    return 1200.0 * std::log2(hz / reference);
}

// The strongest frequency within 60 cents of nearHz, from a Hann-windowed spectrum: narrow,
// so the release of the note before (at another pitch) does not pull it.
inline double peakNear(const std::vector<std::int16_t>& x, int rate, std::size_t from, std::size_t length,
                       double nearHz)
{
    const auto levelAt = [&](double cents) {
        const double w = 2.0 * M_PI * nearHz * std::exp2(cents / 1200.0) / rate;
        double re = 0, im = 0;
        for (std::size_t i = 0; i < length; ++i) {
            const double v = x[from + i] * (0.5 - 0.5 * std::cos(2.0 * M_PI * double(i) / double(length)));
            re += v * std::cos(w * double(i));
            im += v * std::sin(w * double(i));
        }
        return std::hypot(re, im);
    };
    std::vector<double> level;
    for (int c = -60; c <= 60; ++c)
        level.push_back(levelAt(c));
    const std::size_t k = std::size_t(std::max_element(level.begin() + 1, level.end() - 1) - level.begin());
    const double a = level[k - 1], b = level[k], c = level[k + 1];
    const double offset = (a - c) / (2.0 * (a - 2.0 * b + c));
    return nearHz * std::exp2((double(k) - 60.0 + offset) / 1200.0);
}

// Each note's pitch as FluidSynth sounds the file, measured on the note's steady part.
inline std::vector<double> fluidSynthPitches(const QString& midPath, const std::vector<platform::MidiNote>& notes)
{
    const QString wavPath = midPath + QStringLiteral(".wav");
    QProcess synth;
    synth.start(QStringLiteral("fluidsynth"),
                {QStringLiteral("-niq"), QStringLiteral("-C0"), QStringLiteral("-R0"), QStringLiteral("-F"), wavPath,
                 QStringLiteral("-r"), QStringLiteral("44100"),
                 QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"), midPath});
    EXPECT_TRUE(synth.waitForFinished(120000) && synth.exitCode() == 0)
        << synth.readAllStandardError().toStdString();
    QFile file(wavPath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const Pcm pcm = readPcm(file.readAll());
    std::vector<std::int16_t> left;
    for (std::size_t i = 0; i < pcm.frames.size(); i += std::size_t(std::max(pcm.channels, 1)))
        left.push_back(pcm.frames[i]);
    std::vector<double> pitches;
    for (const platform::MidiNote& n : notes) {
        const std::size_t from = std::size_t((n.startMs + 200) * pcm.rate / 1000);
        const std::size_t length = std::size_t(std::min<qint64>(300, n.endMs - n.startMs - 250) * pcm.rate / 1000);
        pitches.push_back(from + length <= left.size()
                              ? peakNear(left, pcm.rate, from, length, platform::hzOfMidiPitch(n.pitch))
                              : 0.0);
    }
    return pitches;
}

// Reads the file with mido: its notes within a tick and 2 cents of the meant ones; then
// FluidSynth's sound of each within 5 cents of its sample's pitch, after the soundfont's own
// tuning of the key (measured on the same key with no bend).
inline void expectMidiTake(const QString& midPath, const std::vector<MeantNote>& meant)
{
    QProcess reader;
    // Debian's own interpreter, which has Debian's mido.
    reader.start(QStringLiteral(TEST_MIDI_READER), {midPath, QString::number(platform::kMidiPluckedStringProgram)});
    ASSERT_TRUE(reader.waitForFinished(60000) && reader.exitCode() == 0)
        << reader.readAllStandardError().toStdString();
    std::vector<platform::MidiNote> notes, plain;
    for (const QByteArray& line : reader.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() == 4)
            notes.push_back({f[0].toLongLong(), f[1].toLongLong(), {f[2].toInt(), f[3].toInt()}});
    }
    ASSERT_EQ(notes.size(), meant.size());
    platform::MidiTake reference;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        EXPECT_NEAR(notes[i].startMs, meant[i].startMs, 1) << "note " << i;
        EXPECT_NEAR(notes[i].endMs, meant[i].endMs, 1) << "note " << i;
        EXPECT_NEAR(centsBetween(platform::hzOfMidiPitch(notes[i].pitch), meant[i].hz), 0.0, 2.0) << "note " << i;
        reference.notes.push_back(
            {qint64(i) * 1000, qint64(i) * 1000 + 800, {notes[i].pitch.key, platform::kMidiBendCentre}});
    }
    const QString plainPath = midPath + QStringLiteral(".plain.mid");
    ASSERT_TRUE(platform::writeMidiFile(plainPath, reference).ok());
    const std::vector<double> heard = fluidSynthPitches(midPath, notes);
    const std::vector<double> keys = fluidSynthPitches(plainPath, reference.notes);
    double worst = 0;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        const double tuning =
            centsBetween(keys[i], platform::hzOfMidiPitch({notes[i].pitch.key, platform::kMidiBendCentre}));
        EXPECT_NEAR(centsBetween(heard[i], meant[i].hz) - tuning, 0.0, 5.0)
            << "note " << i << ": heard " << heard[i] << " Hz, the key alone " << keys[i] << " Hz, meant "
            << meant[i].hz;
        worst = std::max(worst, std::abs(centsBetween(heard[i], meant[i].hz) - tuning));
    }
    std::printf("FluidSynth sounded %zu notes, the furthest %.2f cents from its sample's pitch\n", notes.size(),
                worst);
}

} // namespace testing_support
