#include "WindowLook.h"

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace tezvan::look {
namespace {

QFont fontOf(const QStringList& families, int pixels, bool bold)
{
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace

QFont sansSerif(int pixels, bool bold)
{
    return fontOf({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                   QStringLiteral("DejaVu Sans")},
                  pixels, bold);
}

QFont arial(int pixels, bool bold)
{
    return fontOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                   QStringLiteral("DejaVu Sans")},
                  pixels, bold);
}

QFont listFont(int pixels)
{
    return fontOf({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans Narrow"),
                   QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")},
                  pixels, false);
}

QFont tahoma(int pixels, bool bold)
{
    return fontOf({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Nimbus Sans")},
                  pixels, bold);
}

void paintBackground(QWidget* w, const QColor& c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void setTextColour(QWidget* w, const QColor& c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::Text, c);
    pal.setColor(QPalette::ButtonText, c);
    w->setPalette(pal);
}

void centreOnScreen(QWidget* window)
{
    const QScreen* s = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    QRect r = window->frameGeometry();
    r.moveCenter(s->availableGeometry().center());
    window->move(r.topLeft());
}

} // namespace tezvan::look
