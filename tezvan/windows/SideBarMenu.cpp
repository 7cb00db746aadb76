#include "SideBarMenu.h"

#include "WindowLook.h"

#include "tezvan/core/SideBar.h"

#include "identity/ProgramIdentity.h"

#include <QPainter>
#include <QStyle>

namespace tezvan {
namespace {

const char* const kShownShortcut = "shownShortcut";

} // namespace

SideBarMenu::SideBarMenu(QWidget* parent) : QMenu(parent)
{
    setContentsMargins(sidebar::kWidth, 0, 0, 0);
}

SideBarMenu* SideBarMenu::addSideBarMenu(const QString& title)
{
    auto* sub = new SideBarMenu(this);
    sub->setTitle(title);
    addMenu(sub);
    return sub;
}

int SideBarMenu::frameWidth() const
{
    return style()->pixelMetric(QStyle::PM_MenuPanelWidth, nullptr, this);
}

QFont SideBarMenu::titleFont() const
{
    return look::tahoma(sidebar::kTitlePixels, true);
}

QRect SideBarMenu::barRect() const
{
    const int fw = frameWidth();
    return {fw, fw, sidebar::kPainted, height() - 2 * fw};
}

QPoint SideBarMenu::titleStart() const
{
    const QRect bar = barRect();
    const int t = QFontMetrics(titleFont()).height();
    return {bar.left() + sidebar::titleLeft(t), bar.bottom() + 1 + sidebar::kTextOffset};
}

void SideBarMenu::paintEvent(QPaintEvent* event)
{
    QMenu::paintEvent(event);
    QPainter p(this);
    const QRect bar = barRect();
    const int h = bar.height();
    for (int y = 0; y < h; ++y) {
        const sidebar::Rgb c = sidebar::rowColour(y, h);
        p.fillRect(QRect(bar.left(), bar.top() + y, bar.width(), 1), QColor(c.red, c.green, c.blue));
    }
    // The title reads upward from its start, its top toward the bar's left edge; it stays
    // inside the bar's width.
    p.setClipRect(QRect(bar.left(), bar.top(), sidebar::kWidth, h));
    p.setFont(titleFont());
    p.setPen(Qt::white);
    p.translate(titleStart());
    p.rotate(-90);
    const QFontMetrics fm(titleFont());
    p.drawText(QPoint(0, fm.ascent()), QStringLiteral("Tezvan ") + QString::fromUtf8(identity::kTezvanEdition));
}

void SideBarMenu::setEntryText(QAction* entry, const QString& caption, const QKeySequence& key)
{
    // Key names untranslated, as the key window's are: "Ctrl+Num+1", not Qt's "Ctrl+Sayı+1".
    entry->setText(key.isEmpty() ? caption : caption + QLatin1Char('\t') + key.toString(QKeySequence::PortableText));
    entry->setProperty(kShownShortcut, QVariant::fromValue(key));
}

QString SideBarMenu::caption(const QAction* entry)
{
    return entry->text().section(QLatin1Char('\t'), 0, 0);
}

QKeySequence SideBarMenu::shownShortcut(const QAction* entry)
{
    const QKeySequence own = entry->shortcut();
    return own.isEmpty() ? entry->property(kShownShortcut).value<QKeySequence>() : own;
}

} // namespace tezvan
