#include "Tfrmana.h"

#include "Picture.h"
#include "Tfrmhak.h"
#include "WindowLook.h"
#include "tezvan2/core/GridPlayer.h"
#include "tezvan2/core/GridRecorder.h"
#include "tezvan2/core/InstalledSamples.h"
#include "tezvan2/core/NotaFile.h"
#include "tezvan2/core/NotaMidi.h"
#include "tezvan2/core/NoteGrid.h"
#include "tezvan2/core/NoteTable.h"
#include "tezvan2/core/SampleFiles.h"

#include "platform/Dialogs.h"
#include "platform/LiveMidiNotes.h"
#include "platform/MidiFile.h"
#include "platform/RunCommand.h"
#include "platform/Shell.h"
#include "platform/VirtualKey.h"

#include "identity/ProgramIdentity.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>

namespace tezvan2 {
namespace {

QString appTitle()
{
    return QString::fromUtf8(identity::kTezvan2Title);
}

QString rowWord(int row)
{
    return row == NoteGrid::kNameRow ? QString::fromUtf8("nota") : QString::fromUtf8("süre");
}

// The question before a save that would cut cells to five characters.
QString cutCellsQuestion(const std::vector<nota::CutCell>& cells)
{
    QString text = QString::fromUtf8("Şu hücreler beş karakterden uzun; dosyaya ilk beş karakterleri yazılır:\r");
    for (const nota::CutCell& c : cells)
        text += QString::fromUtf8("%1. sütun, %2: \"%3\"\r").arg(c.column + 1).arg(rowWord(c.row), c.text);
    return text + QString::fromUtf8("Yine de kaydedilsin mi?");
}

// A cell's editor writes into the grid at every change, so what is typed is part of the
// grid at once: the commands and the recorder read it while the editor is still open,
// and removing the column being edited keeps the typed text in the cell store.
class LiveCellDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            auto* self = const_cast<LiveCellDelegate*>(this);
            connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
        }
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        // The cell's own text coming back from the grid must not move the caret; text
        // that the recorder wrote into the cell does replace what the editor shows.
        if (auto* line = qobject_cast<QLineEdit*>(editor);
            line && line->text() == index.data(Qt::EditRole).toString())
            return;
        QStyledItemDelegate::setEditorData(editor, index);
    }
};

} // namespace

QUrl Tfrmana::notesAddress()
{
    return QUrl(QString::fromUtf8(identity::kHomePage) + QStringLiteral("notalar/"));
}

Tfrmana::Tfrmana(const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), dialogs_(services.dialogs), shell_(services.shell),
      samples_(std::make_unique<SampleFiles>(services.voice, services.sampleFolder,
                                             installedSampleFolder(QCoreApplication::applicationDirPath()))),
      grid_(new NoteGrid(this))
{
    setObjectName(QStringLiteral("frmana"));
    // The window has no title bar: its title is seen only on the taskbar, which shows the
    // application's title.
    setWindowTitle(appTitle());
    setFixedSize(604, 439);
    QFont base(QStringLiteral("MS Sans Serif"));
    base.setStyleHint(QFont::SansSerif);
    base.setPointSize(8);
    setFont(base);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    buildPictures();
    buildControls();

    player_ = std::make_unique<GridPlayer>(*grid_, *samples_, services.clock);
    connect(player_.get(), &GridPlayer::notice, this, &Tfrmana::tell);
    connect(player_.get(), &GridPlayer::failed, this, &Tfrmana::reportError);

    frmhak_ = new Tfrmhak(shell_, this);
    recorder_ = std::make_unique<GridRecorder>(*grid_, services.clock, [this] { return frmhak_->multiplierText(); });
    // Finish unticks the box (which turns key preview on) before the last duration.
    connect(recorder_.get(), &GridRecorder::recordingEnding, CheckBox1, [this] { CheckBox1->setChecked(false); });

    if (services.midi)
        connectMidi(*services.midi);

    qApp->installEventFilter(this);
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this] { focusMoved(); });
    FormCreate();
}

Tfrmana::~Tfrmana()
{
    qApp->removeEventFilter(this);
    // Children losing the focus while they go must not reach a half-destroyed window.
    disconnect(focusWatch_);
    // The player holds timers on the clock; it goes before the grid it reads.
    player_.reset();
}

void Tfrmana::buildPictures()
{
    for (const PictureSpot& spot : kPictures) {
        auto* picture = new Picture(this);
        const QString name = pictureName(spot);
        picture->setObjectName(name);
        picture->setGeometry(spot.x, spot.y, spot.width, spot.height);
        picture->loadJpeg(QStringLiteral(":/tezvan2/%1.jpg").arg(name));
        if (const QString hint = pictureHint(spot); !hint.isEmpty())
            picture->setToolTip(hint);
        if (spot.kind == PictureKind::Note || spot.kind == PictureKind::Command)
            picture->setCursor(Qt::PointingHandCursor);
        pictures_[spot.number] = picture;
    }
    for (const NoteRow& row : noteTable()) {
        const QString name = row.picture;
        connect(findChild<Picture*>(name), &Picture::clicked, this, [this, name] { pictureClick(name); });
    }
    const std::pair<int, void (Tfrmana::*)()> commands[] = {
        {1, &Tfrmana::Image1Click},   {13, &Tfrmana::Image13Click}, {27, &Tfrmana::Image27Click},
        {29, &Tfrmana::Image29Click}, {35, &Tfrmana::Image35Click}, {37, &Tfrmana::Image37Click},
        {39, &Tfrmana::Image39Click}, {40, &Tfrmana::Image40Click}, {41, &Tfrmana::Image41Click},
        {42, &Tfrmana::Image42Click},
    };
    for (const auto& [number, handler] : commands)
        connect(pictures_.at(number), &Picture::clicked, this, handler);
}

void Tfrmana::buildControls()
{
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(508, 64);
    QFont display = font();
    display.setPixelSize(24);
    Label1->setFont(display);
    QPalette lp = Label1->palette();
    lp.setColor(QPalette::WindowText, look::kSilver);
    lp.setColor(QPalette::Window, Qt::black);
    Label1->setPalette(lp);
    Label1->setAutoFillBackground(true);
    Label1->resize(0, QFontMetrics(display).height());

    CheckBox1 = new QCheckBox(QString::fromUtf8("Eşzamanlı Kaydet"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(94, 351, 113, 17);
    CheckBox1->setFocusPolicy(Qt::ClickFocus); // not in the tab order
    QFont narrow = font();
    narrow.setStretch(QFont::SemiCondensed); // the caption fits its 113 pixels
    CheckBox1->setFont(narrow);
    // A style sheet, because styles fill a check box with their own button colours.
    CheckBox1->setStyleSheet(QStringLiteral(
        "QCheckBox { color: rgb(192,192,192); background: black; }"
        "QCheckBox::indicator { width: 10px; height: 10px; border: 1px solid rgb(192,192,192); background: black; }"
        "QCheckBox::indicator:checked { background: rgb(206,36,30); }"));
    connect(CheckBox1, &QCheckBox::toggled, this, &Tfrmana::CheckBox1Click);

    sg1 = new QTableView(this);
    sg1->setObjectName(QStringLiteral("sg1"));
    sg1->setGeometry(77, 376, 510, 54);
    sg1->setModel(grid_);
    sg1->setItemDelegate(new LiveCellDelegate(sg1));
    sg1->horizontalHeader()->hide();
    sg1->verticalHeader()->hide();
    sg1->horizontalHeader()->setMinimumSectionSize(0);
    sg1->horizontalHeader()->setDefaultSectionSize(45);
    sg1->verticalHeader()->setMinimumSectionSize(0);
    sg1->verticalHeader()->setDefaultSectionSize(18);
    sg1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sg1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    sg1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg1->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    sg1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    sg1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    sg1->setShowGrid(true);
    sg1->setFocusPolicy(Qt::ClickFocus); // not in the tab order
    sg1->setToolTip(QString::fromUtf8("Notaları ve süreleri buraya yazınız"));
    sg1->viewport()->setCursor(Qt::IBeamCursor);
    QPalette gp = sg1->palette();
    gp.setColor(QPalette::Base, look::kGridPaper);
    sg1->setPalette(gp);
    sg1->setCursor(Qt::IBeamCursor);
}

// Every sound of the sample files (keys, pictures, grid playback) goes out at its pitch; a
// keyboard's note plays as the note's key does, whatever control has the focus.
void Tfrmana::connectMidi(platform::LiveMidiNotes& midi)
{
    std::vector<double> keyPitches;
    for (const NoteRow& row : noteTable())
        keyPitches.push_back(row.keyHz);
    midi.setNotePitches(keyPitches);
    connect(&midi, &platform::LiveMidiNotes::notePlayed, this, [this](int note) {
        if (const std::optional<NoteTrigger> trigger =
                keyTrigger(noteTable().at(std::size_t(note)).keyCodes.front()))
            noteTrigger(*trigger);
    });
    if (!midi.isOpen())
        return;
    samples_->setSoundListener([&midi](const QString& bareName) {
        if (bareName.isEmpty()) {
            midi.silenced();
            return;
        }
        const std::optional<double> hz = samplePitchHz(bareName);
        midi.sounded(hz ? std::optional(platform::midiPitchOf(*hz)) : std::nullopt);
    });
}

void Tfrmana::FormCreate()
{
    keyPreview_ = true;
    recorder_->startUp(); // finish flag off, grid blanked to one column, clock stopped
}

// Key preview: a key release reaches the dispatch before the focused control, which
// still gets it afterwards. The window itself always dispatches its own key releases.
bool Tfrmana::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyRelease || !watched->isWidgetType())
        return false;
    auto* target = static_cast<QWidget*>(watched);
    if (target != this && !isAncestorOf(target))
        return false;
    // The event climbs from the focused control to its parents; dispatch it once, at
    // the control it was sent to.
    QWidget* focus = QApplication::focusWidget();
    const QWidget* first = focus && isAncestorOf(focus) ? focus : this;
    if (target != first)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Holding a key sounds its note once, at the real release.
    if (key->isAutoRepeat())
        return false;
    if (target == this || keyPreview_)
        FormKeyUp(platform::virtualKeyCode(*key));
    return false;
}

void Tfrmana::FormKeyUp(quint16 keyWord)
{
    switch (keyCommand(keyWord)) {
    case KeyCommand::AddColumn: grid_->addColumn(); return;
    case KeyCommand::RemoveColumn: grid_->removeLastColumn(); return;
    case KeyCommand::Note:
        if (const std::optional<NoteTrigger> trigger = keyTrigger(keyWord))
            noteTrigger(*trigger);
        return;
    case KeyCommand::None: return;
    }
}

void Tfrmana::pictureClick(const QString& objectName)
{
    if (const std::optional<NoteTrigger> trigger = pictureTrigger(objectName))
        noteTrigger(*trigger);
}

void Tfrmana::noteTrigger(const NoteTrigger& trigger)
{
    samples_->play(trigger.sampleFile); // silence when the file is missing: nothing to report
    Label1->setText(trigger.displayName);
    Label1->adjustSize();
    if (!CheckBox1->isChecked())
        return;
    player_->stop();
    platform::runCommand(dialogs_, this, [&] { recorder_->record(trigger.gridName); });
}

void Tfrmana::Image1Click()
{
    close();
}

void Tfrmana::Image37Click()
{
    frmhak_->exec();
}

void Tfrmana::Image42Click()
{
    shell_.openAddress(notesAddress());
}

void Tfrmana::Image39Click()
{
    grid_->addColumn();
}

void Tfrmana::Image40Click()
{
    grid_->removeLastColumn();
}

void Tfrmana::Image27Click()
{
    player_->stop();
    recorder_->clear();
}

void Tfrmana::Image35Click()
{
    if (player_->isPlaying()) {
        player_->stop();
        return;
    }
    player_->play();
}

void Tfrmana::Image41Click()
{
    keyPreview_ = true;
    platform::runCommand(dialogs_, this, [this] {
        const auto branch = recorder_->finish(CheckBox1->isChecked());
        if (branch == GridRecorder::FinishBranch::MoveFocusToCheckBox)
            CheckBox1->setFocus(Qt::OtherFocusReason);
    });
}

void Tfrmana::Image29Click()
{
    player_->stop();
    if (grid_->name(grid_->lastColumn()).isEmpty())
        grid_->removeLastColumn();
    const QString path =
        dialogs_.saveFileName(this, nota::filter() + u'|' + platform::midiFileFilter(), nota::defaultSuffix());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).fileName().isEmpty()) {
        tell(QString::fromUtf8("Dosya adını girmediniz"));
        return;
    }
    if (platform::isMidiFileName(path)) {
        platform::runCommand(dialogs_, this, [&] {
            QString error;
            if (!saveGridAsMidi(*grid_, path, &error))
                throw platform::CommandError(error);
        });
        return;
    }
    // Cells longer than a record's five bytes are not cut without the user's word.
    const std::vector<nota::CutCell> cut = nota::cellsThatWouldBeCut(*grid_);
    if (!cut.empty() && !dialogs_.ask(this, appTitle(), cutCellsQuestion(cut), platform::Dialogs::Icon::Question))
        return;
    platform::runCommand(dialogs_, this, [&] { nota::save(path, *grid_, nota::LongCells::Cut); });
}

void Tfrmana::Image13Click()
{
    player_->stop();
    const QString path = dialogs_.openFileName(this, nota::filter(), nota::defaultSuffix());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).fileName().isEmpty()) {
        tell(QString::fromUtf8("Dosya seçmediniz"));
        return;
    }
    platform::runCommand(dialogs_, this, [&] { nota::open(path, *grid_); });
}

void Tfrmana::CheckBox1Click()
{
    if (!CheckBox1->isChecked())
        keyPreview_ = true;
}

bool Tfrmana::inGrid(const QWidget* w) const
{
    return w && (w == sg1 || sg1->isAncestorOf(w));
}

// Only the focus inside this window counts: the control that has it here keeps it while
// another window (a box, a dialog, the about window, another program) has the
// keyboard, so leaving for one and coming back is neither an exit nor an entry. The
// grid and its cell editor count as one control: moving between them is no exit.
void Tfrmana::focusMoved()
{
    const bool inside = inGrid(focusWidget());
    if (inside == gridHasFocus_)
        return;
    gridHasFocus_ = inside;
    if (inside)
        sg1Enter();
    else
        sg1Exit();
}

// Typing into the grid sounds nothing: the keys go to the cell, not to the dispatch.
void Tfrmana::sg1Enter()
{
    keyPreview_ = false;
}

void Tfrmana::sg1Exit()
{
    keyPreview_ = true;
}

void Tfrmana::tell(const QString& text)
{
    dialogs_.tell(this, appTitle(), text, platform::Dialogs::Icon::None);
}

void Tfrmana::reportError(const QString& message)
{
    platform::showError(dialogs_, this, message);
}

} // namespace tezvan2
