#pragma once
// "tezvan2 --render IN.nota OUT.wav": what "DİNLE" would sound for a note file, with the
// ".wbs" samples of the working directory (or else the installed ones), written as a
// wave file without a window.

#include "SampleFiles.h"

#include "platform/OfflineVoice.h"
#include "platform/VirtualClock.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace tezvan2 {

class NoteGrid;

// "DİNLE" played through at once on a virtual clock and an offline voice, with the samples
// the render uses: what the render writes and the MIDI export sends.
class NotaPlayback {
public:
    NotaPlayback();

    // Plays the grid through. The problem that ended it (the empty-grid notice, a duration
    // that is no number), empty when none; silent (when given) hears, once a file, why a
    // column's sample could not sound.
    QString play(const NoteGrid& grid, const std::function<void(const QString&)>& silent = {});

    const platform::OfflineVoice& voice() const { return voice_; }
    SampleFiles& samples() { return samples_; }

private:
    platform::VirtualClock clock_;
    platform::OfflineVoice voice_;
    SampleFiles samples_;
};

// Reads in, plays it and writes what fileOf makes of the playback to out: 0 on success;
// otherwise a message on stderr and exit code 1.
int notaPlaybackCommand(const QString& in, const QString& out,
                        const std::function<QByteArray(NotaPlayback& played, const NoteGrid& grid)>& fileOf);

// 0 on success; otherwise a message on stderr and a non-zero exit code.
int renderNotaCommand(const QString& in, const QString& out);

} // namespace tezvan2
