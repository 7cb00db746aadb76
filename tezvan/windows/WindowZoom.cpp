#include "WindowZoom.h"

#include "CommandBinder.h"
#include "MainWindowLayout.h"
#include "WindowLook.h"

#include "tezvan/core/ZoomLevels.h"

#include "platform/VirtualKey.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QStyle>
#include <QStyleOptionButton>

namespace tezvan {

WindowZoom::WindowZoom(CommandBinder& binder, QWidget& window, const MainControls& controls)
    : window_(window), c_(controls), clientHeightAt100_(layout::kCollapsedClient)
{
    binder.bind("mnbk", this, &WindowZoom::mnbkExecute);
    static const char* const kZoomNames[] = {"mn80", "mn90", "mn100", "mn110", "mn125", "mn150", "mn200"};
    for (std::size_t i = 0; i < kZoomLevels.size(); ++i) {
        const int level = kZoomLevels[i];
        QAction* a =
            level == 0 ? binder.bind(kZoomNames[i], this, &WindowZoom::mn100Execute) : binder.bind(kZoomNames[i]);
        a->setShortcutContext(Qt::WindowShortcut);
        if (level != 0)
            connect(a, &QAction::triggered, this, [this, level] { zoomTo(level); });
        zoomActions_[i] = a;
    }
}

void WindowZoom::setStoredLevel(int level)
{
    zoomLevel_ = listHeights(level) ? level : 0;
}

void WindowZoom::giveShortcuts()
{
    static constexpr Qt::Key kDigits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4,
                                          Qt::Key_5, Qt::Key_6, Qt::Key_7};
    for (std::size_t i = 0; i < zoomActions_.size(); ++i)
        zoomActions_[i]->setShortcut(
            QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, kDigits[i])));
}

bool WindowZoom::keyPreview(QKeyEvent* event)
{
    // Whatever Num Lock says: the window system hands keypad shortcuts to Qt without their
    // keypad mark.
    const quint16 word = platform::shortcutWord(*event);
    const quint16 first = platform::vk::Ctrl | (platform::vk::Numpad0 + 1);
    if (word < first || word >= first + zoomActions_.size())
        return false;
    if (event->type() == QEvent::KeyPress)
        zoomActions_[word - first]->trigger();
    event->accept();
    return true;
}

void WindowZoom::applyStoredLevel()
{
    // Nothing is scaled yet, so a level is reached straight from 100 %.
    if (zoomLevel_ == 0)
        mn100Execute();
    else
        zoomTo(zoomLevel_);
}

void WindowZoom::zoomTo(int level)
{
    scaleTo(level);
    recentre();
    c_.Label6->setText(QLatin1Char('%') + QString::number(zoomPercent(level)));
}

void WindowZoom::mn100Execute()
{
    scaleTo(0);
    c_.Label6->setText(QStringLiteral("%100"));
    recentre();
}

void WindowZoom::recentre()
{
    look::centreOnScreen(&window_);
}

void WindowZoom::scaleTo(int level)
{
    zoomLevel_ = level;
    if (level == scaledLevel_)
        return;
    if (scaledLevel_ == 0) {
        // At 100 % the controls stand where the level's scaling starts from; leaving it, take
        // their places and font sizes afresh (some move at run time, at 100 % only).
        at100_.clear();
        at100_.push_back({&window_, {}, window_.font().pixelSize(), false});
        for (QWidget* w : window_.findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (w->window() != &window_ || name.isEmpty() || name.startsWith(QLatin1String("qt_")))
                continue;
            // The client area, the control panel and the zoom label follow the window (layOut).
            const bool placed = w != c_.client && w != c_.Kontroller && w != c_.Label6;
            const int pixels = w->testAttribute(Qt::WA_SetFont) ? w->font().pixelSize() : -1;
            at100_.push_back({w, w->geometry(), pixels, placed});
        }
    }
    scaledLevel_ = level;
    window_.setUpdatesEnabled(false);
    for (const At100& e : at100_) {
        if (!e.widget)
            continue;
        if (e.placed)
            e.widget->setGeometry(scaledRect(e.geometry, level));
        if (e.fontPixels > 0) {
            QFont f = e.widget->font();
            f.setPixelSize(qMax(1, scaledLength(e.fontPixels, level)));
            e.widget->setFont(f);
        }
    }
    c_.ListBox1->setGridSize(QSize(c_.ListBox1->width() / 7, scaledLength(13, level)));
    fitToContents();
    // The window keeps its top-left corner while it scales.
    // With the list hidden or shown the window takes the level's list heights.
    int outer = scaledLength(clientHeightAt100_, level) + 2;
    if (const std::optional<ListHeights> h = listHeights(level)) {
        if (clientHeightAt100_ == layout::kCollapsedClient)
            outer = h->collapsed;
        else if (clientHeightAt100_ == layout::kExpandedClient)
            outer = h->expanded;
    }
    const QPoint topLeft = window_.pos();
    window_.setFixedSize(scaledLength(layout::kClientWidth, level) + 2, outer);
    window_.move(topLeft);
    layOut();
    window_.setUpdatesEnabled(true);
}

void WindowZoom::layOut()
{
    // The caption bar and the zoom label keep their heights at the window's scale.
    c_.client->setGeometry(window_.rect().adjusted(1, 1, -1, -1));
    const int bar = scaledLength(layout::kCaptionBarHeight, scaledLevel_);
    c_.Kontroller->setGeometry(0, bar, c_.client->width(), c_.client->height() - bar);
    const int label = scaledLength(12, scaledLevel_);
    c_.Label6->setGeometry(0, c_.Kontroller->height() - label, c_.Kontroller->width(), label);
}

void WindowZoom::fitToContents()
{
    // The count label grows with its text at the window's scale, so a count of any length
    // shows whole at every level.
    const QSize text = c_.Label5->sizeHint();
    c_.Label5->resize(qMax(scaledLength(116, scaledLevel_), text.width()),
                      qMax(scaledLength(13, scaledLevel_), text.height()));
    // The tick box keeps the style's size at every level: the check box is never lower.
    QStyleOptionButton box;
    box.initFrom(c_.oto_kayit);
    const int tick = c_.oto_kayit->style()->pixelMetric(QStyle::PM_IndicatorHeight, &box, c_.oto_kayit);
    if (c_.oto_kayit->height() < tick)
        c_.oto_kayit->resize(c_.oto_kayit->width(), tick);
    // The horizontal scroll bar, and the room it takes, only once seven full columns no
    // longer hold the lines.
    const int rows = qMax(1, c_.ListBox1->height() / c_.ListBox1->gridSize().height());
    c_.ListBox1->setHorizontalScrollBarPolicy(c_.ListBox1->model()->rowCount() > 7 * rows ? Qt::ScrollBarAsNeeded
                                                                                          : Qt::ScrollBarAlwaysOff);
}

void WindowZoom::setListHeight(int outer, int clientAt100)
{
    clientHeightAt100_ = clientAt100;
    window_.setFixedSize(window_.width(), outer);
}

void WindowZoom::mnlisteExecute()
{
    const std::optional<ListHeights> h = listHeights(zoomLevel_);
    if (!h)
        return;
    if (window_.height() > h->collapsed)
        setListHeight(h->collapsed, layout::kCollapsedClient);
    else
        setListHeight(h->expanded, layout::kExpandedClient);
    recentre();
}

void WindowZoom::mnbkExecute()
{
    if (zoomLevel_ != 0)
        return;
    if (window_.height() < 27) {
        if (rolledUpFrom_ > 0)
            setListHeight(rolledUpFrom_, rolledUpFrom_ - 2);
        return;
    }
    rolledUpFrom_ = window_.height();
    setListHeight(layout::kRolledUpClient + 2, layout::kRolledUpClient);
}

} // namespace tezvan
