#include "GridRecorder.h"

#include "NoteGrid.h"

#include "platform/WholeNumber.h"

#include <limits>

namespace tezvan2 {

GridRecorder::GridRecorder(NoteGrid& grid, const platform::Clock& clock, std::function<QString()> multiplierText,
                           QObject* parent)
    : QObject(parent), grid_(grid), clock_(clock), multiplierText_(std::move(multiplierText))
{
}

qint32 GridRecorder::ticks() const
{
    if (!running_)
        return stoppedTicks_;
    const qint64 t = (clock_.nowUs() - counterZeroUs_) / kTickUs;
    return qint32(qMin<qint64>(t, std::numeric_limits<qint32>::max()));
}

qint32 GridRecorder::durationValue(qint64 ticks, qint32 multiplier)
{
    // Held at the bounds: a wrapped product would turn a long note into a negative one.
    const qint64 v = ticks * qint64(multiplier);
    const qint64 lo = std::numeric_limits<qint32>::min();
    const qint64 hi = std::numeric_limits<qint32>::max();
    return qint32(qBound(lo, v, hi));
}

void GridRecorder::resetCounter()
{
    counterZeroUs_ = clock_.nowUs();
    stoppedTicks_ = 0;
}

void GridRecorder::record(const QString& gridName)
{
    grid_.setName(grid_.lastColumn(), gridName);
    clockStep();
    grid_.addColumn();
}

void GridRecorder::clockStep()
{
    if (running_) {
        durationStep();
        return;
    }
    resetCounter();
    running_ = true;
}

void GridRecorder::durationStep()
{
    const QString text = multiplierText_ ? multiplierText_() : QString();
    const qint32 multiplier = text.isEmpty() ? kEmptyMultiplier : platform::wholeNumberOrThrow(text);
    const qint32 counted = ticks();
    const QString value = QString::number(durationValue(counted, multiplier));
    if (finishFlag_) {
        grid_.removeLastColumn();
        grid_.setDuration(grid_.lastColumn(), value);
        finishFlag_ = false;
    } else if (grid_.count() >= 2) {
        grid_.setDuration(grid_.count() - 2, value);
    }
    // The clock keeps running: the counter starts again from the last whole tick, not
    // from now, so the part of a tick already gone counts towards the next note and the
    // durations of a take add up to its length.
    counterZeroUs_ += qint64(counted) * kTickUs;
}

GridRecorder::FinishBranch GridRecorder::finish(bool boxTicked)
{
    if (!grid_.name(grid_.lastColumn()).isEmpty() || !boxTicked)
        return FinishBranch::MoveFocusToCheckBox;
    emit recordingEnding();
    finishFlag_ = true;
    clockStep();
    return FinishBranch::EndRecording;
}

void GridRecorder::clear()
{
    grid_.clear();
    if (running_) {
        stoppedTicks_ = ticks();
        running_ = false;
    }
}

void GridRecorder::startUp()
{
    finishFlag_ = false;
    clear();
}

} // namespace tezvan2
