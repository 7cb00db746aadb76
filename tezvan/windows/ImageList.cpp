#include "ImageList.h"

#include "tezvan/core/CommandTable.h"

#include <QImage>
#include <QPixmap>

namespace tezvan {
namespace {

constexpr int kSide = 16;

} // namespace

ImageList::ImageList(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("ImageList1"));
    const QImage strip(QStringLiteral(":/tezvan/menu_icons.png"));
    const QImage dense(QStringLiteral(":/tezvan/menu_icons@2x.png"));
    icons_.resize(std::size_t(kMenuIconCount));
    for (int i = 0; i < kMenuIconCount; ++i) {
        QIcon& icon = icons_[std::size_t(i)];
        if (strip.width() >= (i + 1) * kSide)
            icon.addPixmap(QPixmap::fromImage(strip.copy(i * kSide, 0, kSide, kSide)));
        // The icon picks the 32-pixel drawing wherever 16 pixels span 32 device pixels.
        if (dense.width() >= (i + 1) * 2 * kSide)
            icon.addPixmap(QPixmap::fromImage(dense.copy(i * 2 * kSide, 0, 2 * kSide, 2 * kSide)));
    }
}

QIcon ImageList::icon(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return icons_[std::size_t(index)];
}

} // namespace tezvan
