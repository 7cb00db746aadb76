#include "TForm3.h"

#include "CaptionBarDrag.h"
#include "CaptionIcon.h"
#include "FlatButton.h"
#include "HelpText.h"
#include "WindowLook.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>

namespace tezvan {
namespace {

constexpr quint32 kBar = look::kFrame;
constexpr quint32 kMemo = look::kList;

} // namespace

TForm3::TForm3(QWidget* parent) : QWidget(parent, look::kOwnedWindow | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("TEZVAN YARDIM"));
    setFont(look::sansSerif(11));
    // A 1-px frame in the window's colour around the 547 x 442 client area.
    setFixedSize(547 + 2, 442 + 2);

    BaslikC_ = new QLabel(QStringLiteral("TEZVAN YARDIM"), this);
    BaslikC_->setObjectName(QStringLiteral("BaslikC"));
    BaslikC_->setGeometry(1, 1, 547, 21);
    BaslikC_->setAlignment(Qt::AlignCenter);
    BaslikC_->setFont(look::sansSerif(11, true));
    BaslikC_->setAutoFillBackground(true);
    QPalette bar = BaslikC_->palette();
    bar.setColor(QPalette::Window, colourOfValue(kBar));
    bar.setColor(QPalette::WindowText, Qt::white);
    BaslikC_->setPalette(bar);
    dragWindowByCaptionBar(BaslikC_);

    bilgi_ = new CaptionIcon(CaptionIcon::Kind::Info, BaslikC_);
    bilgi_->setObjectName(QStringLiteral("bilgi"));
    bilgi_->setGeometry(3, 3, 16, 16);
    bilgi_->setToolTip(QStringLiteral("VE BEN..."));

    Kapt_ = new CaptionIcon(CaptionIcon::Kind::Close, BaslikC_);
    Kapt_->setObjectName(QStringLiteral("Kapt"));
    Kapt_->setGeometry(547 - 21, 2, 19, 17);
    Kapt_->setToolTip(QStringLiteral("Kapat"));
    connect(Kapt_, &QAbstractButton::clicked, this, &TForm3::KaptClick);

    Memo1_ = new QPlainTextEdit(this);
    Memo1_->setObjectName(QStringLiteral("Memo1"));
    Memo1_->setGeometry(1, 22, 547, 442 - 21);
    Memo1_->setFrameShape(QFrame::NoFrame);
    Memo1_->setReadOnly(true);
    Memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1_->setPlainText(helpText());
    QPalette memo = Memo1_->palette();
    memo.setColor(QPalette::Base, colourOfValue(kMemo));
    Memo1_->setPalette(memo);
}

void TForm3::KaptClick()
{
    hide();
}

void TForm3::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    look::centreOnScreen(this);
}

void TForm3::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), colourOfValue(kBar));
}

} // namespace tezvan
