#pragma once
// Playback of a note list as an event-driven state machine on a platform::Clock: each
// entry waits its pause + 1 ms (negative: no wait), timed from the playback's start so
// timer lateness never adds up. The host does what the window shows and sounds at each
// step. Not a recorder, and it never changes the list.

#include "platform/Clock.h"

#include <QString>
#include <optional>

namespace tezvan {

// What the player needs from the window (or from an offline renderer). Every call comes
// on the clock's thread, from start(), stop() or a timer of the clock.
class PlaybackHost {
public:
    virtual ~PlaybackHost() = default;

    // The list, read through these: the count once at start, then entry i at its turn.
    // Nothing from entryAt when line i no longer exists: the playback then ends.
    virtual int entryCount() const = 0;
    virtual std::optional<QString> entryAt(int index) const = 0;

    // Start, after the list was found non-empty: status "Notalar Çalınıyor...", save the
    // button colour, repaint, lock, end the recording, clear both selections, StilSifirla.
    virtual void playbackStarted() = 0;

    // Top of turn i, before its wait: Nota_Listesi one line down, ListBox1 line i - 1.
    virtual void playbackTurn(int index) = 0;

    // The note of entry index sounds now: play sample noteNumber (0..13), RenkSifirla,
    // light its button; when isLastLine, select ListBox1 line index.
    virtual void playbackNote(int index, int noteNumber, bool isLastLine) = 0;

    // The playback has ended (played through, stopped, or the list got shorter): unlock,
    // RenkSifirla, status "İşlem Tamamlandı...". Called exactly once per started playback,
    // after isPlaying() has become false.
    virtual void playbackFinished() = 0;
};

class NoteListPlayer {
public:
    NoteListPlayer(platform::Clock& clock, PlaybackHost& host);
    ~NoteListPlayer();
    NoteListPlayer(const NoteListPlayer&) = delete;
    NoteListPlayer& operator=(const NoteListPlayer&) = delete;

    // Starts playing from the first entry. False, and nothing called, when the list is
    // empty or a playback already runs (a second start is ignored). The first turn, and
    // every note whose wait has already passed, runs at once, inside start().
    bool start();

    // Ends a running playback at once: no further note, playbackFinished() before stop()
    // returns. Harmless when idle.
    void stop();

    bool isPlaying() const { return playing_; }

    // The wait before an entry sounds, in milliseconds: pause + 1, or 0 for a negative
    // pause. Nothing for an entry that is skipped (malformed, or code outside 0..13).
    static std::optional<qint64> waitMsOf(const QString& entry);

private:
    bool isLive(quint64 generation) const;
    void advance();
    void soundDueNote();
    bool playNote(quint64 generation);
    void schedule(qint64 atUs, void (NoteListPlayer::*step)());
    void cancelTimer();
    void finish();

    platform::Clock& clock_;
    PlaybackHost& host_;
    bool playing_ = false;
    quint64 generation_ = 0; // one per started playback: stale timers and loops see theirs ended
    int count_ = 0;
    int index_ = 0;          // the entry being handled
    int noteNumber_ = -1;    // its note while it waits
    qint64 startUs_ = 0;     // the playback's start on the clock
    qint64 elapsedUs_ = 0;   // sum of the waits so far, from startUs_
    platform::Clock::TimerId timer_ = 0;
    bool timerPending_ = false;
};

} // namespace tezvan
