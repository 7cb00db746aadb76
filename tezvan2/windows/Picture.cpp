#include "Picture.h"

#include "platform/Jpeg.h"

#include <QFile>
#include <QMouseEvent>
#include <QPixmap>

namespace tezvan2 {

Picture::Picture(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setContentsMargins(0, 0, 0, 0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

bool Picture::loadJpeg(const QString& resourcePath)
{
    QFile file(resourcePath);
    const QImage image = file.open(QIODevice::ReadOnly) ? platform::decodeJpeg(file.readAll()) : QImage();
    setPixmap(QPixmap::fromImage(image));
    return !image.isNull();
}

void Picture::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void Picture::mouseDoubleClickEvent(QMouseEvent* event)
{
    // One click, one note: the press that makes a double-click is not a second click,
    // whether it came as a press before this event or only as this event.
    pressed_ = false;
    event->accept();
}

void Picture::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release over the picture, as a button's is.
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace tezvan2
