#pragma once
// Playback of a note list as an event-driven state machine on a platform::Clock: each
// entry waits its pause in milliseconds (0 or negative: no wait), timed from the
// playback's start so timer lateness never adds up. It reads the entries of a NoteLists
// at each turn and tells through its signals what happens; what that shows or sounds is
// its listeners' business. Not a recorder, and it never changes the lists.

#include "platform/Clock.h"

#include <QObject>
#include <QString>
#include <optional>

namespace tezvan {

class NoteLists;

// Every signal comes on the clock's thread, from start(), stop() or a timer of the clock;
// a listener may stop (or, after finished(), start) the player from inside one.
class NoteListPlayer final : public QObject {
    Q_OBJECT
public:
    NoteListPlayer(platform::Clock& clock, const NoteLists& lists, QObject* parent = nullptr);
    ~NoteListPlayer() override;
    NoteListPlayer(const NoteListPlayer&) = delete;
    NoteListPlayer& operator=(const NoteListPlayer&) = delete;

    // Starts playing from the first entry. False, and no signal, when the list is empty
    // or a playback already runs (a second start is ignored). The first turn, and every
    // note whose wait has already passed, runs at once, inside start().
    bool start();

    // Ends a running playback at once: no further note, finished() before stop() returns.
    // Harmless when idle.
    void stop();

    bool isPlaying() const { return playing_; }

    // The wait before an entry sounds, in milliseconds: its pause, or 0 for a negative
    // pause. Nothing for an entry that is skipped (malformed, or code outside 0..13).
    static std::optional<qint64> waitMsOf(const QString& entry);

signals:
    // A playback starts, the list found non-empty; its first wait counts from after this.
    void started();
    // Entry index is next, before its wait (a skipped entry has its turn too).
    void turn(int index);
    // The note of entry index (noteNumber 0..13) is due now; isLastLine when the entry is
    // the list's last at this moment.
    void noteDue(int index, int noteNumber, bool isLastLine);
    // The playback has ended: played through, stopped, or the list got shorter under it.
    // Exactly once per started playback, after isPlaying() has become false.
    void finished();

private:
    bool isLive(quint64 generation) const;
    void advance();
    void soundDueNote();
    bool playNote(quint64 generation);
    void schedule(qint64 atUs, void (NoteListPlayer::*step)());
    void cancelTimer();
    void finish();

    int entryCount() const;
    std::optional<QString> entryAt(int index) const;

    platform::Clock& clock_;
    const NoteLists& lists_;
    bool playing_ = false;
    quint64 generation_ = 0; // one per started playback: stale timers and loops see theirs ended
    int count_ = 0;
    int index_ = 0;        // the entry being handled
    int noteNumber_ = -1;  // its note while it waits
    qint64 startUs_ = 0;   // the playback's start on the clock
    qint64 elapsedUs_ = 0; // sum of the waits so far, from startUs_
    platform::Clock::TimerId timer_ = 0;
    bool timerPending_ = false;
};

} // namespace tezvan
