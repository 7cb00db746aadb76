#include "WindowLook.h"

#include <QStringList>

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
    return fontOf({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")},
                  pixels, bold);
}

QFont arial(int pixels, bool bold)
{
    return fontOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")},
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

} // namespace tezvan::look
