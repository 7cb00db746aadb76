#pragma once
// Playback and the visible note list: Start and Stop, what each step of the player shows
// (the line selected, the note's button lit, the transport locked), the selection the user
// makes, the count label and the buttons' colour at rest. The timing is NoteListPlayer's.

#include "MainControls.h"

#include "tezvan/core/NoteListPlayer.h"

#include <QColor>
#include <QObject>

namespace tezvan {

class NoteSound;
class Recorder;

class NoteListPresenter final : public QObject {
    Q_OBJECT
public:
    // window: repainted whole when a playback starts.
    NoteListPresenter(platform::Clock& clock, NoteLists& lists, NoteSound& sound, Recorder& recorder,
                      const MainControls& controls, QWidget& window);
    ~NoteListPresenter() override;

    bool isPlaying() const { return player_.isPlaying(); }
    void stopPlaybackFirst(); // the list is about to change under a playback: it ends first
    void takeButtonColour();  // the colour the note buttons show at rest: N0's now
    void setButtonColour(const QColor& c) { buttonColour_ = c; }

public slots:
    void PLAY_Click();
    void PAUSE_Click();
    void ListBox1Click();
    void StilSifirla(); // the last-note mark cleared
    void RenkSifirla(); // every note button in the colour at rest

signals:
    void countShown(); // the count label's text changed: its size follows

private:
    void selectVisibleLine(int row);
    void setTransportLocked(bool locked);
    void playbackStarted();
    void playbackTurn(int index);
    void playbackNote(int index, int noteNumber, bool isLastLine);
    void playbackFinished();

    NoteLists& lists_;
    NoteSound& sound_;
    Recorder& recorder_;
    MainControls c_;
    QWidget& window_;
    NoteListPlayer player_;
    QColor buttonColour_;
    bool selectingByProgram_ = false;
};

} // namespace tezvan
