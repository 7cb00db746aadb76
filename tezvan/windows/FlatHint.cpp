#include "FlatHint.h"

#include "WindowLook.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QScreen>

namespace tezvan {
namespace {

constexpr int kPad = 4;
const QColor kField(255, 210, 83); // colour value 5493503

// The hint of w: its own, or the nearest one its parents carry inside its window.
QString hintOf(const QWidget* w)
{
    for (; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (!w->toolTip().isEmpty())
            return w->toolTip();
    return {};
}

QRect textBox(const QFont& font, const QString& text)
{
    const int room = FlatHint::kMaxWidth - 2 - FlatHint::kFieldWidth - 2 * kPad;
    return QFontMetrics(font).boundingRect(QRect(0, 0, room, 4000), Qt::TextWordWrap, text);
}

} // namespace

FlatHint::FlatHint(platform::Clock& clock, QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), clock_(clock)
{
    setObjectName(QStringLiteral("FlatHint1"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(look::sansSerif(11));
    qApp->installEventFilter(this);
}

FlatHint::~FlatHint()
{
    qApp->removeEventFilter(this);
    cancel();
}

bool FlatHint::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        // The hints are ours to show.
        return watched->isWidgetType();
    case QEvent::Enter:
        if (auto* w = qobject_cast<QWidget*>(watched); w && w != this)
            aimAt(w);
        break;
    case QEvent::Leave:
        // The mouse went to a sibling (whose Enter follows at once) or back to a parent
        // (which gets none): the hint is settled once both have been heard.
        if (auto* w = qobject_cast<QWidget*>(watched); w && target_ && (w == target_ || w->isAncestorOf(target_))) {
            target_ = w->isWindow() ? nullptr : w->parentWidget();
            schedule(0, &FlatHint::settle);
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        if (watched->isWidgetType() && (isVisible() || timer_)) {
            cancel();
            hideHint();
        }
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void FlatHint::aimAt(QWidget* w)
{
    target_ = w;
    // The control's own enter handler may still set its hint, so it is read when due.
    schedule(isVisible() ? kNextDelayMs : kFirstDelayMs, &FlatHint::showHint);
}

void FlatHint::schedule(qint64 delayMs, void (FlatHint::*step)())
{
    cancel();
    timer_ = clock_.callAt(clock_.nowUs() + delayMs * 1000, [this, step] {
        timer_ = 0;
        (this->*step)();
    });
}

void FlatHint::cancel()
{
    if (timer_)
        clock_.cancel(timer_);
    timer_ = 0;
}

void FlatHint::settle()
{
    // Still on a hinted control after a Leave: its hint shows as it would have; elsewhere
    // the hint goes.
    if (isVisible() && hintOf(target_) != text_)
        hideHint();
}

void FlatHint::showHint()
{
    text_ = hintOf(target_);
    if (text_.isEmpty() || !target_ || !target_->isVisible()) {
        hideHint();
        return;
    }
    const QRect box = textBox(font(), text_);
    resize(2 + kFieldWidth + 2 * kPad + box.width(), 2 + 2 * 2 + box.height());
    // Below the mouse pointer, inside the screen.
    QPoint at = QCursor::pos() + QPoint(0, 20);
    if (const QScreen* s = target_->screen()) {
        const QRect area = s->availableGeometry();
        at.setX(qBound(area.left(), at.x(), area.right() - width() + 1));
        at.setY(qBound(area.top(), at.y(), area.bottom() - height() + 1));
    }
    move(at);
    show();
    raise();
    update();
    schedule(kHideDelayMs, &FlatHint::hideHint);
}

void FlatHint::hideHint()
{
    hide();
}

void FlatHint::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QRect field(1, 1, kFieldWidth, height() - 2);
    p.fillRect(field, kField);
    // The arrow mark: a small black triangle pointing at the text.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const QPoint a(field.left() + 3, field.top() + 4);
    p.drawPolygon(QPolygon({a, a + QPoint(5, 4), a + QPoint(0, 8)}));
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setFont(font());
    const QRect box = textBox(font(), text_);
    p.drawText(QRect(1 + kFieldWidth + kPad, 3, box.width(), box.height()), Qt::TextWordWrap, text_);
}

} // namespace tezvan
