#pragma once
// tezvan's main window: the caption bar, the fourteen note buttons with their actions,
// the transport panel, the auto-record box and the visible note list. It wires keys,
// clicks and hovers to the recorder, the note lists and the sound; the rules live in
// tezvan_core. Later windows (help, key assignment, programmer's) are not built here.

#include "tezvan/core/AppearanceSettings.h"
#include "tezvan/core/NoteCatalogue.h"
#include "tezvan/core/NoteKeys.h"
#include "tezvan/core/NoteListPlayer.h"
#include "tezvan/core/NoteLists.h"
#include "tezvan/core/Recorder.h"

#include <QColor>
#include <QKeySequence>
#include <QPointer>
#include <QWidget>
#include <QUrl>
#include <array>
#include <vector>
#include <span>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListView;

namespace platform {
class Clock;
class Dialogs;
class FileTypeRegistration;
class Shell;
} // namespace platform

namespace tezvan {

class CaptionIcon;
class FlatButton;
class FlatHint;
class ImageList;
class NoteSound;
class SideBarMenu;
struct MenuEntry;

class TForm1 final : public QWidget {
    Q_OBJECT
public:
    TForm1(NoteSound& sound, platform::Clock& clock, platform::Dialogs& dialogs,
           QWidget* parent = nullptr);
    ~TForm1() override;

    // Outer window heights (1-px frame included) of the list area hidden and shown.
    static constexpr int kCollapsedHeight = 124;
    static constexpr int kExpandedHeight = 360;

    NoteLists& noteLists() { return lists_; }          // `Nota_Listesi` and the lines
    const Recorder& recorder() const { return recorder_; }

    // The key word that triggers note k; 0 = no key. Key assignment changes them.
    quint16 noteShortcut(int k) const { return keys_.key(k); }
    void setNoteShortcut(int k, quint16 word) { keys_.setKey(k, word); }
    void setNoteKeys(const KeyWords& words) { keys_.setWords(words); }

    // The note action that key word triggers, or -1.
    int noteOfShortcut(quint16 word) const { return keys_.noteOf(word).value_or(-1); }

    // The fixed step of the time commands (1..1000; outside that, 1). Setting it rebuilds
    // the captions of mn1, mn2, mnt1 and mnt2.
    int artirma() const { return artirma_; }
    void setArtirma(int step);

    // The change panel is up: the note keys, the context menu and the commands that change
    // the lists wait until it closes.
    bool changePanelOpen() const { return panelOpen_; }
    // The windows the commands open (created by the program after this one); the browser.
    void setHelpWindow(QWidget* help) { helpWindow_ = help; }
    void setProgrammerWindow(QWidget* programmer) { programmerWindow_ = programmer; }
    void setShell(platform::Shell& shell) { shell_ = &shell; }

    // Appearance (TForm1Appearance.cpp): what a close stores, the zoom level (0 = 100 %).
    AppearanceRecord appearance() const;
    int zoomLevel() const { return zoomLevel_; }
    static QUrl newVersionAddress();

public slots:
    // Start-up: a note file named on the command line (arguments without the program),
    // then the stored settings.
    void FormCreate(const QStringList& arguments);

    void NotaCal(QAction* action, FlatButton* button);
    void DURUMMClick();
    void oto_kayitClick();
    void StilSifirla();
    void RenkSifirla();
    void ListBox1Click();
    void ListBox1DblClick();
    void NMouseEnter(int k);            // N0MouseEnter .. N13MouseEnter
    void N0MouseLeave(FlatButton* button);
    void PLAY_MouseEnter(FlatButton* button);
    void PLAY_MouseLeave(FlatButton* button);
    void mnlisteExecute();
    void KontrollerDblClick();
    void KaptClick();
    void SimgClick();
    void bilgiClick();

    // The commands that open the other windows end a recording first; the windows
    // themselves (key assignment, help, programmer's) attach here.
    void mnklavyeExecute();
    void mnyardimExecute();
    void mnbenExecute();

    // The application gained or lost the focus (the caption bar shows which); losing it
    // ends the recording. A hint "M" (every context-menu entry's) sounds sample 14.
    void HintlerActivate();
    void HintlerDeactivate();
    void HintlerHint(const QString& hint);

    // Window chrome and its commands (TForm1Chrome.cpp).
    void BaslikCDblClick();
    void MNsimgelesExecute();
    void mnyenisurumExecute();
    void mncikisExecute();

    // Colours, zoom, roll-up and the stored settings (TForm1Appearance.cpp).
    void mnkenarExecute();
    void mkiletiExecute();
    void mnzeminExecute();
    void mnbuton_yExecute();
    void mnbuton_zExecute();
    void mnlisterengiExecute();
    void mnliste_yaziExecute();
    void mnvarsayilanExecute();
    void mnbkExecute();
    void mn100Execute();
    void zoomTo(int level); // mn80Execute .. mn200Execute

    // Makes this program the user's handler of ".tnl" files (TForm1FileType.cpp).
    void DosyaTrTanmla1Click();

    // Files (TForm1Files.cpp).
    void newClick();
    void openClick();
    void mndosyaacExecute();
    void saveClick();
    void mnnotadonusturExecute();

    // Playback (TForm1Playback.cpp).
    void PLAY_Click();
    void PAUSE_Click();

    // Editing the take (TForm1Editing.cpp) and its change panel (TForm1ChangePanel.cpp).
    void mndegistirExecute();
    void mnarayaekleExecute();
    void mnsilExecute();
    void mn1Execute();
    void mn2Execute();
    void mnt1Execute();
    void mnt2Execute();
    void mntumsifirlaExecute();
    void mnayarlarExecute();
    void mngerialExecute();
    void mnyineleExecute();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();

public:
    bool isPlaying() const { return player_.isPlaying(); }

signals:
    // mnklavye ended any recording: the key assignment window opens (TFRMTUS).
    void keyAssignmentRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormShow();
    void buildCaptionBar();
    void buildNoteButtons();
    void buildTransport();
    void buildListArea();
    void buildActions();
    void layOut();
    void fitToContents(); // at the scale: the count label, the tick box, sideways scrolling
    void recentre();
    void openCommandLineFile(const QStringList& arguments);
    bool notePreview(QKeyEvent* event);
    void buildFileAndPlaybackActions();
    void buildKeyAssignmentAction();
    void buildFileTypeAction();
    void fileTypeRegistered(const QStringList& problems);
    QAction* windowAction(const char* name, const QString& caption, QKeySequence key,
                          void (TForm1::*handler)());
    bool askToEndRecording();
    void stopPlaybackFirst();
    void selectVisibleLine(int row);
    void setTransportLocked(bool locked);

    // Appearance (TForm1Appearance.cpp).
    void buildAppearanceActions();
    QWidget* ownControl(const QString& name) const;
    void loadSettings();
    void saveSettings();
    void applyColour(ColourSetting which, quint32 value);
    void chooseColour(ColourSetting which);
    void giveZoomShortcuts();
    bool zoomKeyPreview(QKeyEvent* event);
    void applyStoredZoom();
    void scaleTo(int level);
    void setListHeight(int outer, int clientAt100);

    // Chrome (TForm1Chrome.cpp).
    void buildChromeActions();
    void showAuxiliary(QWidget* w);
    void setCaptionBarColour(quint32 value);

    // What the player's and the recorder's signals show (TForm1Playback.cpp).
    void connectPlayerAndRecorder();

    // The action list and the context menu (TForm1Menu.cpp).
    void buildContextMenu();
    void buildActionList();
    QAction* commandAction(const char* name, const QString& caption);
    void fillMenu(SideBarMenu* menu, std::span<const MenuEntry> entries);
    bool openContextMenu(QObject* watched, QEvent* event);
    bool menuStatusTip(QObject* watched) const;
    void playbackStarted();
    void playbackTurn(int index);
    void playbackNote(int index, int noteNumber, bool isLastLine);
    void playbackFinished();

    // Editing (TForm1Editing.cpp, TForm1ChangePanel.cpp).
    void buildChangePanel();
    void buildEditingActions();
    void bringToRest();
    int selectedVisibleLine() const;
    void editMessage(const char* text, bool warning = false);
    void shiftAll(int delta);
    void shiftSelected(int delta);
    void openChangePanel(int row, bool inserting);
    void closeChangePanel();

    NoteSound& sound_;
    platform::Clock& clock_;
    platform::Dialogs& dialogs_;

    Recorder recorder_;
    NoteLists lists_;
    NoteKeys keys_;
    QColor frameColour_;
    QColor buttonColour_;
    int zoomLevel_ = 0; // 0 = 100 %
    std::array<quint32, kColourSettingCount> colours_{};
    bool storeErrorShown_ = false;
    // Every scaled control's geometry and font size at 100 %, taken when leaving 100 %.
    struct At100 {
        QPointer<QWidget> widget;
        QRect geometry;
        int fontPixels; // -1: the font is its parent's
        bool placed;    // false: layOut places it
    };
    int scaledLevel_ = 0; // the level the controls are drawn at
    std::vector<At100> at100_;
    int clientHeightAt100_ = 122;
    int rolledUpFrom_ = 0; // the height before the roll-up; 0 until the first
    QWidget* helpWindow_ = nullptr;
    QWidget* programmerWindow_ = nullptr;
    platform::Shell* shell_ = nullptr;
    std::array<QAction*, 7> zoomActions_{};

    QWidget* client_ = nullptr;
    QLabel* BaslikC_ = nullptr;
    CaptionIcon* bilgi_ = nullptr;
    CaptionIcon* Simg_ = nullptr;
    CaptionIcon* Kapt_ = nullptr;
    QWidget* Kontroller_ = nullptr;
    std::array<FlatButton*, kNoteCount> N_{};
    std::array<QAction*, kNoteCount> noteActions_{};
    QWidget* Panel3_ = nullptr;
    FlatButton* PLAY_ = nullptr;
    FlatButton* new_ = nullptr;
    FlatButton* open_ = nullptr;
    FlatButton* save_ = nullptr;
    FlatButton* PAUSE_ = nullptr;
    FlatButton* DURUMM_ = nullptr;
    QCheckBox* oto_kayit_ = nullptr;
    QLabel* Label6_ = nullptr;
    QLabel* Label5_ = nullptr;
    QFrame* Bevel1_ = nullptr;
    QFrame* Bevel2_ = nullptr;
    QListView* ListBox1_ = nullptr;
    QAction* mnliste_ = nullptr;
    QAction* mndosyaac_ = nullptr;
    QAction* mnnotadonustur_ = nullptr;
    QFrame* Panel1_ = nullptr;
    QLabel* panelTitle_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label4_ = nullptr;
    QComboBox* ComboBox1_ = nullptr;
    FlatButton* SpeedButton1_ = nullptr;
    FlatButton* SpeedButton2_ = nullptr;
    FlatButton* SpeedButton3_ = nullptr;
    FlatButton* SpeedButton4_ = nullptr;
    std::array<QAction*, 4> stepActions_{}; // mn1, mn2, mnt1, mnt2
    std::vector<QAction*> listChangers_;     // wait while the change panel is up
    int artirma_ = 0;
    bool panelOpen_ = false;
    bool panelInserts_ = false;
    int panelRow_ = -1; // the entry changed, or inserted before; -1: appended
    platform::FileTypeRegistration* registration_ = nullptr;
    ImageList* ImageList1_ = nullptr;
    SideBarMenu* kisayol_menusu_ = nullptr;
    FlatHint* FlatHint1_ = nullptr;
    QAction* highlighted_ = nullptr; // the menu entry the highlight last reached
    NoteListPlayer player_;
    bool startupOpen_ = false;
    QString startupPath_;
    bool shownOnce_ = false;
    bool selectingByProgram_ = false;
};

} // namespace tezvan
