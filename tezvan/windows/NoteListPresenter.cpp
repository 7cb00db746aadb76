#include "NoteListPresenter.h"

#include "FlatButton.h"
#include "NoteSound.h"

#include "tezvan/core/NoteLists.h"
#include "tezvan/core/Recorder.h"

#include <QAction>
#include <QLabel>
#include <QListView>

namespace tezvan {

NoteListPresenter::NoteListPresenter(platform::Clock& clock, NoteLists& lists, NoteSound& sound, Recorder& recorder,
                                     const MainControls& controls, QWidget& window)
    : lists_(lists), sound_(sound), recorder_(recorder), c_(controls), window_(window), player_(clock, lists)
{
    connect(c_.PLAY_, &QAbstractButton::clicked, this, &NoteListPresenter::PLAY_Click);
    connect(c_.PAUSE_, &QAbstractButton::clicked, this, &NoteListPresenter::PAUSE_Click);
    // ListBox1Click follows the selection the user makes: by keys, when the selection has
    // changed, and by the mouse, on every click on a line, the line already selected included
    // (a mouse press makes a line current before it selects it).
    connect(c_.ListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!selectingByProgram_)
            ListBox1Click();
    });
    connect(c_.ListBox1, &QAbstractItemView::clicked, this, &NoteListPresenter::ListBox1Click);
    connect(&lists_, &NoteLists::countChanged, c_.Label5, [this](int n) {
        c_.Label5->setText(noteCountText(n));
        emit countShown();
    });
    connect(&recorder_, &Recorder::statusChanged, c_.DURUMM, &QAbstractButton::setText);
    connect(&recorder_, &Recorder::markCleared, this, &NoteListPresenter::StilSifirla);
    connect(&player_, &NoteListPlayer::started, this, &NoteListPresenter::playbackStarted);
    connect(&player_, &NoteListPlayer::turn, this, &NoteListPresenter::playbackTurn);
    connect(&player_, &NoteListPlayer::noteDue, this, &NoteListPresenter::playbackNote);
    connect(&player_, &NoteListPlayer::finished, this, &NoteListPresenter::playbackFinished);
}

NoteListPresenter::~NoteListPresenter()
{
    player_.stop();
}

void NoteListPresenter::PLAY_Click()
{
    // A second Start while playing is ignored.
    if (player_.isPlaying())
        return;
    c_.ListBox1->setFocus();
    player_.start();
}

void NoteListPresenter::PAUSE_Click()
{
    player_.stop();
    StilSifirla();
}

void NoteListPresenter::stopPlaybackFirst()
{
    if (player_.isPlaying())
        PAUSE_Click();
}

void NoteListPresenter::ListBox1Click()
{
    const QModelIndex current = c_.ListBox1->currentIndex();
    const bool selected = current.isValid() && c_.ListBox1->selectionModel()->isSelected(current);
    lists_.setCurrentIndex(selected ? current.row() : -1);
}

void NoteListPresenter::takeButtonColour()
{
    buttonColour_ = c_.N[0]->colour();
}

void NoteListPresenter::StilSifirla()
{
    for (FlatButton* b : c_.N)
        b->setRaised(false);
}

void NoteListPresenter::RenkSifirla()
{
    for (FlatButton* b : c_.N)
        b->setColour(buttonColour_);
}

void NoteListPresenter::selectVisibleLine(int row)
{
    selectingByProgram_ = true;
    QItemSelectionModel* sel = c_.ListBox1->selectionModel();
    if (row < 0 || row >= lists_.count()) {
        sel->clearSelection();
        sel->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    } else {
        const QModelIndex at = lists_.index(row);
        sel->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
        c_.ListBox1->scrollTo(at);
    }
    selectingByProgram_ = false;
}

void NoteListPresenter::setTransportLocked(bool locked)
{
    // Locked: Stop replaces Start, and nothing that changes the list or sounds a note works.
    if (locked) {
        c_.PAUSE_->show();
        c_.PLAY_->hide();
    } else {
        c_.PLAY_->show();
        c_.PAUSE_->hide();
    }
    for (FlatButton* b : {c_.new_, c_.open, c_.save})
        b->setEnabled(!locked);
    for (QAction* a : c_.noteActions)
        a->setEnabled(!locked);
    c_.ListBox1->setEnabled(!locked);
}

void NoteListPresenter::playbackStarted()
{
    recorder_.playbackStarted(); // its caption, and the mark cleared
    takeButtonColour();
    window_.repaint();
    setTransportLocked(true);
    lists_.setCurrentIndex(-1);
    selectVisibleLine(-1);
}

void NoteListPresenter::playbackTurn(int index)
{
    lists_.setCurrentIndex(lists_.currentIndex() + 1);
    selectVisibleLine(index - 1);
}

void NoteListPresenter::playbackNote(int index, int noteNumber, bool isLastLine)
{
    sound_.play(noteNumber);
    RenkSifirla();
    c_.N[std::size_t(noteNumber)]->setColour(Qt::white);
    if (isLastLine)
        selectVisibleLine(index);
}

void NoteListPresenter::playbackFinished()
{
    setTransportLocked(false);
    RenkSifirla();
    c_.DURUMM->setText(QString::fromUtf8("İşlem Tamamlandı..."));
}

} // namespace tezvan
