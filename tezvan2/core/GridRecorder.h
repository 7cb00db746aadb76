#pragma once
// Simultaneous recording into the note grid: the recording clock (true 10 ms ticks of
// a monotonic clock), the tick counter, the finish flag, the record step, the duration
// step and Finish. The record switch, the focus and key preview are its caller's; this
// class tells through recordingEnding() and Finish's answer which of those must change.

#include "platform/Clock.h"

#include <QObject>
#include <QString>
#include <QtGlobal>
#include <functional>

namespace tezvan2 {

class NoteGrid;

class GridRecorder final : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 kTickUs = 10'000;
    static constexpr qint32 kEmptyMultiplier = 10;

    // multiplierText answers with the duration multiplier as the user has set it now; it
    // is asked afresh at every duration step.
    GridRecorder(NoteGrid& grid, const platform::Clock& clock, std::function<QString()> multiplierText,
                 QObject* parent = nullptr);

    // Record step for the note just played: its name into the last column, the
    // previous note's duration (or start the clock), then a new last column.
    // A multiplier that is no whole number throws platform::CommandError after the
    // name was written; then no column is added and the counter keeps counting.
    void record(const QString& gridName);

    enum class FinishBranch {
        EndRecording,       // untick the check box; the last note got its duration
        MoveFocusToCheckBox // nothing else changed
    };
    // Finish ("Bitir"), with the record switch's state; the answer says which branch ran.
    // In the recording branch recordingEnding() comes first, then the finishing duration
    // step, which may throw platform::CommandError. Turning key preview on is the
    // caller's part in both branches.
    FinishBranch finish(bool boxTicked);

    // Clear ("TEMİZLE"): blanks the grid to one column and stops the clock; the finish
    // flag and the counter stay as they are.
    void clear();
    // Program start: finish flag off, then clear.
    void startUp();

    bool clockRunning() const { return running_; }
    bool finishFlag() const { return finishFlag_; }
    // Whole 10 ms ticks since the counter was last reset (0 while the clock is stopped
    // and was never started). Counted from elapsed time, so a late timer loses none.
    qint32 ticks() const;

    // ticks x multiplier as the duration cell shows it: the signed 32-bit product,
    // held at the 32-bit bounds instead of wrapping round to a wrong sign.
    static qint32 durationValue(qint64 ticks, qint32 multiplier);

signals:
    // Finish is ending the recording: the record switch goes off, before the last
    // note's duration is written.
    void recordingEnding();

private:
    void clockStep();
    void durationStep();
    void resetCounter();

    NoteGrid& grid_;
    const platform::Clock& clock_;
    std::function<QString()> multiplierText_;
    bool running_ = false;
    bool finishFlag_ = false;
    qint64 counterZeroUs_ = 0;
    qint32 stoppedTicks_ = 0;
};

} // namespace tezvan2
