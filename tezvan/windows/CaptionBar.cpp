#include "CaptionBar.h"

#include "CaptionBarDrag.h"
#include "CaptionIcon.h"
#include "FlatButton.h"
#include "MainWindowLayout.h"
#include "WindowLook.h"

#include "identity/ProgramIdentity.h"

#include <QMouseEvent>

namespace tezvan {
namespace {

QString edition()
{
    return QString::fromUtf8(identity::kTezvanEdition);
}

} // namespace

CaptionBar::CaptionBar(const QColor& colour, QWidget* parent) : QLabel(QStringLiteral("TEZVAN ") + edition(), parent)
{
    setObjectName(QStringLiteral("BaslikC"));
    setGeometry(0, 0, layout::kClientWidth, layout::kCaptionBarHeight);
    setAlignment(Qt::AlignCenter);
    setFont(look::sansSerif(11, true));
    dragWindowByCaptionBar(this);
    look::paintBackground(this, colour);
    look::setTextColour(this, Qt::white);

    connect(icon(CaptionIcon::Kind::Info, "bilgi", {3, 3, 16, 16}, QStringLiteral("VE BEN...")),
            &QAbstractButton::clicked, this, &CaptionBar::infoClicked);
    connect(icon(CaptionIcon::Kind::Minimise, "Simg", {380, 2, 19, 17}, QString::fromUtf8("Simgeleştir")),
            &QAbstractButton::clicked, this, &CaptionBar::minimiseClicked);
    connect(icon(CaptionIcon::Kind::Close, "Kapt", {400, 2, 19, 17}, QStringLiteral("Kapat")),
            &QAbstractButton::clicked, this, &CaptionBar::closeClicked);
}

CaptionIcon* CaptionBar::icon(CaptionIcon::Kind kind, const char* name, QRect place, const QString& tip)
{
    auto* i = new CaptionIcon(kind, this);
    i->setObjectName(QString::fromLatin1(name));
    i->setGeometry(place);
    i->setToolTip(tip);
    return i;
}

void CaptionBar::showCredit()
{
    setText(QStringLiteral("TEZVAN %1 - %2, %3")
                .arg(edition(), QString::fromUtf8(identity::kMakers), QString::fromUtf8(identity::kContactAddress)));
}

void CaptionBar::setActive(bool active)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colourOfValue(active ? look::kCaptionActive : look::kCaptionInactive));
    setPalette(pal);
}

void CaptionBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    emit doubleClicked();
}

} // namespace tezvan
