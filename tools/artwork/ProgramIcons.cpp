// The programs' icons. Drawn on a 256-unit canvas scaled to the size asked for; below 32
// pixels the frets and pegs are left out, as they would only blur the neck.

#include "ProgramIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artwork {
namespace {

const QColor kLacquer(150, 28, 22);
const QColor kLacquerDark(84, 12, 10);
const QColor kWalnut(74, 44, 26);
const QColor kWalnutDark(34, 20, 12);
const QColor kWood(196, 120, 58);
const QColor kWoodDark(110, 58, 24);
const QColor kBrass(230, 186, 96);
const QColor kBone(246, 236, 212);

void drawTile(QPainter& p, const QColor& light, const QColor& dark)
{
    const QRectF tile(8, 8, 240, 240);
    QLinearGradient g(tile.topLeft(), tile.bottomRight());
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setPen(QPen(kBrass, 6));
    p.setBrush(g);
    p.drawRoundedRect(tile.adjusted(3, 3, -3, -3), 44, 44);
}

// A saz lying corner to corner: the pear-shaped bowl low left, the long neck to the top right.
void drawSaz(QPainter& p, bool fine)
{
    p.save();
    p.translate(100, 158);
    p.scale(0.9, 0.9);
    p.rotate(-45);

    // Neck and head.
    p.setPen(Qt::NoPen);
    p.setBrush(kWoodDark);
    p.drawRoundedRect(QRectF(20, -9, 150, 18), 6, 6);
    p.setBrush(kWalnutDark);
    p.drawRoundedRect(QRectF(160, -13, 34, 26), 6, 6);
    if (fine) {
        p.setPen(QPen(kBrass, 3));
        for (double x = 40; x < 160; x += 16)
            p.drawLine(QPointF(x, -9), QPointF(x, 9));
        p.setPen(Qt::NoPen);
        p.setBrush(kBone);
        for (double x : {168.0, 184.0}) {
            p.drawEllipse(QPointF(x, -17), 5, 5);
            p.drawEllipse(QPointF(x, 17), 5, 5);
        }
    }

    // The bowl, lit from above.
    QPainterPath bowl;
    bowl.moveTo(40, -16);
    bowl.cubicTo(10, -54, -80, -56, -84, 0);
    bowl.cubicTo(-80, 56, 10, 54, 40, 16);
    bowl.closeSubpath();
    QRadialGradient shine(QPointF(-36, -20), 90);
    shine.setColorAt(0, kWood.lighter(125));
    shine.setColorAt(1, kWoodDark);
    p.setBrush(shine);
    p.setPen(QPen(kWalnutDark, 4));
    p.drawPath(bowl);

    // Sound hole, bridge and strings.
    p.setPen(Qt::NoPen);
    p.setBrush(kWalnutDark);
    p.drawEllipse(QPointF(-14, 0), 8, 8);
    p.setBrush(kBone);
    p.drawRect(QRectF(-58, -12, 5, 24));
    p.setPen(QPen(kBone, fine ? 1.6 : 3));
    for (double y : {-5.0, 0.0, 5.0})
        p.drawLine(QPointF(-56, y), QPointF(176, y * 0.6));
    p.restore();
}

// tezvan2's mark: three keys under the saz.
void drawKeys(QPainter& p)
{
    p.setPen(QPen(kWalnutDark, 4));
    p.setBrush(kBone);
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(124 + i * 36, 186, 30, 34), 6, 6);
}

} // namespace

QImage drawProgramIcon(Program program, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    if (program == Program::Tezvan) {
        drawTile(p, kLacquer, kLacquerDark);
        drawSaz(p, size >= 32);
    } else {
        drawTile(p, kWalnut, kWalnutDark);
        drawSaz(p, size >= 32);
        drawKeys(p);
    }
    return image;
}

} // namespace artwork
