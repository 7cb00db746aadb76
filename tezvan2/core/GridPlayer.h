#pragma once
// Plays the note grid column by column ("DİNLE"): each column's duration is read first,
// an empty name is skipped without a wait, "es" rests, any other name sounds
// name + ".wbs". Waits are timers on the platform clock, each due at the playback's
// start plus the durations before it, so nothing blocks and errors never add up.

#include "platform/Clock.h"

#include <QObject>
#include <QString>
#include <vector>

namespace tezvan2 {

class NoteGrid;
class SampleFiles;

class GridPlayer final : public QObject {
    Q_OBJECT
public:
    static QString emptyGridMessage(); // "Lutfen nota giriniz veya bir dosya aciniz!"
    static QString restName();         // "es"

    GridPlayer(const NoteGrid& grid, SampleFiles& samples, platform::Clock& clock, QObject* parent = nullptr);
    ~GridPlayer() override;
    GridPlayer(const GridPlayer&) = delete;
    GridPlayer& operator=(const GridPlayer&) = delete;

    // Starts playing what the grid holds now (a copy: later edits do not change this
    // playback), ending a playback still running. The first column sounds before play
    // returns. False, after notice(), when the grid's last name is empty.
    bool play();
    // Ends a playback; the sample that sounds sounds on. Harmless when idle.
    void stop();
    bool isPlaying() const { return playing_; }
    // The clock time the latest playback counts its deadlines from.
    qint64 startUs() const { return startUs_; }

signals:
    // A notice for the user (the empty-grid message), not an error.
    void notice(const QString& text);
    // An error that ended the playback ("'x' is not a valid integer value").
    void failed(const QString& message);
    // A column's name found no sample to sound (no such file, not a wave, or no
    // output device); the playback goes on, silent for that column.
    void silentNote(const QString& sampleFile);
    // The playback ran to its end (after the last wait) or stopped on an error;
    // not sent by stop().
    void finished();

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
