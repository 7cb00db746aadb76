#pragma once
// The recorder of tezvan's performances: whether one is being recorded, the pause value of
// each recorded note (whole milliseconds since the previous recorded note on the monotonic
// clock, the fraction left over carried to the next; 0 for the first note of a recording)
// and which status caption each event leaves.
// Event-driven: nothing waits or counts in a loop. Not the lists: the caller appends a
// note that noteTriggered() keeps to its NoteLists.

#include "platform/Clock.h"

#include <QObject>
#include <QString>
#include <optional>

namespace tezvan {

class Recorder final : public QObject {
    Q_OBJECT
public:
    static constexpr qint32 kMaxPause = 2147483647;

    explicit Recorder(const platform::Clock& clock, QObject* parent = nullptr) : QObject(parent), clock_(clock) {}

    bool recording() const { return recording_; }

    // A note was triggered; boxTicked is the auto-record switch at this moment. The answer
    // is the pause value the note is kept with; nothing: played, not recorded.
    std::optional<qint32> noteTriggered(bool boxTicked);

    // A stop of the recording was asked for (the status caption, "Kayıt İşlemini Durdur").
    void stopRequested(bool boxTicked);

    // The auto-record switch changed to on (true) or off (false).
    void boxChanged(bool ticked);

    // The program was shown; a close was requested (after its question, any answer);
    // playback started. Each ends a recording; only playback changes the caption.
    void windowShown() { end(); }
    void closeRequested() { end(); }
    void playbackStarted();

    // The application lost the focus.
    void focusLost();

    // Status captions.
    static QString recordingText();
    static QString freeText();
    static QString completedText();
    static QString interruptedText();
    static QString playingText();

signals:
    // The status caption an event leaves (an event that leaves it unchanged says nothing).
    void statusChanged(const QString& text);
    // The mark of the last note played goes: every note is shown unmarked again.
    void markCleared();

private:
    void end() { recording_ = false; }

    const platform::Clock& clock_;
    bool recording_ = false;
    qint64 countedUs_ = 0; // the time up to which the recorded pauses account for the take
};

} // namespace tezvan
