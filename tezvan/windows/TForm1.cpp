// The main window: start-up, show, close, note triggering and recording, hovers, keys, and
// the parts that do the rest.
#include "TForm1.h"

#include "CaptionBar.h"
#include "FlatButton.h"
#include "NoteSound.h"
#include "WindowLook.h"

#include "tezvan/core/ZoomLevels.h"

#include "platform/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QListView>
#include <QPainter>
#include <QStatusTipEvent>

namespace tezvan {

TForm1::TForm1(NoteSound& sound, platform::Clock& clock, platform::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), sound_(sound),
      dialogs_(dialogs), recorder_(clock)
{
    setObjectName(QStringLiteral("TForm1"));
    // The taskbar shows the application's title.
    setWindowTitle(platform::applicationTitle());
    setFont(look::sansSerif(11));
    setFixedSize(layout::kClientWidth + 2 * layout::kFrame, kCollapsedHeight);

    c_ = buildMainControls(this, lists_, keys_);
    binder_ = std::make_unique<CommandBinder>(*this, clock);
    list_ = std::make_unique<NoteListPresenter>(clock, lists_, sound_, recorder_, c_, *this);
    mnliste_ = binder_->bind("mnliste", this, &TForm1::mnlisteExecute);
    files_ = std::make_unique<NoteFileCommands>(*binder_, lists_, recorder_, dialogs_, *this, c_);
    binder_->bind("al1", list_.get(), &NoteListPresenter::PLAY_Click);
    binder_->bind("Durdur1", list_.get(), &NoteListPresenter::PAUSE_Click);
    binder_->bind("KaytDurdur1", this, &TForm1::DURUMMClick);
    binder_->bind("mnklavye", this, &TForm1::mnklavyeExecute);
    Panel1_ = new ChangePanel(lists_, sound_, c_.client);
    edit_ = std::make_unique<EditCommands>(*binder_, lists_, dialogs_, this, c_.ListBox1, c_.Kontroller, Panel1_);
    colours_ = std::make_unique<WindowColours>(*binder_, *this, dialogs_, c_.Kontroller, c_.ListBox1, c_.DURUMM);
    zoom_ = std::make_unique<WindowZoom>(*binder_, *this, c_);
    chrome_ = std::make_unique<ChromeCommands>(*binder_, sound_);
    binder_->bind("mncikis", this, &TForm1::mncikisExecute);
    // F12 minimises from the help window too; the programmer's window keeps F12 for itself.
    binder_->bind("MNsimgeles", this, &TForm1::MNsimgelesExecute)->setShortcutContext(Qt::ApplicationShortcut);
    connectParts();
    zoom_->layOut();
    // Last: the menu binds the commands made above.
    binder_->buildMenu();

    // Key preview: the note keys reach the note actions before any control sees them.
    qApp->installEventFilter(this);
    // Another program's window became active: the recording ends (HintlerDeactivate).
    // The program's own boxes and dialogs keep the application active.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            HintlerActivate();
        else
            HintlerDeactivate();
    });
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
}

void TForm1::connectParts()
{
    c_.Kontroller->installEventFilter(this);
    for (int k = 0; k < kNoteCount; ++k) {
        QAction* action = c_.noteActions[std::size_t(k)];
        connect(action, &QAction::triggered, this, [this, action, k] { NotaCal(action, c_.N[std::size_t(k)]); });
    }
    connect(c_.DURUMM, &QAbstractButton::clicked, this, &TForm1::DURUMMClick);
    connect(c_.oto_kayit, &QCheckBox::clicked, this, &TForm1::oto_kayitClick);
    connect(c_.ListBox1, &QAbstractItemView::doubleClicked, this, &TForm1::ListBox1DblClick);
    connect(c_.BaslikC, &CaptionBar::infoClicked, this, &TForm1::bilgiClick);
    connect(c_.BaslikC, &CaptionBar::minimiseClicked, this, &TForm1::SimgClick);
    connect(c_.BaslikC, &CaptionBar::closeClicked, this, &TForm1::KaptClick);
    connect(c_.BaslikC, &CaptionBar::doubleClicked, this, &TForm1::BaslikCDblClick);
    // New and Open wait while the change panel is up, so its entry cannot vanish under it.
    for (QAction* a : files_->listReplacers())
        edit_->waitWhilePanelOpen(a);
    connect(list_.get(), &NoteListPresenter::countShown, zoom_.get(), &WindowZoom::fitToContents);
    connect(edit_.get(), &EditCommands::restNeeded, this, &TForm1::bringToRest);
    connect(files_.get(), &NoteFileCommands::playbackEndNeeded, list_.get(), &NoteListPresenter::stopPlaybackFirst);
    connect(edit_.get(), &EditCommands::recordingEndNeeded, this, &TForm1::DURUMMClick);
    connect(files_.get(), &NoteFileCommands::recordingEndNeeded, this, &TForm1::DURUMMClick);
    connect(colours_.get(), &WindowColours::recordingEndNeeded, this, &TForm1::DURUMMClick);
    connect(chrome_.get(), &ChromeCommands::recordingEndNeeded, this, &TForm1::DURUMMClick);
    connect(colours_.get(), &WindowColours::frameChanged, this, qOverload<>(&QWidget::update));
    connect(colours_.get(), &WindowColours::buttonColourChanged, list_.get(), &NoteListPresenter::setButtonColour);
    connect(binder_.get(), &CommandBinder::hinted, this, &TForm1::HintlerHint);
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm1::FormCreate(const QStringList& arguments)
{
    files_->openCommandLineFile(arguments, mnliste_);
    loadSettings();
}

void TForm1::loadSettings()
{
    const std::optional<LoadedAppearance> loaded = colours_->load();
    if (!loaded)
        return;
    setArtirma(loaded->step);
    zoom_->setStoredLevel(loaded->zoomLevel);
    colours_->applyLoaded(*loaded);
}

void TForm1::FormShow()
{
    Panel1_->move(scaledLength(86, zoom_->scaledLevel()), scaledLength(1, zoom_->scaledLevel()));
    list_->takeButtonColour();
    RenkSifirla();
    c_.PAUSE_->setText(QStringLiteral("DUR"));
    c_.BaslikC->showCredit();
    recorder_.windowShown();
    for (FlatButton* b : c_.transport()) {
        b->setColour(colourOfValue(look::kTransport));
        b->setFontColour(colourOfValue(look::kTransportText));
    }
    zoom_->giveShortcuts();
    if (!shownOnce_) {
        shownOnce_ = true;
        zoom_->recentre();
        zoom_->applyStoredLevel();
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // FormClose: a running recording is asked about; whatever the answer, it ends.
    bool close = true;
    if (recorder_.recording()) {
        close = dialogs_.ask(this, QStringLiteral("UYARI"),
                             QString::fromUtf8("Şu An Kayıt Modundasınız.\r\r"
                                               "Çıkmak istediğinizden emin misiniz?"),
                             platform::Dialogs::Icon::Warning);
    }
    recorder_.closeRequested();
    colours_->save(appearance());
    if (close)
        event->accept();
    else
        event->ignore();
}

AppearanceRecord TForm1::appearance() const
{
    return {colours_->values(), edit_->step(), zoom_->level()};
}

void TForm1::NotaCal(QAction* action, FlatButton* button)
{
    // The recorder clears the mark and sets the caption.
    const std::optional<qint32> pause = recorder_.noteTriggered(c_.oto_kayit->isChecked());
    const int n = action->property("Tag").toInt() - 1;
    button->setRaised(true);
    // The sample starts before any list work, so the note sounds at once.
    sound_.play(n);
    if (pause) {
        lists_.append(noteEntryText(n, *pause),
                      action->text() + QStringLiteral(" (") + noteCode(n) + QLatin1Char(')'));
    }
}

void TForm1::ListBox1DblClick()
{
    // Listening to the selected line's note, as the change panel's listen button does:
    // nothing is recorded, the panel stays closed.
    const int row = edit_->selectedVisibleLine();
    if (row >= 0)
        Panel1_->listenTo(lists_.line(row));
}

bool TForm1::event(QEvent* event)
{
    // An action's hint arrives here when a menu highlights its entry, and a control's when
    // the mouse reaches it.
    if (event->type() == QEvent::StatusTip) {
        HintlerHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    zoom_->layOut();
}

void TForm1::paintEvent(QPaintEvent*)
{
    // The 1-px frame shows the window's own colour around the client area.
    QPainter p(this);
    p.fillRect(rect(), colours_->frame());
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: {
        // Key preview for every control of this window, whichever has the focus.
        auto* key = static_cast<QKeyEvent*>(event);
        if (w && w->window() == this && w->isEnabled())
            return zoom_->keyPreview(key) || triggers_.preview(key);
        break;
    }
    case QEvent::ContextMenu: // no context menu while the change panel is up
        return binder_->openMenu(watched, event, changePanelOpen());
    case QEvent::StatusTip: return binder_->isMenuStatusTip(watched);
    case QEvent::MouseButtonDblClick:
        if (watched == c_.Kontroller
            && !c_.Kontroller->childAt(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            KontrollerDblClick();
            return true;
        }
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tezvan
