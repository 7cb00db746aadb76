#pragma once
// `tezvan --render IN.tnl OUT.wav`: what playback of a note file would sound, written as
// a WAVE file (11025 Hz, 16-bit mono) without opening a window. Same player, same timing,
// same one voice; the clock is virtual, so the take renders in no time.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tezvan {

constexpr int kRenderRate = 11025;

// The WAVE file image of a playback of entries with the sample bank stored in storedBank
// (the built-in one when omitted). Each playable entry's sample starts at its playback
// onset (frame = round(onset us * rate / 1e6) from the playback's start); a note cuts off
// the one before; the last sounds to its end. Throws SampleBankError for a broken bank,
// platform::CommandError for a take too long to hold in memory (over four hours).
QByteArray renderTake(const QStringList& entries, const QByteArray& storedBank, int rate = kRenderRate);
QByteArray renderTake(const QStringList& entries, int rate = kRenderRate);

// The command: reads in, renders, writes out atomically. 0 on success; otherwise a clear
// message on standard error and a non-zero result (1: cannot read, 2: cannot write, 3:
// the sample bank is broken, 4: the take is too long).
int renderCommand(const QString& in, const QString& out);

} // namespace tezvan
