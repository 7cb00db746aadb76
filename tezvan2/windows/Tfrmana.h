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
    void FormCreate();
    void FormKeyUp(quint16 keyWord);
    void noteTrigger(const NoteTrigger& trigger);
    void pictureClick(const QString& objectName);

    void Image1Click();
    void Image13Click();
    void Image27Click();
    void Image29Click();
    void Image35Click();
    void Image37Click();
    void Image39Click();
    void Image40Click();
    void Image41Click();
    void Image42Click();
    void CheckBox1Click();
    void sg1Enter();
    void sg1Exit();
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
