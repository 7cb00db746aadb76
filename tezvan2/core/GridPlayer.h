#pragma once
// Plays the note grid column by column (DİNLE): each column's duration is read first,
// an empty name is skipped without a wait, "es" rests, any other name sounds
// name + ".wbs". Waits are timers on the platform clock, each due at the playback's
// start plus the durations before it, so nothing blocks and errors never add up.

#include "platform/Clock.h"

#include <QString>
#include <functional>
#include <vector>

namespace tezvan2 {

class NoteGrid;
class SampleFiles;

class GridPlayer {
public:
    static QString emptyGridMessage(); // "Lutfen nota giriniz veya bir dosya aciniz!"
    static QString restName();         // "es"

    GridPlayer(const NoteGrid& grid, SampleFiles& samples, platform::Clock& clock);
    ~GridPlayer();
    GridPlayer(const GridPlayer&) = delete;
    GridPlayer& operator=(const GridPlayer&) = delete;

    // A notice for the user (the empty-grid message): shown in a plain box.
    std::function<void(const QString&)> onNotice;
    // An error that ended the playback ("'x' is not a valid integer value"): the error box.
    std::function<void(const QString&)> onError;
    // A column's name found no sample to sound (no such file, not a wave, or no
    // output device); the playback goes on, silent for that column.
    std::function<void(const QString& sampleFile)> onSilentNote;
    // The playback ran to its end (after the last wait) or stopped on an error;
    // not called by stop().
    std::function<void()> onFinished;

    // Starts playing what the grid holds now (a copy: later edits do not change this
    // playback), ending a playback still running. The first column sounds before play
    // returns. False, after onNotice, when the grid's last name is empty.
    bool play();
    // Ends a playback; the sample that sounds sounds on. Harmless when idle.
    void stop();
    bool isPlaying() const { return playing_; }
    // The clock time the latest playback counts its deadlines from.
    qint64 startUs() const { return startUs_; }

private:
    struct Column {
        QString name;
        QString duration;
    };
    void run();
    void prefetchNext();
    void end();

    const NoteGrid& grid_;
    SampleFiles& samples_;
    platform::Clock& clock_;
    std::vector<Column> columns_;
    std::size_t next_ = 0;
    qint64 startUs_ = 0;
    qint64 dueUs_ = 0;
    bool playing_ = false;
    platform::Clock::TimerId timer_ = 0;
    bool timerPending_ = false;
};

} // namespace tezvan2
