#pragma once
// Simultaneous recording into the note grid: the recording clock (true 10 ms ticks of
// a monotonic clock), the tick counter, the finish flag, the record step, the duration
// step and Finish. The window keeps the check box, the focus and key preview; this
// class tells it which of those Finish must change.

#include "platform/Clock.h"

#include <QString>
#include <QtGlobal>
#include <functional>

namespace tezvan2 {

class NoteGrid;

class GridRecorder {
public:
    static constexpr qint64 kTickUs = 10'000;
    static constexpr qint32 kEmptyMultiplier = 10;

    // multiplierText is read afresh at every duration step (the about window's field).
    GridRecorder(NoteGrid& grid, const platform::Clock& clock,
                 std::function<QString()> multiplierText);

    // Record step for the note just played: its name into the last column, the
    // previous note's duration (or start the clock), then a new last column.
    // A multiplier that is no whole number throws platform::CommandError after the
    // name was written; then no column is added and the counter keeps counting.
    void record(const QString& gridName);

    enum class FinishBranch {
        EndRecording,       // untick the check box; the last note got its duration
        MoveFocusToCheckBox // nothing else changed
    };
    // Finish ("Bitir"), with the check box's state. In the recording branch untickBox
    // runs first (the window unticks the box, which turns key preview on), then the
    // finishing duration step, which may throw platform::CommandError. Turning key
    // preview on is the window's part in both branches.
    FinishBranch finish(bool boxTicked, const std::function<void()>& untickBox = {});

    // Clear (TEMİZLE): blanks the grid to one column and stops the clock; the finish
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
