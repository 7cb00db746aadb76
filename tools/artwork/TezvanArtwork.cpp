// Draws the programmer's window picture: a saz on a night-blue field under a brass sun,
// its name written along the bottom.

#include "TezvanArtwork.h"

#include "identity/ProgramIdentity.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artwork {

QImage drawProgrammerPicture()
{
    QImage img(224, 223, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 223);
    sky.setColorAt(0, QColor(18, 30, 72));
    sky.setColorAt(1, QColor(40, 78, 140));
    p.fillRect(img.rect(), sky);

    // The sun, flat in its middle so its colour survives the JPEG round.
    p.setPen(Qt::NoPen);
    p.setBrush(kProgrammerSun);
    p.drawEllipse(QPointF(kProgrammerSunCentre), 28, 28);

    // The saz lies from lower left to upper right: a pear-shaped bowl and a long neck.
    p.translate(84, 146);
    p.rotate(-38);
    p.scale(0.8, 0.8);
    const QColor woodDark(96, 46, 18);
    const QColor woodLight(176, 98, 44);
    QRadialGradient bowlShade(QPointF(-6, -8), 52);
    bowlShade.setColorAt(0, woodLight);
    bowlShade.setColorAt(1, woodDark);
    QPainterPath bowl;
    bowl.moveTo(30, 0);
    bowl.cubicTo(24, -34, -40, -38, -50, 0);
    bowl.cubicTo(-40, 38, 24, 34, 30, 0);
    p.setBrush(bowlShade);
    p.setPen(QPen(QColor(58, 26, 10), 1.5));
    p.drawPath(bowl);
    // Sound hole and bridge.
    p.setBrush(QColor(40, 18, 6));
    p.drawEllipse(QPointF(-8, 0), 6, 6);
    p.fillRect(QRectF(-30, -7, 4, 14), QColor(232, 214, 170));
    // The neck with its frets and pegs.
    p.fillRect(QRectF(28, -5, 150, 10), QColor(120, 62, 26));
    p.setPen(QPen(QColor(230, 210, 160), 1));
    for (int i = 0; i < 16; ++i) {
        const double x = 34 + 140 * (1 - 1.0 / (1 + i * 0.12)) * 1.9;
        if (x < 176)
            p.drawLine(QPointF(x, -5), QPointF(x, 5));
    }
    p.fillRect(QRectF(176, -7, 20, 14), woodDark);
    p.setBrush(QColor(232, 214, 170));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(180 + i * 6, -10), 2.5, 2.5);
        p.drawEllipse(QPointF(180 + i * 6, 10), 2.5, 2.5);
    }
    // Strings.
    p.setPen(QPen(QColor(240, 240, 230, 200), 0.6));
    for (int s = -2; s <= 2; s += 2)
        p.drawLine(QPointF(-28, s), QPointF(190, s * 0.6));
    p.resetTransform();

    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(22);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(250, 236, 200));
    p.drawText(QRect(0, 186, 224, 30), Qt::AlignCenter,
               QStringLiteral("tezvan ") + QString::fromUtf8(identity::kTezvanEdition));
    p.end();
    return img;
}

} // namespace artwork
