// Draws every picture of tezvan2's main window. The window is painted as one scene, a
// saz on a dark stage above a mulberry-wood keyboard, and each picture is cut from it,
// so pictures that lie edge to edge continue each other's wood, lines and light.

#include "Tezvan2Artwork.h"

#include "tezvan2/core/NoteTable.h"

#include "identity/ProgramIdentity.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QUrl>

#include <cmath>

namespace artwork {
namespace {

using tezvan2::PictureKind;
using tezvan2::PictureSpot;

constexpr int kSceneWidth = 605;
constexpr int kSceneHeight = 440;

// The palette: stage black, walnut, mulberry wood, bone, brass, lacquer red.
const QColor kStage(16, 11, 9);
const QColor kWalnut(46, 28, 18);
const QColor kWoodLight(150, 84, 40);
const QColor kWoodDark(92, 46, 20);
const QColor kBone(244, 232, 206);
const QColor kBoneShade(206, 186, 150);
const QColor kInk(58, 30, 14);
const QColor kBrass(222, 176, 88);
const QColor kBrassDark(140, 98, 36);
const QColor kCream(250, 236, 200);
const QColor kLacquer(128, 22, 18);
const QColor kLacquerLight(186, 52, 34);

// What a note picture carries: the name written on it over the key's legend.
struct NoteFace {
    QString name;
    QString legend;
};

NoteFace noteFace(const PictureSpot& s)
{
    const tezvan2::NoteRow* row = tezvan2::noteForPicture(tezvan2::pictureName(s));
    return row ? NoteFace{row->faceName, row->keyLegend} : NoteFace{};
}

QFont font(const char* family, int pixels, bool bold = false, bool italic = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// Text shrunk until it fits the width.
QFont fitted(QFont f, const QString& text, int width)
{
    while (f.pixelSize() > 6 && QFontMetrics(f).horizontalAdvance(text) > width)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

QRect spotRect(const PictureSpot& s)
{
    return QRect(s.x, s.y, s.width, s.height);
}

void engrave(QPainter& p, const QRectF& r, const QString& text, const QFont& f, const QColor& c,
             int flags = Qt::AlignCenter)
{
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 170));
    p.drawText(r.translated(1, 1), flags, text);
    p.setPen(c);
    p.drawText(r, flags, text);
}

// Mulberry wood with its grain running along the neck.
void drawWood(QPainter& p, const QRect& area, QRandomGenerator& rng)
{
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, kWoodLight.darker(135));
    g.setColorAt(0.45, kWoodLight);
    g.setColorAt(1, kWoodDark);
    p.fillRect(area, g);
    p.save();
    p.setClipRect(area);
    for (int i = 0; i < 70; ++i) {
        const double y0 = area.top() + rng.bounded(area.height());
        const double amp = 1.0 + rng.bounded(3.0);
        const double wave = 40.0 + rng.bounded(160.0);
        const double phase = rng.bounded(6.28);
        QPainterPath grain;
        grain.moveTo(area.left(), y0);
        for (int x = area.left(); x <= area.right(); x += 4)
            grain.lineTo(x, y0 + amp * std::sin(phase + x / wave * 6.28));
        const int shade = 40 + rng.bounded(70);
        p.setPen(QPen(QColor(60, 26, 8, shade), 0.6 + rng.bounded(1.2)));
        p.drawPath(grain);
    }
    p.restore();
}

// A brass fret across the whole width at a row boundary.
void drawFret(QPainter& p, int y)
{
    QLinearGradient g(0, y - 2, 0, y + 2);
    g.setColorAt(0, kBrassDark);
    g.setColorAt(0.5, kBrass.lighter(115));
    g.setColorAt(1, kBrassDark.darker(140));
    p.fillRect(QRect(0, y - 1, kSceneWidth, 3), g);
}

void drawInlay(QPainter& p, QPointF c, double r)
{
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, QColor(255, 255, 250));
    g.setColorAt(0.5, QColor(214, 226, 232));
    g.setColorAt(1, QColor(150, 160, 176));
    p.setPen(QPen(QColor(50, 24, 8, 160), 0.8));
    p.setBrush(g);
    QPolygonF diamond({c + QPointF(0, -r), c + QPointF(r * 0.7, 0), c + QPointF(0, r), c + QPointF(-r * 0.7, 0)});
    p.drawPolygon(diamond);
}

void drawTreble(QPainter& p, double x, double top, double gap)
{
    // A treble clef from two curves: the spiral around the G line and the tall stroke.
    const double g = top + 3 * gap;
    QPainterPath clef;
    clef.moveTo(x + 2, top + 5.2 * gap);
    clef.cubicTo(x - 4, top + 5.2 * gap, x - 5, top + 4.4 * gap, x - 2, top + 4.2 * gap);
    clef.moveTo(x + 2, top + 5.2 * gap);
    clef.cubicTo(x + 6, top + 5.2 * gap, x + 5, top + 2.0 * gap, x + 3, top - 0.2 * gap);
    clef.cubicTo(x + 1, top - 1.4 * gap, x - 1, top - 0.8 * gap, x - 1, top + 0.5 * gap);
    clef.cubicTo(x - 1, top + 1.5 * gap, x + 6, top + 2.0 * gap, x + 7, g + 0.4 * gap);
    clef.cubicTo(x + 8, g + 1.4 * gap, x - 6, g + 1.6 * gap, x - 6, g);
    clef.cubicTo(x - 6, g - 1.3 * gap, x + 5, g - 1.6 * gap, x + 5, g - 0.1 * gap);
    clef.cubicTo(x + 5, g + 0.7 * gap, x - 1, g + 0.9 * gap, x - 1, g);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kCream, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(clef);
}

void drawNote(QPainter& p, double x, double y, bool stemUp, bool flag)
{
    p.save();
    p.translate(x, y);
    p.rotate(-22);
    p.setPen(Qt::NoPen);
    p.setBrush(kCream);
    p.drawEllipse(QRectF(-5.2, -3.6, 10.4, 7.2));
    p.restore();
    p.setPen(QPen(kCream, 1.4));
    const double sx = stemUp ? x + 4.4 : x - 4.4;
    const double ey = stemUp ? y - 28 : y + 28;
    p.drawLine(QPointF(sx, y), QPointF(sx, ey));
    if (flag) {
        QPainterPath f;
        f.moveTo(sx, ey);
        const double d = stemUp ? 1 : -1;
        f.cubicTo(sx + 2, ey + 6 * d, sx + 10, ey + 9 * d, sx + 7, ey + 18 * d);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kCream, 1.6));
        p.drawPath(f);
    }
}

void drawStaff(QPainter& p)
{
    const double left = 24, right = 470, top = 44, gap = 9;
    p.setPen(QPen(QColor(250, 236, 200, 190), 1.0));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(left, top + i * gap), QPointF(right, top + i * gap));
    p.drawLine(QPointF(right, top), QPointF(right, top + 4 * gap));
    drawTreble(p, left + 14, top, gap);
    // The opening of a türkü: steps within the saz's first octave.
    const int steps[] = {2, 3, 4, 4, 3, 5, 4, 3, 2, 3, 1, 2};
    double x = left + 46;
    for (int i = 0; i < 12; ++i) {
        const double y = top + 4 * gap - steps[i] * gap / 2;
        drawNote(p, x, y, steps[i] < 4, i % 3 == 2 && steps[i] < 4);
        if (i % 4 == 3) {
            p.setPen(QPen(QColor(250, 236, 200, 190), 1.0));
            p.drawLine(QPointF(x + 16, top), QPointF(x + 16, top + 4 * gap));
            x += 8;
        }
        x += 30;
    }
}

// A bağlama lying across the stage: bowl, soundboard, long fretted neck, pegs.
void drawSaz(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double cy = 134;
    // Bowl.
    QPainterPath bowl;
    bowl.moveTo(168, cy - 10);
    bowl.cubicTo(130, cy - 34, 44, cy - 32, 26, cy);
    bowl.cubicTo(44, cy + 32, 130, cy + 34, 168, cy + 10);
    bowl.closeSubpath();
    QLinearGradient bowlShade(0, cy - 30, 0, cy + 30);
    bowlShade.setColorAt(0, QColor(196, 112, 52));
    bowlShade.setColorAt(0.45, QColor(150, 76, 30));
    bowlShade.setColorAt(1, QColor(70, 32, 12));
    p.setPen(QPen(QColor(40, 18, 6), 1.2));
    p.setBrush(bowlShade);
    p.drawPath(bowl);
    // The bowl's staves.
    p.setPen(QPen(QColor(60, 26, 8, 140), 0.9));
    for (int i = -2; i <= 2; ++i) {
        QPainterPath stave;
        stave.moveTo(30, cy + i * 2);
        stave.cubicTo(60, cy + i * 11, 130, cy + i * 11, 166, cy + i * 3.5);
        p.drawPath(stave);
    }
    // Soundboard edge and the bridge.
    p.setPen(QPen(QColor(236, 196, 130), 1.4));
    p.drawLine(QPointF(60, cy - 12), QPointF(60, cy + 12));
    p.setBrush(QColor(30, 14, 4));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(72, cy - 6, 3, 12));
    // Neck.
    QLinearGradient neckShade(0, cy - 7, 0, cy + 7);
    neckShade.setColorAt(0, QColor(120, 62, 26));
    neckShade.setColorAt(0.5, QColor(170, 96, 44));
    neckShade.setColorAt(1, QColor(70, 34, 12));
    p.setBrush(neckShade);
    p.setPen(QPen(QColor(40, 18, 6), 1));
    p.drawRect(QRectF(166, cy - 6, 300, 12));
    // Frets, closer together towards the bowl, as a saz's are.
    p.setPen(QPen(QColor(236, 206, 150), 1.1));
    double fx = 460;
    for (int i = 0; i < 17; ++i) {
        p.drawLine(QPointF(fx, cy - 6), QPointF(fx, cy + 6));
        fx -= 26 * std::pow(0.94, i);
    }
    // Head with its pegs.
    QPainterPath head;
    head.moveTo(466, cy - 6);
    head.lineTo(540, cy - 9);
    head.lineTo(546, cy);
    head.lineTo(540, cy + 9);
    head.lineTo(466, cy + 6);
    head.closeSubpath();
    p.setBrush(QColor(110, 54, 20));
    p.drawPath(head);
    for (int i = 0; i < 4; ++i) {
        const double px = 478 + i * 16;
        p.setBrush(QColor(230, 210, 170));
        p.setPen(QPen(QColor(60, 30, 10), 0.8));
        p.drawRoundedRect(QRectF(px - 2, cy - 22, 5, 14), 2, 2);
        p.drawRoundedRect(QRectF(px + 6, cy + 8, 5, 14), 2, 2);
    }
    // Strings, from the bridge to the pegs.
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(235, 235, 240, 200), 0.7));
        const double y = cy - 3 + i * 3;
        p.drawLine(QPointF(74, y), QPointF(480 + i * 16, y));
    }
    // The sound holes.
    p.setBrush(QColor(20, 8, 2));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(120, cy - 16), 2.6, 2.6);
    p.drawEllipse(QPointF(120, cy + 16), 2.6, 2.6);
    p.restore();
}

void drawStage(QPainter& p)
{
    const QRect header(0, 32, kSceneWidth, 132);
    p.fillRect(header, kStage);
    QRadialGradient spot(QPointF(250, 60), 340);
    spot.setColorAt(0, QColor(120, 62, 28, 150));
    spot.setColorAt(0.5, QColor(70, 34, 16, 80));
    spot.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(header, spot);
    drawStaff(p);
    drawSaz(p);
    // The display where the last note's name appears.
    const QRectF display(500, 56, 100, 46);
    p.setPen(QPen(kBrass, 1.5));
    p.setBrush(Qt::black);
    p.drawRoundedRect(display, 4, 4);
    engrave(p, QRectF(500, 38, 100, 16), QString::fromUtf8("ÇALINAN NOTA"), font("DejaVu Sans", 9, true), kBrass);
}

void drawTitle(QPainter& p)
{
    const QRect band(0, 0, kSceneWidth, 32);
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, QColor(72, 42, 24));
    g.setColorAt(1, kWalnut.darker(150));
    p.fillRect(band, g);
    p.fillRect(QRect(0, 31, kSceneWidth, 1), kBrassDark);
    // A small saz as the program's mark: bowl, long neck, head with its pegs.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(13, 23);
    p.rotate(-16);
    QLinearGradient body(0, -6, 0, 6);
    body.setColorAt(0, QColor(214, 130, 62));
    body.setColorAt(1, QColor(120, 56, 20));
    p.setPen(QPen(QColor(40, 18, 6), 0.8));
    p.setBrush(body);
    QPainterPath bowl;
    bowl.moveTo(12, -2.5);
    bowl.cubicTo(6, -9, -9, -8, -10, 0);
    bowl.cubicTo(-9, 8, 6, 9, 12, 2.5);
    bowl.closeSubpath();
    p.drawPath(bowl);
    p.setBrush(QColor(150, 80, 32));
    p.drawRect(QRectF(11, -1.6, 34, 3.2));
    p.setBrush(QColor(110, 54, 20));
    p.drawRect(QRectF(44, -2.4, 9, 4.8));
    p.setPen(Qt::NoPen);
    p.setBrush(kBone);
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(46 + i * 3, -3.6), 1.1, 1.1);
        p.drawEllipse(QPointF(47.5 + i * 3, 3.6), 1.1, 1.1);
    }
    p.setPen(QPen(kBrass, 0.8));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(20 + i * 5, -1.6), QPointF(20 + i * 5, 1.6));
    p.restore();
    engrave(p, QRectF(68, 0, 300, 32), QStringLiteral("Wintezvan ") + QString::fromUtf8(identity::kTezvan2Edition),
            font("DejaVu Serif", 21, true), kBrass, Qt::AlignLeft | Qt::AlignVCenter);
    engrave(p, QRectF(256, 4, 280, 28), QString::fromUtf8("klavyeden çalınan saz"),
            font("DejaVu Serif", 12, false, true), kCream.darker(120), Qt::AlignLeft | Qt::AlignVCenter);
}

void drawRoundButton(QPainter& p, QPointF c, double r, const QColor& face)
{
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.5);
    g.setColorAt(0, face.lighter(150));
    g.setColorAt(0.6, face);
    g.setColorAt(1, face.darker(170));
    p.setPen(QPen(kBrass, 1.3));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void drawTitleButtons(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    drawRoundButton(p, QPointF(558, 16), 11, kBrassDark);
    engrave(p, QRectF(542, 0, 32, 32), QStringLiteral("?"), font("DejaVu Sans", 16, true), kCream);
    drawRoundButton(p, QPointF(589.5, 16), 11, kLacquer);
    p.setPen(QPen(kCream, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(584.5, 11), QPointF(594.5, 21));
    p.drawLine(QPointF(594.5, 11), QPointF(584.5, 21));
    p.restore();
}

// A bone key cap with the note's name above it on the wood.
void drawNoteKey(QPainter& p, const QRect& r, const NoteFace& face)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QFont nameFont = fitted(font("DejaVu Sans", 11, true), face.name, r.width() - 5);
    engrave(p, QRectF(r.left(), r.top() + 1, r.width(), 14), face.name, nameFont, kCream);
    const QRectF cap(r.left() + 3.5, r.top() + 16.5, r.width() - 7, r.height() - 20);
    // Shadow, then the cap's sides, then its top face.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(cap.translated(1.5, 2), 5, 5);
    p.setBrush(kBoneShade);
    p.drawRoundedRect(cap, 5, 5);
    const QRectF top = cap.adjusted(2.5, 1.5, -2.5, -4);
    QLinearGradient g(top.topLeft(), top.bottomLeft());
    g.setColorAt(0, kBone.lighter(104));
    g.setColorAt(1, kBone.darker(106));
    p.setBrush(g);
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.8));
    p.drawRoundedRect(top, 4, 4);
    engrave(p, top, face.legend, font("DejaVu Sans", 14, true), kInk);
    p.restore();
}

enum class Icon { Open, Play, Save, Clear, Plus, Minus, Stop, Globe };

void drawIcon(QPainter& p, Icon icon, QPointF c, double s)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kCream, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (icon) {
    case Icon::Open: {
        QPolygonF folder({c + QPointF(-s, -s * 0.6), c + QPointF(-s * 0.3, -s * 0.6),
                          c + QPointF(-s * 0.1, -s * 0.35), c + QPointF(s, -s * 0.35), c + QPointF(s, s * 0.7),
                          c + QPointF(-s, s * 0.7)});
        p.setBrush(QColor(240, 200, 120, 90));
        p.drawPolygon(folder);
        break;
    }
    case Icon::Play: {
        p.setBrush(kCream);
        p.drawPolygon(QPolygonF({c + QPointF(-s * 0.6, -s), c + QPointF(s, 0), c + QPointF(-s * 0.6, s)}));
        break;
    }
    case Icon::Save: {
        p.setBrush(QColor(240, 200, 120, 90));
        p.drawRoundedRect(QRectF(c.x() - s, c.y() - s, 2 * s, 2 * s), 2, 2);
        p.setBrush(kCream);
        p.drawRect(QRectF(c.x() - s * 0.5, c.y() - s, s, s * 0.7));
        break;
    }
    case Icon::Clear: {
        p.drawEllipse(c, s, s);
        p.drawLine(c + QPointF(-s * 0.7, s * 0.7), c + QPointF(s * 0.7, -s * 0.7));
        break;
    }
    case Icon::Plus:
        p.setPen(QPen(kCream, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-s, 0), c + QPointF(s, 0));
        p.drawLine(c + QPointF(0, -s), c + QPointF(0, s));
        break;
    case Icon::Minus:
        p.setPen(QPen(kCream, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-s, 0), c + QPointF(s, 0));
        break;
    case Icon::Stop:
        p.setBrush(kCream);
        p.drawRect(QRectF(c.x() - s * 0.8, c.y() - s * 0.8, s * 1.6, s * 1.6));
        break;
    case Icon::Globe:
        p.drawEllipse(c, s, s);
        p.drawEllipse(QRectF(c.x() - s * 0.45, c.y() - s, s * 0.9, 2 * s));
        p.drawLine(c + QPointF(-s, 0), c + QPointF(s, 0));
        break;
    }
    p.restore();
}

// A lacquered plate with brass rim: the commands.
void drawPlate(QPainter& p, const QRect& r, const QColor& face)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = QRectF(r).adjusted(3.5, 3.5, -3.5, -3.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawRoundedRect(plate.translated(1.5, 2), 6, 6);
    QLinearGradient g(plate.topLeft(), plate.bottomLeft());
    g.setColorAt(0, face.lighter(135));
    g.setColorAt(0.5, face);
    g.setColorAt(1, face.darker(160));
    p.setBrush(g);
    p.setPen(QPen(kBrass, 1.4));
    p.drawRoundedRect(plate, 6, 6);
    p.restore();
}

void drawCommand(QPainter& p, const QRect& r, Icon icon, const QString& label, const QColor& face)
{
    drawPlate(p, r, face);
    const double iconSize = qMin(9.0, r.height() / 4.0);
    if (label.isEmpty()) {
        drawIcon(p, icon, QRectF(r).center(), iconSize);
        return;
    }
    const QFont f = fitted(font("DejaVu Sans", r.height() > 38 ? 15 : 13, true), label, r.width() - 36);
    const int textWidth = QFontMetrics(f).horizontalAdvance(label);
    const double total = iconSize * 2 + 8 + textWidth;
    const double left = r.left() + (r.width() - total) / 2;
    drawIcon(p, icon, QPointF(left + iconSize, r.center().y() + 0.5), iconSize);
    engrave(p, QRectF(left + iconSize * 2 + 8, r.top(), textWidth + 2, r.height()), label, f, kCream,
            Qt::AlignLeft | Qt::AlignVCenter);
}

void drawWebLink(QPainter& p, const QRect& r)
{
    drawPlate(p, r, QColor(34, 56, 66));
    drawIcon(p, Icon::Globe, QPointF(r.left() + 20, r.center().y() + 0.5), 8);
    engrave(p, QRectF(r.left() + 34, r.top() + 5, r.width() - 40, 13), QString::fromUtf8("Yeni notalar indirin"),
            font("DejaVu Sans", 11, true), kCream, Qt::AlignLeft | Qt::AlignVCenter);
    engrave(p, QRectF(r.left() + 34, r.top() + 17, r.width() - 40, 12),
            QUrl(QString::fromUtf8(identity::kHomePage)).host(), font("DejaVu Sans", 10, false, true), kBrass,
            Qt::AlignLeft | Qt::AlignVCenter);
}

void drawFillerOrnaments(QPainter& p)
{
    // Mother-of-pearl marks in the larger fillers, as on a saz's neck.
    drawInlay(p, QPointF(28, 186), 6);
    drawInlay(p, QPointF(449, 186), 7);
    drawInlay(p, QPointF(33, 232), 6);
    drawInlay(p, QPointF(474, 232), 6);
    drawInlay(p, QPointF(42, 276), 6);
    drawInlay(p, QPointF(230, 276), 5);
    drawInlay(p, QPointF(476, 276), 5);
    engrave(p, QRectF(250, 258, 210, 38), QString::fromUtf8("Tuşu bırakınca nota çalar"),
            font("DejaVu Serif", 13, false, true), QColor(250, 226, 170, 220));
    engrave(p, QRectF(10, 298, 480, 34),
            QString::fromUtf8("Klavyeden çalın, notalara tıklayın, kaydedin, dinleyin."),
            font("DejaVu Serif", 13, false, true), QColor(250, 226, 170, 200));
}

// The strip under the keys: the recording switch sits in a black well with its red lamp.
void drawRecordStrip(QPainter& p)
{
    const QRect strip(0, 332, kSceneWidth, 34);
    QLinearGradient g(0, 332, 0, 366);
    g.setColorAt(0, kWalnut);
    g.setColorAt(1, kWalnut.darker(160));
    p.fillRect(strip, g);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kBrassDark, 1));
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(88.5, 346.5, 130, 19), 4, 4);
    p.setPen(QPen(QColor(90, 10, 10), 1));
    p.setBrush(kRecordLamp);
    p.drawEllipse(QPointF(kRecordLampCentre), 6, 6);
    p.restore();
}

void drawBottomPanel(QPainter& p)
{
    const QRect panel(0, 366, kSceneWidth, 74);
    QLinearGradient g(0, 366, 0, 440);
    g.setColorAt(0, QColor(36, 22, 14));
    g.setColorAt(1, kStage);
    p.fillRect(panel, g);
    p.fillRect(QRect(0, 366, kSceneWidth, 1), kBrassDark);
    p.setPen(QPen(kBrassDark, 1));
    p.setBrush(QColor(8, 6, 4));
    p.drawRect(QRect(75, 374, 514, 58));
    const QFont f = font("DejaVu Sans", 10, true);
    engrave(p, QRectF(2, 377, 72, 18), QString::fromUtf8("NOTALAR"), f, kBrass, Qt::AlignRight | Qt::AlignVCenter);
    engrave(p, QRectF(2, 396, 72, 18), QString::fromUtf8("SÜRELER"), f, kBrass, Qt::AlignRight | Qt::AlignVCenter);
    engrave(p, QRectF(2, 414, 72, 18), QString::fromUtf8("(ms)"), font("DejaVu Sans", 9, false, true),
            kCream.darker(130), Qt::AlignRight | Qt::AlignVCenter);
}

const PictureSpot& spot(int number)
{
    for (const PictureSpot& s : tezvan2::kPictures)
        if (s.number == number)
            return s;
    Q_UNREACHABLE();
}

} // namespace

QImage drawScene()
{
    QImage scene(kSceneWidth, kSceneHeight, QImage::Format_RGB32);
    scene.fill(kStage);
    QPainter p(&scene);
    p.setRenderHint(QPainter::TextAntialiasing);
    QRandomGenerator rng(20261207);

    drawTitle(p);
    drawTitleButtons(p);
    drawStage(p);
    drawWood(p, QRect(0, 164, kSceneWidth, 168), rng);
    for (int y : {164, 208, 256, 297, 332})
        drawFret(p, y);
    drawFillerOrnaments(p);
    drawRecordStrip(p);
    drawBottomPanel(p);

    for (const PictureSpot& s : tezvan2::kPictures)
        if (s.kind == PictureKind::Note)
            drawNoteKey(p, spotRect(s), noteFace(s));

    const QColor copper(120, 58, 24);
    drawCommand(p, spotRect(spot(13)), Icon::Open, QString::fromUtf8("AÇ"), copper);
    drawCommand(p, spotRect(spot(35)), Icon::Play, QString::fromUtf8("DİNLE"), QColor(34, 92, 48));
    drawCommand(p, spotRect(spot(29)), Icon::Save, QString::fromUtf8("KAYDET"), copper);
    drawCommand(p, spotRect(spot(27)), Icon::Clear, QString::fromUtf8("TEMİZLE"), kLacquer);
    drawCommand(p, spotRect(spot(39)), Icon::Plus, {}, copper);
    drawCommand(p, spotRect(spot(40)), Icon::Minus, {}, copper);
    drawCommand(p, spotRect(spot(41)), Icon::Stop, QString::fromUtf8("Bitir"), kLacquerLight.darker(130));
    drawWebLink(p, spotRect(spot(42)));
    return scene;
}

QImage cutPicture(const QImage& scene, int number)
{
    const PictureSpot& s = spot(number);
    // Pictures that reach past the scene's edge are filled with the stage colour there.
    QImage out(s.width, s.height, QImage::Format_RGB32);
    out.fill(kStage);
    QPainter p(&out);
    p.drawImage(QPoint(0, 0), scene, QRect(s.x, s.y, s.width, s.height));
    return out;
}

} // namespace artwork
