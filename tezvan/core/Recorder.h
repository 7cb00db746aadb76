#pragma once
// The recorder of tezvan's main window: whether a performance is being recorded, the
// pause value of each recorded note (whole milliseconds since the previous recorded note
// on the monotonic clock; 0 for the first note of a recording) and which status caption
// each event leaves. Event-driven: nothing waits or counts in a loop. Not the lists: the
// window appends what noteTriggered() reports to its NoteLists.

#include "platform/Clock.h"

#include <QString>
#include <optional>

namespace tezvan {

class Recorder {
public:
    static constexpr qint32 kMaxPause = 2147483647;

    // What an event does to the status caption and to the last-note mark.
    struct Effect {
        std::optional<QString> status; // the new caption; nothing = unchanged
        bool clearMark = false;        // every note button back to the normal style
    };

    // A triggered note: whether it goes into the lists, and with which pause value.
    struct Note {
        Effect effect;
        std::optional<qint32> pause; // nothing: played, not recorded
    };

    explicit Recorder(const platform::Clock& clock) : clock_(clock) {}

    bool recording() const { return recording_; }

    // A note was triggered; boxTicked is the auto-record box at this moment.
    Note noteTriggered(bool boxTicked);

    // The status button (and "Kayıt İşlemini Durdur").
    Effect stopButton(bool boxTicked);

    // The auto-record box changed to ticked (true) or cleared (false).
    void boxChanged(bool ticked);

    // The window was shown; a close was requested (after its question, any answer);
    // playback started. Each ends a recording without touching the caption.
    void windowShown() { end(); }
    void closeRequested() { end(); }
    Effect playbackStarted();

    // The application lost the focus.
    Effect focusLost();

    // Status captions.
    static QString recordingText();
    static QString freeText();
    static QString completedText();
    static QString interruptedText();
    static QString playingText();

private:
    void end() { recording_ = false; }

    const platform::Clock& clock_;
    bool recording_ = false;
    qint64 lastNoteUs_ = 0;
};

} // namespace tezvan
