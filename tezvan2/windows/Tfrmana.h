#pragma once
// The main window of tezvan2: the picture keyboard, the display label, the note grid
// and its command pictures. It wires keys, clicks and focus to the core (note table,
// sample files, recorder, player, note file); the rules themselves live in the core.

#include <QWidget>
#include <map>
#include <memory>

class QCheckBox;
class QLabel;
class QTableView;

namespace platform {
class Clock;
class Dialogs;
class LiveMidiNotes;
class Shell;
class Voice;
} // namespace platform

namespace tezvan2 {

class GridPlayer;
class GridRecorder;
class NoteGrid;
class Picture;
class SampleFiles;
class Tfrmhak;
struct NoteTrigger;

class Tfrmana final : public QWidget {
    Q_OBJECT
public:
    struct Services {
        platform::Voice& voice;
        platform::Clock& clock;
        platform::Dialogs& dialogs;
        platform::Shell& shell;
        QString sampleFolder; // empty: the working directory at each note; then the installed samples
        platform::LiveMidiNotes* midi = nullptr; // the live MIDI ports' notes; null: none
    };

    static QUrl notesAddress();

    explicit Tfrmana(const Services& services, QWidget* parent = nullptr);
    ~Tfrmana() override;

    // The about window, created hidden right after this one; it holds the multiplier.
    Tfrmhak& frmhak() { return *frmhak_; }
    NoteGrid& grid() { return *grid_; }
    const GridRecorder& recorder() const { return *recorder_; }
    const GridPlayer& player() const { return *player_; }
    bool keyPreview() const { return keyPreview_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPictures();
    void buildControls();
    void connectMidi(platform::LiveMidiNotes& midi);
    void FormCreate();                            // key preview on, the grid blanked to one column
    void FormKeyUp(quint16 keyWord);              // a note, or + / - on the grid's columns
    void noteTrigger(const NoteTrigger& trigger); // sounds, shows and (ticked) records a note
    void pictureClick(const QString& objectName); // a note picture clicked: as its key

    void Image1Click();    // the main window closed: the program ends
    void Image13Click();   // AÇ: a ".nota" file opened into the grid
    void Image27Click();   // TEMİZLE: the grid emptied
    void Image29Click();   // KAYDET: the grid saved to a ".nota" file
    void Image35Click();   // DİNLE: the grid played, or its playing stopped
    void Image37Click();   // the about window shown
    void Image39Click();   // +: an empty note column added
    void Image40Click();   // -: the last note column removed
    void Image41Click();   // Bitir: the piece finished, a recording ended
    void Image42Click();   // the new notes' page opened
    void CheckBox1Click(); // "Eşzamanlı Kaydet" unticked: key preview back on
    void sg1Enter();       // the grid takes the keys: key preview off
    void sg1Exit();        // key preview on again
    void focusMoved();
    bool inGrid(const QWidget* w) const;
    void tell(const QString& text);
    void reportError(const QString& message);

    platform::Dialogs& dialogs_;
    platform::Shell& shell_;
    std::unique_ptr<SampleFiles> samples_;
    NoteGrid* grid_;
    std::unique_ptr<GridRecorder> recorder_;
    std::unique_ptr<GridPlayer> player_;
    Tfrmhak* frmhak_ = nullptr;
    std::map<int, Picture*> pictures_;
    QLabel* Label1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QTableView* sg1 = nullptr;
    bool keyPreview_ = true;
    bool gridHasFocus_ = false;
    QMetaObject::Connection focusWatch_;
};

} // namespace tezvan2
