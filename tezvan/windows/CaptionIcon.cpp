#include "CaptionIcon.h"

#include <QPainter>

namespace tezvan {

CaptionIcon::CaptionIcon(Kind kind, QWidget* parent) : QAbstractButton(parent), kind_(kind)
{
    setFocusPolicy(Qt::NoFocus);
}

void CaptionIcon::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on the design grid (16 x 16 for the info mark, 19 x 17 for the buttons) and
    // scaled to the control, so a zoomed caption bar shows the same picture, centred.
    const QSizeF design = kind_ == Kind::Info ? QSizeF(16, 16) : QSizeF(19, 17);
    p.scale(width() / design.width(), height() / design.height());
    const QRectF r = QRectF(QPointF(0, 0), design).adjusted(0.5, 0.5, -0.5, -0.5);
    if (kind_ != Kind::Info && (underMouse() || isDown())) {
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(r);
    }
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = r.center();
    switch (kind_) {
    case Kind::Info: {
        // A white disc with a blue "i".
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(r.adjusted(1, 1, -1, -1));
        p.setBrush(QColor(62, 149, 255));
        p.drawEllipse(QPointF(c.x(), r.top() + 4.5), 1.4, 1.4);
        p.drawRoundedRect(QRectF(c.x() - 1.2, r.top() + 7, 2.4, 6), 0.8, 0.8);
        break;
    }
    case Kind::Minimise: p.drawLine(QPointF(c.x() - 4, c.y() + 4), QPointF(c.x() + 4, c.y() + 4)); break;
    case Kind::Close:
        p.drawLine(QPointF(c.x() - 4, c.y() - 4), QPointF(c.x() + 4, c.y() + 4));
        p.drawLine(QPointF(c.x() + 4, c.y() - 4), QPointF(c.x() - 4, c.y() + 4));
        break;
    }
}

} // namespace tezvan
