#pragma once
// `tezvan --render IN.tnl OUT.wav`: what playback of a note file would sound, written as
// a WAVE file (11025 Hz, 16-bit mono) without opening a window. Same player, same timing,
// same one voice; the clock is virtual, so the take renders in no time.

#include "SampleBank.h"

#include "platform/OfflineVoice.h"
#include "platform/VirtualClock.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace tezvan {

constexpr int kRenderRate = 11025;

// A playback of entries, played through at once on a virtual clock and an offline voice,
// with the sample bank stored in storedBank: what the render writes and the MIDI export
// sends. Throws SampleBankError for a broken bank.
class OfflinePlayback {
public:
    OfflinePlayback(const QStringList& entries, const QByteArray& storedBank);

    const platform::OfflineVoice& voice() const { return voice_; }
    const SampleBank& bank() const { return bank_; }

private:
    platform::VirtualClock clock_;
    platform::OfflineVoice voice_;
    SampleBank bank_;
};

// The result of a command that reads a note file and writes what its playback gives, for a
// failure with its message on standard error (1: cannot read, 2: cannot write, 3: the sample
// bank is broken, 4: the take is too long).
int playbackCommand(const QString& in, const QString& out,
                    const std::function<QByteArray(const QStringList& entries)>& fileOf);

// The WAVE file image of a playback of entries with the sample bank stored in storedBank
// (the built-in one when omitted). Each playable entry's sample starts at its playback
// onset (frame = round(onset us * rate / 1e6) from the playback's start); a note cuts off
// the one before; the last sounds to its end. Throws SampleBankError for a broken bank,
// platform::CommandError for a take too long to hold in memory (over four hours).
QByteArray renderTake(const QStringList& entries, const QByteArray& storedBank, int rate = kRenderRate);
QByteArray renderTake(const QStringList& entries, int rate = kRenderRate);

// The command: reads in, renders, writes out atomically. 0 on success; otherwise as
// playbackCommand.
int renderCommand(const QString& in, const QString& out);

} // namespace tezvan
