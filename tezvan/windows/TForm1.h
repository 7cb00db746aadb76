#pragma once
// tezvan's main window: the caption bar, the fourteen note buttons with their actions, the
// transport panel, the auto-record box and the visible note list. It wires keys, clicks and
// hovers to the recorder and the sound, and hands the rest to its parts, whose work its
// handlers forward to. The rules live in tezvan_core.

#include "CaptionBar.h"
#include "ChangePanel.h"
#include "ChromeCommands.h"
#include "CommandBinder.h"
#include "EditCommands.h"
#include "MainControls.h"
#include "MainWindowLayout.h"
#include "NoteFileCommands.h"
#include "NoteKeyTarget.h"
#include "NoteListPresenter.h"
#include "NoteTriggers.h"
#include "WindowColours.h"
#include "WindowZoom.h"

#include "tezvan/core/NoteKeys.h"
#include "tezvan/core/NoteLists.h"
#include "tezvan/core/Recorder.h"

#include <QCheckBox>
#include <QWidget>
#include <memory>

namespace platform {
class Dialogs;
}

namespace tezvan {

class TForm1 final : public QWidget, public NoteKeyTarget {
    Q_OBJECT
public:
    TForm1(NoteSound& sound, platform::Clock& clock, platform::Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    static constexpr int kCollapsedHeight = layout::kCollapsedHeight;
    static constexpr int kExpandedHeight = layout::kExpandedHeight;

    NoteLists& noteLists() { return lists_; } // `Nota_Listesi` and the lines
    const Recorder& recorder() const { return recorder_; }

    // The key word that triggers note k; 0 = no key. Key assignment changes them.
    quint16 noteShortcut(int k) const { return keys_.key(k); }
    void setNoteShortcut(int k, quint16 word) { keys_.setKey(k, word); }
    // The note action that key word triggers, or -1.
    int noteOfShortcut(quint16 word) const { return keys_.noteOf(word).value_or(-1); }

    // The key window's way in.
    KeyWords noteKeys() const override { return keys_.words(); }
    void setNoteKeys(const KeyWords& words) override { keys_.setWords(words); }
    void onKeyAssignmentRequested(QObject* window, std::function<void()> open) override
    {
        connect(this, &TForm1::keyAssignmentRequested, window, std::move(open));
    }
    void keyAssignmentClosed() override
    {
        show();
        raise();
        activateWindow();
    }

    // The fixed step of the time commands (1..1000; outside that, 1). Setting it rebuilds
    // the captions of mn1, mn2, mnt1 and mnt2.
    int artirma() const { return edit_->step(); }
    void setArtirma(int step) { edit_->setStep(step); }

    // The change panel is up: the note keys, the context menu and the commands that change
    // the lists wait until it closes.
    bool changePanelOpen() const { return edit_->panelOpen(); }
    // The windows the commands open (created by the program after this one); the browser.
    void setHelpWindow(QWidget* help) { chrome_->setHelpWindow(help); }
    void setProgrammerWindow(QWidget* programmer) { chrome_->setProgrammerWindow(programmer); }
    void setShell(platform::Shell& shell) { chrome_->setShell(shell); }

    AppearanceRecord appearance() const;             // what a close stores
    int zoomLevel() const { return zoom_->level(); } // 0 = 100 %
    static QUrl newVersionAddress() { return ChromeCommands::newVersionAddress(); }
    bool isPlaying() const { return list_->isPlaying(); }

public slots:
    // Start-up: a note file named on the command line (arguments without the program),
    // then the stored settings.
    void FormCreate(const QStringList& arguments);

    void NotaCal(QAction* action, FlatButton* button); // a note sounds, marked, recorded
    void playNote(int k) { triggers_.play(k); }        // a MIDI keyboard's note k, as its key would play it
    void DURUMMClick() { recorder_.stopRequested(c_.oto_kayit->isChecked()); } // recording ends
    void oto_kayitClick() { recorder_.boxChanged(c_.oto_kayit->isChecked()); }
    void StilSifirla() { list_->StilSifirla(); }     // the last-note mark cleared
    void RenkSifirla() { list_->RenkSifirla(); }     // the note buttons in their colour at rest
    void ListBox1Click() { list_->ListBox1Click(); } // the selected line becomes current
    void ListBox1DblClick();                         // the selected line's note sounds, nothing recorded
    void NMouseEnter(int k) { showNoteHover(c_.N[std::size_t(k)], keys_.key(k)); } // N0..N13
    void N0MouseLeave(FlatButton* button) { endNoteHover(button); }
    void PLAY_MouseEnter(FlatButton* button) { showTransportHover(button, true); }
    void PLAY_MouseLeave(FlatButton* button) { showTransportHover(button, false); }
    void mnlisteExecute() { zoom_->mnlisteExecute(); } // the list area hidden or shown
    void KontrollerDblClick() { mnliste_->trigger(); }
    void KaptClick() { close(); }
    void SimgClick() { MNsimgelesExecute(); }
    void bilgiClick() { mnbenExecute(); }

    // The commands that open the other windows end a recording first.
    void mnklavyeExecute()
    {
        DURUMMClick();
        emit keyAssignmentRequested();
    } // the key window
    void mnyardimExecute() { chrome_->mnyardimExecute(); }
    void mnbenExecute() { chrome_->mnbenExecute(); }             // the programmer's, with a greeting
    void mnyenisurumExecute() { chrome_->mnyenisurumExecute(); } // our download page

    // The application gained or lost the focus (the caption bar shows which); losing it
    // ends the recording. A hint "M" (every context-menu entry's) sounds sample 14.
    void HintlerActivate() { c_.BaslikC->setActive(true); }
    void HintlerDeactivate()
    {
        c_.BaslikC->setActive(false);
        recorder_.focusLost();
    }
    void HintlerHint(const QString& hint) { chrome_->hint(hint); }

    void BaslikCDblClick() { findChild<QAction*>(QStringLiteral("mnbk"))->trigger(); }
    // Minimised; the help and programmer's windows belong to this one: the window manager
    // takes them along, and brings them back with it.
    void MNsimgelesExecute()
    {
        DURUMMClick();
        showMinimized();
    }
    void mncikisExecute() { close(); }

    // Colours, zoom and roll-up.
    void mnkenarExecute() { colours_->choose(ColourSetting::Frame); }
    void mkiletiExecute() { colours_->choose(ColourSetting::Message); }
    void mnzeminExecute() { colours_->choose(ColourSetting::Background); }
    void mnbuton_yExecute() { colours_->choose(ColourSetting::ButtonText); }
    void mnbuton_zExecute() { colours_->choose(ColourSetting::Button); }
    void mnlisterengiExecute() { colours_->choose(ColourSetting::List); }
    void mnliste_yaziExecute() { colours_->choose(ColourSetting::ListText); }
    void mnvarsayilanExecute() { colours_->restoreDefaults(); }
    void mnbkExecute() { zoom_->mnbkExecute(); } // rolled up to the caption bar, or down
    void mn100Execute() { zoom_->mn100Execute(); }
    void zoomTo(int level) { zoom_->zoomTo(level); } // mn80Execute .. mn200Execute

    // Files; this program as the handler of ".tnl" files.
    void newClick() { files_->newClick(); }
    void openClick() { files_->openClick(); }
    void mndosyaacExecute() { files_->mndosyaacExecute(); }
    void saveClick() { files_->saveClick(); }
    void mnnotadonusturExecute() { files_->mnnotadonusturExecute(); } // as displayed, to text
    void DosyaTrTanmla1Click() { files_->DosyaTrTanmla1Click(); }

    // Playback.
    void PLAY_Click() { list_->PLAY_Click(); }
    void PAUSE_Click() { list_->PAUSE_Click(); }

    // Editing the take and its change panel.
    void mndegistirExecute() { edit_->mndegistirExecute(); }
    void mnarayaekleExecute() { edit_->mnarayaekleExecute(); }
    void mnsilExecute() { edit_->mnsilExecute(); }
    void mn1Execute() { edit_->mn1Execute(); }
    void mn2Execute() { edit_->mn2Execute(); }
    void mnt1Execute() { edit_->mnt1Execute(); }
    void mnt2Execute() { edit_->mnt2Execute(); }
    void mntumsifirlaExecute() { edit_->mntumsifirlaExecute(); }
    void mnayarlarExecute() { edit_->mnayarlarExecute(); } // the fixed step asked
    void mngerialExecute() { edit_->mngerialExecute(); }
    void mnyineleExecute() { edit_->mnyineleExecute(); }
    void SpeedButton1Click() { Panel1_->SpeedButton1Click(); }
    void SpeedButton2Click() { Panel1_->SpeedButton2Click(); }
    void SpeedButton3Click() { Panel1_->SpeedButton3Click(); }
    void SpeedButton4Click() { Panel1_->SpeedButton4Click(); }

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
    void connectParts();
    void loadSettings();
    void bringToRest()
    {
        list_->stopPlaybackFirst();
        DURUMMClick();
    }

    NoteSound& sound_;
    platform::Dialogs& dialogs_;
    Recorder recorder_;
    NoteLists lists_;
    NoteKeys keys_;
    MainControls c_;
    NoteTriggers triggers_{keys_, c_, [this] { return changePanelOpen(); }};
    QAction* mnliste_ = nullptr;
    bool shownOnce_ = false;

    // The parts go before the lists and the recorder they hold on to.
    std::unique_ptr<CommandBinder> binder_;
    std::unique_ptr<NoteListPresenter> list_;
    std::unique_ptr<NoteFileCommands> files_;
    std::unique_ptr<ChromeCommands> chrome_;
    ChangePanel* Panel1_ = nullptr;
    std::unique_ptr<EditCommands> edit_;
    std::unique_ptr<WindowColours> colours_;
    std::unique_ptr<WindowZoom> zoom_;
};

} // namespace tezvan
