#include "LinkLabel.h"

#include <QMouseEvent>

namespace tezvan2 {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    clickArmed_ = true;
    buttonDown_ = true;
    emit mouseDown();
}

// The click comes before the button-up, so a single click ends with the released colour.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = clickArmed_ && rect().contains(event->position().toPoint());
    clickArmed_ = false;
    buttonDown_ = false;
    if (click)
        emit clicked();
    emit mouseUp();
}

// The second press of a double click is the double click, with its button-down; its
// release is no further click. Some platforms deliver that press on its own first.
void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    clickArmed_ = false;
    emit doubleClicked();
    if (!buttonDown_)
        emit mouseDown();
    buttonDown_ = true;
}

} // namespace tezvan2
