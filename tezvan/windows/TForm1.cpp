// The main window: start-up, show, close, note triggering and recording, hovers, keys.
#include "TForm1.h"

#include "CaptionIcon.h"
#include "FlatButton.h"
#include "NoteSound.h"
#include "WindowLook.h"

#include "tezvan/core/ZoomLevels.h"

#include "platform/Dialogs.h"
#include "platform/VirtualKey.h"

#include "identity/ProgramIdentity.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace tezvan {

TForm1::TForm1(NoteSound& sound, platform::Clock& clock, platform::Dialogs& dialogs,
               QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      sound_(sound), clock_(clock), dialogs_(dialogs), recorder_(clock),
      frameColour_(colourOfValue(look::kFrame)), player_(clock, lists_)
{
    setObjectName(QStringLiteral("TForm1"));
    // The taskbar shows the application's title.
    setWindowTitle(platform::applicationTitle());
    setFont(look::sansSerif(11));
    setFixedSize(421 + 2, kCollapsedHeight);

    client_ = new QWidget(this);
    buildCaptionBar();
    buildNoteButtons();
    buildTransport();
    buildListArea();
    buildActions();
    buildFileAndPlaybackActions();
    buildKeyAssignmentAction();
    buildChangePanel();
    buildEditingActions();
    buildFileTypeAction();
    buildAppearanceActions();
    buildChromeActions();
    connectPlayerAndRecorder();
    layOut();
    // Last: the menu binds the commands made above.
    buildContextMenu();

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
    player_.stop();
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm1::FormCreate(const QStringList& arguments)
{
    openCommandLineFile(arguments);
    loadSettings();
}

void TForm1::FormShow()
{
    Panel1_->move(scaledLength(86, scaledLevel_), scaledLength(1, scaledLevel_));
    buttonColour_ = N_[0]->colour();
    RenkSifirla();
    PAUSE_->setText(QStringLiteral("DUR"));
    // The product, then who made it and where to reach them.
    BaslikC_->setText(QStringLiteral("TEZVAN %1 - %2, %3")
                          .arg(QString::fromUtf8(identity::kTezvanEdition), QString::fromUtf8(identity::kMakers),
                               QString::fromUtf8(identity::kContactAddress)));
    recorder_.windowShown();
    for (FlatButton* b : {PLAY_, new_, open_, save_, PAUSE_}) {
        b->setColour(colourOfValue(look::kTransport));
        b->setFontColour(colourOfValue(look::kTransportText));
    }
    giveZoomShortcuts();
    if (!shownOnce_) {
        shownOnce_ = true;
        recentre();
        applyStoredZoom();
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
    saveSettings();
    if (close)
        event->accept();
    else
        event->ignore();
}

void TForm1::NotaCal(QAction* action, FlatButton* button)
{
    // The recorder clears the mark and sets the caption (connectPlayerAndRecorder).
    const std::optional<qint32> pause = recorder_.noteTriggered(oto_kayit_->isChecked());
    const int n = action->property("Tag").toInt() - 1;
    button->setRaised(true);
    // The sample starts before any list work, so the note sounds at once.
    sound_.play(n);
    if (pause) {
        lists_.append(noteEntryText(n, *pause),
                      action->text() + QStringLiteral(" (") + noteCode(n) + QLatin1Char(')'));
    }
}

void TForm1::DURUMMClick()
{
    recorder_.stopRequested(oto_kayit_->isChecked());
}

void TForm1::oto_kayitClick()
{
    recorder_.boxChanged(oto_kayit_->isChecked());
}


void TForm1::StilSifirla()
{
    for (FlatButton* b : N_)
        b->setRaised(false);
}

void TForm1::RenkSifirla()
{
    for (FlatButton* b : N_)
        b->setColour(buttonColour_);
}

void TForm1::ListBox1Click()
{
    const QModelIndex current = ListBox1_->currentIndex();
    const bool selected = current.isValid() && ListBox1_->selectionModel()->isSelected(current);
    lists_.setCurrentIndex(selected ? current.row() : -1);
}

void TForm1::ListBox1DblClick()
{
    // Listening to the selected line's note, as the change panel's listen button does:
    // nothing is recorded, the panel stays closed.
    const int row = selectedVisibleLine();
    if (row < 0)
        return;
    Label4_->setText(lists_.line(row));
    SpeedButton4Click();
}

void TForm1::NMouseEnter(int k)
{
    FlatButton* b = N_[std::size_t(k)];
    b->setToolTip(QString::fromUtf8("Kısayol -> ") + QString::number(keys_.key(k)));
    QFont f = b->font();
    f.setBold(true);
    f.setUnderline(true);
    b->setFont(f);
}

void TForm1::N0MouseLeave(FlatButton* button)
{
    QFont f = button->font();
    f.setBold(false);
    f.setUnderline(false);
    button->setFont(f);
}

void TForm1::PLAY_MouseEnter(FlatButton* button)
{
    QFont f = button->font();
    f.setUnderline(true);
    button->setFont(f);
    button->setFontColour(colourOfValue(look::kTransportHover));
}

void TForm1::PLAY_MouseLeave(FlatButton* button)
{
    QFont f = button->font();
    f.setUnderline(false);
    button->setFont(f);
    button->setFontColour(colourOfValue(look::kTransportText));
}

void TForm1::KontrollerDblClick()
{
    mnliste_->trigger();
}

void TForm1::recentre()
{
    look::centreOnScreen(this);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void TForm1::paintEvent(QPaintEvent*)
{
    // The 1-px frame shows the window's own colour around the client area.
    QPainter p(this);
    p.fillRect(rect(), frameColour_);
}

bool TForm1::notePreview(QKeyEvent* event)
{
    // While the change panel is up its own controls take the keys.
    if (panelOpen_)
        return false;
    const int k = noteOfShortcut(platform::shortcutWord(*event));
    if (k < 0 || !noteActions_[std::size_t(k)]->isEnabled())
        return false;
    if (event->type() == QEvent::KeyPress)
        noteActions_[std::size_t(k)]->trigger();
    event->accept();
    return true;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: {
        // Key preview for every control of this window, whichever has the focus.
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this && w->isEnabled())
            return zoomKeyPreview(static_cast<QKeyEvent*>(event)) || notePreview(static_cast<QKeyEvent*>(event));
        break;
    }
    case QEvent::ContextMenu: {
        // No context menu while the change panel is up; otherwise the window's menu.
        auto* w = qobject_cast<QWidget*>(watched);
        if (panelOpen_ && w && w->window() == this)
            return true;
        if (openContextMenu(watched, event))
            return true;
        break;
    }
    case QEvent::StatusTip:
        if (menuStatusTip(watched))
            return true;
        break;
    case QEvent::MouseButtonDblClick:
        if (watched == BaslikC_) {
            BaslikCDblClick();
            return true;
        }
        if (watched == Kontroller_) {
            const auto* me = static_cast<QMouseEvent*>(event);
            if (Kontroller_->childAt(me->position().toPoint()) == nullptr) {
                KontrollerDblClick();
                return true;
            }
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tezvan
