// The recorder's state table: each row drives a short history of events on a virtual
// clock and checks the state, the caption, the mark and the pause values it leaves.
#include "tezvan/core/Recorder.h"

#include "platform/VirtualClock.h"
#include "support/RowName.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

using tezvan::Recorder;

struct Step {
    enum Kind { Note, NoteUnticked, StopTicked, StopUnticked, Tick, Untick, Show, Close, Play, Focus, Wait } kind;
    qint64 ms = 0; // Wait: how long
};

struct Row {
    const char* name;
    std::vector<Step> steps;
    bool recording;
    std::vector<qint32> pauses;         // pause of every recorded note, in order
    std::optional<QString> lastCaption; // caption of the last event that set one
    bool lastClearedMark;
};

struct Outcome {
    std::vector<qint32> pauses;
    std::optional<QString> caption;
    bool clearedMark = false;
};

Outcome run(Recorder& r, platform::VirtualClock& clock, const std::vector<Step>& steps)
{
    Outcome o;
    QObject::connect(&r, &Recorder::statusChanged, [&o](const QString& text) { o.caption = text; });
    QObject::connect(&r, &Recorder::markCleared, [&o] { o.clearedMark = true; });
    for (const Step& s : steps) {
        // The mark is what the last event that can clear it did.
        if (s.kind != Step::Tick && s.kind != Step::Untick && s.kind != Step::Show && s.kind != Step::Close
            && s.kind != Step::Wait)
            o.clearedMark = false;
        switch (s.kind) {
        case Step::Note:
        case Step::NoteUnticked:
            if (const auto pause = r.noteTriggered(s.kind == Step::Note))
                o.pauses.push_back(*pause);
            break;
        case Step::StopTicked: r.stopRequested(true); break;
        case Step::StopUnticked: r.stopRequested(false); break;
        case Step::Tick: r.boxChanged(true); break;
        case Step::Untick: r.boxChanged(false); break;
        case Step::Show: r.windowShown(); break;
        case Step::Close: r.closeRequested(); break;
        case Step::Play: r.playbackStarted(); break;
        case Step::Focus: r.focusLost(); break;
        case Step::Wait: clock.advanceMs(s.ms); break;
        }
    }
    return o;
}

const QString kRec = Recorder::recordingText();
const QString kFree = Recorder::freeText();
const QString kDone = Recorder::completedText();

std::vector<Row> rows()
{
    using S = Step;
    return {
        {"first note of a recording has pause 0", {{S::Note}}, true, {0}, kRec, true},
        {"second note records the whole milliseconds since the first",
         {{S::Note}, {S::Wait, 451}, {S::Note}},
         true,
         {0, 451},
         kRec,
         true},
        {"pauses are measured from the previous note, not from the start",
         {{S::Note}, {S::Wait, 100}, {S::Note}, {S::Wait, 250}, {S::Note}},
         true,
         {0, 100, 250},
         kRec,
         true},
        {"a note with the box cleared ends the recording and is not kept",
         {{S::Note}, {S::Wait, 50}, {S::NoteUnticked}},
         false,
         {0},
         kFree,
         true},
        {"status button while recording completes it and clears the mark",
         {{S::Note}, {S::StopTicked}},
         false,
         {0},
         kDone,
         true},
        {"status button again after completing changes nothing",
         {{S::Note}, {S::StopTicked}, {S::StopTicked}},
         false,
         {0},
         kDone,
         false},
        {"status button with the box cleared says free", {{S::StopUnticked}}, false, {}, kFree, true},
        {"after the status button the next note starts again at 0",
         {{S::Note}, {S::Wait, 300}, {S::StopTicked}, {S::Wait, 900}, {S::Note}},
         true,
         {0, 0},
         kRec,
         true},
        {"ticking the box ends a recording, the next note has 0",
         {{S::Note}, {S::Wait, 40}, {S::Tick}, {S::Wait, 40}, {S::Note}},
         true,
         {0, 0},
         kRec,
         true},
        {"clearing the box lets the recording run until the next note",
         {{S::Note}, {S::Untick}},
         true,
         {0},
         kRec,
         true},
        {"showing the window ends a recording",
         {{S::Note}, {S::Wait, 10}, {S::Show}, {S::Wait, 10}, {S::Note}},
         true,
         {0, 0},
         kRec,
         true},
        {"a close request ends a recording without a caption", {{S::Note}, {S::Close}}, false, {0}, kRec, true},
        {"playback start ends a recording and shows its caption",
         {{S::Note}, {S::Play}},
         false,
         {0},
         Recorder::playingText(),
         true},
        {"losing the focus ends a recording and keeps the mark",
         {{S::Note}, {S::Wait, 70}, {S::Focus}, {S::Note}},
         true,
         {0, 0},
         kRec,
         true},
        {"a pause longer than the cap records the cap",
         {{S::Note}, {S::Wait, 3'000'000'000LL}, {S::Note}},
         true,
         {0, Recorder::kMaxPause},
         kRec,
         true},
        {"part of a millisecond does not count", {{S::Note}, {S::Wait, 0}, {S::Note}}, true, {0, 0}, kRec, true},
    };
}

class RecorderTable : public ::testing::TestWithParam<Row> {};

TEST_P(RecorderTable, LeavesStateCaptionAndPauses)
{
    const Row& row = GetParam();
    platform::VirtualClock clock;
    Recorder r(clock);
    const Outcome o = run(r, clock, row.steps);
    EXPECT_EQ(r.recording(), row.recording);
    EXPECT_EQ(o.pauses, row.pauses);
    EXPECT_EQ(o.caption, row.lastCaption);
    EXPECT_EQ(o.clearedMark, row.lastClearedMark);
}

INSTANTIATE_TEST_SUITE_P(States, RecorderTable, ::testing::ValuesIn(rows()), testing_support::RowName());

TEST(Recorder, SubMillisecondRemaindersCarryToTheNextPause)
{
    platform::VirtualClock clock;
    Recorder r(clock);
    r.noteTriggered(true);
    clock.advanceUs(451'999);
    EXPECT_EQ(r.noteTriggered(true), 451);
    clock.advanceUs(1);
    EXPECT_EQ(r.noteTriggered(true), 1);
}

} // namespace
