#include "FlatButton.h"

#include <QPainter>

namespace tezvan {

QColor colourOfValue(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

FlatButton::FlatButton(const QString& text, QWidget* parent) : QAbstractButton(parent)
{
    setText(text);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void FlatButton::setColour(const QColor& c)
{
    colour_ = c;
    update();
}

void FlatButton::setFontColour(const QColor& c)
{
    fontColour_ = c;
    update();
}

void FlatButton::setRaised(bool raised)
{
    if (raised_ == raised)
        return;
    raised_ = raised;
    update();
}

void FlatButton::setSpeedButton(bool on)
{
    speed_ = on;
    update();
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    const bool down = isDown();
    if (!speed_) {
        p.fillRect(r, colour_);
        // A flat frame: one pixel darker than the face, lighter when pressed.
        p.setPen(down ? colour_.darker(160) : colour_.darker(130));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    } else if (down || underMouse()) {
        p.setPen(down ? palette().color(QPalette::Dark) : palette().color(QPalette::Light));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }

    p.setFont(font());
    QRect textRect = r;
    if (down)
        textRect.translate(1, 1);
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    const QColor highlight = palette().color(QPalette::Active, QPalette::Light);
    if (!isEnabled()) {
        // Disabled: an embossed copy 1 px down-right, then the grey text.
        p.setPen(highlight);
        p.drawText(textRect.translated(1, 1), flags, text());
        p.setPen(QColor(128, 128, 128));
        p.drawText(textRect, flags, text());
        return;
    }
    if (raised_) {
        // Raised (light): the highlight copy 1 px up-left, then the caption in place.
        p.setPen(highlight);
        p.drawText(textRect.translated(-1, -1), flags, text());
    }
    p.setPen(fontColour_);
    p.drawText(textRect, flags, text());
}

void FlatButton::enterEvent(QEnterEvent* e)
{
    QAbstractButton::enterEvent(e);
    update();
    emit mouseEntered();
}

void FlatButton::leaveEvent(QEvent* e)
{
    QAbstractButton::leaveEvent(e);
    update();
    emit mouseLeft();
}

} // namespace tezvan
