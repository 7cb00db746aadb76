#include "FlatButton.h"

#include "tezvan/core/ColourText.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace tezvan {
namespace {

// The platform's colour for display element n: the palette role nearest to its meaning.
QColor systemColour(int n)
{
    struct Role {
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
    };
    static constexpr Role kRoles[25] = {
        {QPalette::Active, QPalette::Button},          // scroll bar
        {QPalette::Active, QPalette::Dark},            // desktop background
        {QPalette::Active, QPalette::Highlight},       // active caption
        {QPalette::Inactive, QPalette::Mid},           // inactive caption
        {QPalette::Active, QPalette::Window},          // menu
        {QPalette::Active, QPalette::Base},            // window
        {QPalette::Active, QPalette::Shadow},          // window frame
        {QPalette::Active, QPalette::WindowText},      // menu text
        {QPalette::Active, QPalette::Text},            // window text
        {QPalette::Active, QPalette::HighlightedText}, // caption text
        {QPalette::Active, QPalette::Window},          // active border
        {QPalette::Inactive, QPalette::Window},        // inactive border
        {QPalette::Active, QPalette::Dark},            // application work space
        {QPalette::Active, QPalette::Highlight},       // highlight
        {QPalette::Active, QPalette::HighlightedText}, // highlighted text
        {QPalette::Active, QPalette::Button},          // button face
        {QPalette::Active, QPalette::Mid},             // button shadow
        {QPalette::Disabled, QPalette::Text},          // grey text
        {QPalette::Active, QPalette::ButtonText},      // button text
        {QPalette::Inactive, QPalette::WindowText},    // inactive caption text
        {QPalette::Active, QPalette::Light},           // button highlight
        {QPalette::Active, QPalette::Shadow},          // 3-D dark shadow
        {QPalette::Active, QPalette::Midlight},        // 3-D light
        {QPalette::Active, QPalette::ToolTipText},     // hint text
        {QPalette::Active, QPalette::ToolTipBase},     // hint background
    };
    const Role r = kRoles[n];
    return QGuiApplication::palette().color(r.group, r.role);
}

} // namespace

QColor colourOfValue(quint32 value)
{
    if (const std::optional<int> n = systemColourNumber(value))
        return systemColour(*n);
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 valueOfColour(const QColor& colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
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
