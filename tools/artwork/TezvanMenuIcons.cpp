// Draws the context menu's icons. Each is a few flat shapes with a dark outline, the way
// small menu pictures read best; lines sit on half units so they fall on whole pixels.

#include "TezvanMenuIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <tuple>

namespace artwork {
namespace {

const QColor kOutline(40, 40, 48);
const QColor kPaper(252, 252, 246);
const QColor kBlue(46, 110, 200);
const QColor kLightBlue(150, 196, 240);
const QColor kGreen(44, 150, 60);
const QColor kRed(204, 40, 34);
const QColor kYellow(246, 204, 80);
const QColor kBrown(150, 96, 50);
const QColor kGrey(150, 150, 156);

void outlined(QPainter& p, const QColor& fill)
{
    p.setPen(QPen(kOutline, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
}

// A sheet of paper with its top right corner folded.
void page(QPainter& p)
{
    outlined(p, kPaper);
    p.drawPolygon(QPolygonF({{2.5, 1.5}, {10.5, 1.5}, {13.5, 4.5}, {13.5, 14.5}, {2.5, 14.5}}));
    p.drawPolyline(QPolygonF({{10.5, 1.5}, {10.5, 4.5}, {13.5, 4.5}}));
}

void textLines(QPainter& p, const QColor& c, double from, int count)
{
    p.setPen(QPen(c, 1));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(4.5, from + 2 * i), QPointF(11.5, from + 2 * i));
}

void eighthNote(QPainter& p, QPointF head, double stem, const QColor& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(head, 2.2, 1.7);
    p.setPen(QPen(c, 1.2));
    const QPointF top(head.x() + 1.8, head.y() - stem);
    p.drawLine(QPointF(head.x() + 1.8, head.y()), top);
    p.drawLine(top, QPointF(top.x() + 2.5, top.y() + 3));
}

void disc(QPainter& p, QPointF centre, double radius, const QColor& fill)
{
    outlined(p, fill);
    p.drawEllipse(centre, radius, radius);
}

void playTriangle(QPainter& p, const QColor& fill, double left, double top, double size)
{
    outlined(p, fill);
    p.drawPolygon(QPolygonF({{left, top}, {left + size * 0.87, top + size / 2}, {left, top + size}}));
}

void draw(QPainter& p, int index)
{
    switch (index) {
    case 0: // new version: a globe with an arrow coming down
        disc(p, {7.5, 7.5}, 6, kLightBlue);
        p.setPen(QPen(kBlue, 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(7.5, 7.5), 2.5, 6);
        p.drawLine(QPointF(1.5, 7.5), QPointF(13.5, 7.5));
        outlined(p, kGreen);
        p.drawPolygon(QPolygonF(
            {{10.5, 8.5}, {13.5, 8.5}, {13.5, 11.5}, {15.5, 11.5}, {12, 15.5}, {8.5, 11.5}, {10.5, 11.5}}));
        break;
    case 1: { // keyboard
        outlined(p, QColor(226, 226, 230));
        p.drawRoundedRect(QRectF(0.5, 4.5, 15, 8), 1, 1);
        p.setPen(Qt::NoPen);
        p.setBrush(kOutline);
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 6; ++col)
                p.drawRect(QRectF(2 + 2 * col, 6 + 2 * row, 1, 1));
        p.drawRect(QRectF(4, 10, 8, 1));
        break;
    }
    case 2: // colours: a palette with four paints
        outlined(p, QColor(236, 212, 168));
        p.drawEllipse(QRectF(0.5, 2.5, 15, 11));
        p.setPen(Qt::NoPen);
        for (const auto& [c, x, y] :
             {std::tuple{kRed, 4.0, 6.0}, {kYellow, 7.5, 4.8}, {kBlue, 11.0, 6.0}, {kGreen, 10.5, 9.8}}) {
            p.setBrush(c);
            p.drawEllipse(QPointF(x, y), 1.6, 1.6);
        }
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(5, 10), 1.5, 1.5);
        break;
    case 3: { // help: a question mark on a blue disc
        disc(p, {7.5, 7.5}, 7, kBlue);
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath q;
        q.moveTo(5.2, 5.6);
        q.cubicTo(5.2, 2.8, 10.2, 2.8, 10.2, 5.6);
        q.cubicTo(10.2, 7.4, 7.7, 7.4, 7.7, 9.4);
        p.drawPath(q);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(7.7, 12), 1.2, 1.2);
        break;
    }
    case 4: // programmer: a person
        outlined(p, kBlue);
        p.drawRoundedRect(QRectF(2.5, 9.5, 11, 6), 3, 3);
        disc(p, {8, 5.5}, 3.5, QColor(240, 196, 150));
        break;
    case 5: // exit: a door with an arrow leaving it
        outlined(p, kBrown);
        p.drawRect(QRectF(1.5, 1.5, 8, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(kYellow);
        p.drawEllipse(QPointF(7.5, 8), 0.9, 0.9);
        outlined(p, kRed);
        p.drawPolygon(
            QPolygonF({{7.5, 6.5}, {11.5, 6.5}, {11.5, 4}, {15.5, 8}, {11.5, 12}, {11.5, 9.5}, {7.5, 9.5}}));
        break;
    case 6: // the list: a page of lines
        page(p);
        textLines(p, kBlue, 5.5, 5);
        break;
    case 7: // note work: a note
        eighthNote(p, {5.5, 12.5}, 10, kOutline);
        eighthNote(p, {11, 11}, 8.5, kBlue);
        break;
    case 8: { // change: a pencil
        outlined(p, kYellow);
        p.drawPolygon(QPolygonF({{3.5, 10.5}, {11.5, 2.5}, {14.5, 5.5}, {6.5, 13.5}}));
        outlined(p, QColor(240, 206, 170));
        p.drawPolygon(QPolygonF({{3.5, 10.5}, {6.5, 13.5}, {1.5, 15}}));
        outlined(p, kRed);
        p.drawPolygon(QPolygonF({{11.5, 2.5}, {13, 1}, {16, 4}, {14.5, 5.5}}));
        break;
    }
    case 9: // note times: a clock
        disc(p, {8, 8}, 7, kPaper);
        p.setPen(QPen(kOutline, 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(8, 3.5));
        p.drawLine(QPointF(8, 8), QPointF(11.5, 9.5));
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawEllipse(QPointF(8, 8), 1, 1);
        break;
    case 10: // save as displayed: a page of readable text with a blue title
        page(p);
        p.setPen(QPen(kBlue, 2));
        p.drawLine(QPointF(4.5, 5), QPointF(9, 5));
        textLines(p, kOutline, 8.5, 3);
        break;
    case 11: // delete: a red cross
        p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        break;
    case 12: // insert: a green plus
        outlined(p, kGreen);
        p.drawPolygon(QPolygonF({{6.5, 2.5},
                                 {9.5, 2.5},
                                 {9.5, 6.5},
                                 {13.5, 6.5},
                                 {13.5, 9.5},
                                 {9.5, 9.5},
                                 {9.5, 13.5},
                                 {6.5, 13.5},
                                 {6.5, 9.5},
                                 {2.5, 9.5},
                                 {2.5, 6.5},
                                 {6.5, 6.5}}));
        break;
    case 13: // new: a blank page
        page(p);
        break;
    case 14: // open: a folder
        outlined(p, QColor(222, 170, 60));
        p.drawPolygon(QPolygonF({{0.5, 3.5}, {5.5, 3.5}, {7, 5}, {14.5, 5}, {14.5, 13.5}, {0.5, 13.5}}));
        outlined(p, kYellow);
        p.drawPolygon(QPolygonF({{2.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {0.5, 13.5}}));
        break;
    case 15: // save: a diskette
        outlined(p, kBlue);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        outlined(p, kPaper);
        p.drawRect(QRectF(3.5, 1.5, 9, 6));
        outlined(p, QColor(200, 200, 206));
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
        p.setPen(Qt::NoPen);
        p.setBrush(kOutline);
        p.drawRect(QRectF(9, 2.5, 2, 4));
        break;
    case 16: // play
        playTriangle(p, kGreen, 3.5, 1.5, 13);
        break;
    case 17: // end playback: a stop square
        outlined(p, QColor(150, 30, 30));
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        break;
    case 18: // run: a play mark in a disc
        disc(p, {8, 8}, 7, QColor(240, 150, 40));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{6, 4.5}, {11.5, 8}, {6, 11.5}}));
        break;
    case 19: // stop recording: the record mark with a stop square on it
        disc(p, {7, 7}, 6, kRed);
        outlined(p, kPaper);
        p.drawRect(QRectF(8.5, 8.5, 6, 6));
        p.setPen(Qt::NoPen);
        p.setBrush(kOutline);
        p.drawRect(QRectF(10, 10, 3, 3));
        break;
    case 20: // file type: a page that carries a note
        page(p);
        eighthNote(p, {6.5, 11.5}, 6, kBlue);
        break;
    default: break;
    }
}

} // namespace

QImage drawMenuIcon(int index, int scale)
{
    QImage image(kMenuIconSize * scale, kMenuIconSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    draw(p, index);
    return image;
}

QImage drawMenuIconStrip(int scale)
{
    const int side = kMenuIconSize * scale;
    QImage strip(side * kMenuIconCount, side, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (int i = 0; i < kMenuIconCount; ++i)
        p.drawImage(i * side, 0, drawMenuIcon(i, scale));
    return strip;
}

} // namespace artwork
