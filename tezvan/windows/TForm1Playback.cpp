// Playback in the main window: Start and Stop, and what each step of the player shows.
// The timing is NoteListPlayer's; the window locks, selects, lights and unlocks.
#include "FlatButton.h"
#include "NoteSound.h"
#include "TForm1.h"

#include <QAction>
#include <QListView>

namespace tezvan {

void TForm1::PLAY_Click()
{
    // A second Start while playing is ignored.
    if (player_.isPlaying())
        return;
    ListBox1_->setFocus();
    player_.start();
}

void TForm1::PAUSE_Click()
{
    player_.stop();
    StilSifirla();
}

QAction* TForm1::windowAction(const char* name, const QString& caption, QKeySequence key,
                              void (TForm1::*handler)())
{
    auto* a = new QAction(caption, this);
    a->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    connect(a, &QAction::triggered, this, handler);
    addAction(a);
    return a;
}

void TForm1::buildFileAndPlaybackActions()
{
    connect(PLAY_, &QAbstractButton::clicked, this, &TForm1::PLAY_Click);
    connect(PAUSE_, &QAbstractButton::clicked, this, &TForm1::PAUSE_Click);
    connect(new_, &QAbstractButton::clicked, this, &TForm1::newClick);
    connect(open_, &QAbstractButton::clicked, this, &TForm1::openClick);
    connect(save_, &QAbstractButton::clicked, this, &TForm1::saveClick);

    mndosyaac_ = windowAction("mndosyaac", QStringLiteral("mndosyaac"), {}, &TForm1::mndosyaacExecute);
    mnnotadonustur_ = windowAction("mnnotadonustur", QString::fromUtf8("Nota Dönüştür"), {},
                                   &TForm1::mnnotadonusturExecute);
    // The shortcuts of the context menu's entries work while the menu is closed.
    windowAction("Yeni1", QStringLiteral("Yeni"), QKeySequence(Qt::CTRL | Qt::Key_N), &TForm1::newClick);
    windowAction("A1", QString::fromUtf8("Aç..."), QKeySequence(Qt::CTRL | Qt::Key_O), &TForm1::openClick);
    windowAction("Kaydet1", QStringLiteral("Kaydet..."), QKeySequence(Qt::CTRL | Qt::Key_S), &TForm1::saveClick);
    windowAction("al1", QString::fromUtf8("Notaları Çal"), QKeySequence(Qt::CTRL | Qt::Key_F9), &TForm1::PLAY_Click);
    windowAction("Durdur1", QString::fromUtf8("Çalma İşlemini Bitir"), QKeySequence(Qt::CTRL | Qt::Key_F10),
                 &TForm1::PAUSE_Click);
    windowAction("KaytDurdur1", QString::fromUtf8("Kayıt İşlemini Durdur"), QKeySequence(Qt::CTRL | Qt::Key_F11),
                 &TForm1::DURUMMClick);
}

void TForm1::selectVisibleLine(int row)
{
    selectingByProgram_ = true;
    QItemSelectionModel* sel = ListBox1_->selectionModel();
    if (row < 0 || row >= lists_.count()) {
        sel->clearSelection();
        sel->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    } else {
        const QModelIndex at = lists_.index(row);
        sel->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
        ListBox1_->scrollTo(at);
    }
    selectingByProgram_ = false;
}

void TForm1::setTransportLocked(bool locked)
{
    // Locked: Stop replaces Start, and nothing that changes the list or sounds a note works.
    if (locked) {
        PAUSE_->show();
        PLAY_->hide();
    } else {
        PLAY_->show();
        PAUSE_->hide();
    }
    for (FlatButton* b : {new_, open_, save_})
        b->setEnabled(!locked);
    for (QAction* a : noteActions_)
        a->setEnabled(!locked);
    ListBox1_->setEnabled(!locked);
}

void TForm1::connectPlayerAndRecorder()
{
    connect(&recorder_, &Recorder::statusChanged, DURUMM_, &QAbstractButton::setText);
    connect(&recorder_, &Recorder::markCleared, this, &TForm1::StilSifirla);
    connect(&player_, &NoteListPlayer::started, this, &TForm1::playbackStarted);
    connect(&player_, &NoteListPlayer::turn, this, &TForm1::playbackTurn);
    connect(&player_, &NoteListPlayer::noteDue, this, &TForm1::playbackNote);
    connect(&player_, &NoteListPlayer::finished, this, &TForm1::playbackFinished);
}

void TForm1::playbackStarted()
{
    recorder_.playbackStarted(); // its caption, and the mark cleared
    buttonColour_ = N_[0]->colour();
    repaint();
    setTransportLocked(true);
    lists_.setCurrentIndex(-1);
    selectVisibleLine(-1);
}

void TForm1::playbackTurn(int index)
{
    lists_.setCurrentIndex(lists_.currentIndex() + 1);
    selectVisibleLine(index - 1);
}

void TForm1::playbackNote(int index, int noteNumber, bool isLastLine)
{
    sound_.play(noteNumber);
    RenkSifirla();
    N_[std::size_t(noteNumber)]->setColour(Qt::white);
    if (isLastLine)
        selectVisibleLine(index);
}

void TForm1::playbackFinished()
{
    setTransportLocked(false);
    RenkSifirla();
    DURUMM_->setText(QString::fromUtf8("İşlem Tamamlandı..."));
}

} // namespace tezvan
