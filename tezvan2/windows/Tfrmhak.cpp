#include "Tfrmhak.h"

#include "LinkLabel.h"
#include "UserGuide.h"
#include "WindowLook.h"
#include "platform/Shell.h"

#include "identity/ProgramIdentity.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace tezvan2 {
namespace {

void paint(QWidget* w, const QColor& text, const QColor& background)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::Base, background);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QFont boldFont(const QFont& base, int pixels = 0)
{
    QFont f = base;
    f.setBold(true);
    if (pixels > 0)
        f.setPixelSize(pixels);
    return f;
}

} // namespace

QUrl Tfrmhak::siteAddress()
{
    return QUrl(QString::fromUtf8(identity::kHomePage));
}

Tfrmhak::Tfrmhak(platform::Shell& shell, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), shell_(shell)
{
    setObjectName(QStringLiteral("frmhak"));
    setWindowTitle(QStringLiteral("Wintezvan") + QString::fromUtf8(identity::kTezvan2Edition)
                   + QString::fromUtf8(" Hakkında"));
    setFixedSize(380, 439);
    QFont base(QStringLiteral("MS Sans Serif"));
    base.setStyleHint(QFont::SansSerif);
    base.setPointSize(8);
    base.setStretch(QFont::SemiCondensed); // near the narrow system font the layout was made for
    setFont(base);
    paint(this, look::kSilver, Qt::black);

    Label1 = new QLabel(QStringLiteral("Wintezvan ") + QString::fromUtf8(identity::kTezvan2Edition), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(72, 24, 249, 37);
    Label1->setFont(boldFont(base, 32));
    paint(Label1, look::kSilver, Qt::black);

    // Created first, so it is first in the tab order and has the focus on opening.
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(19, 66, 345, 257);
    Memo1->setReadOnly(true);
    Memo1->setPlainText(userGuideText());
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The guide sits on the system's scroll-bar colour, apart from the black window.
    const QPalette system = QApplication::style()->standardPalette();
    QPalette memo = system;
    memo.setColor(QPalette::Base, system.color(QPalette::Button));
    memo.setColor(QPalette::Text, system.color(QPalette::ButtonText));
    Memo1->setPalette(memo);
    Memo1->verticalScrollBar()->setPalette(system);
    Memo1->setFocusPolicy(Qt::StrongFocus);

    Label2 = new LinkLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(120, 332, 151, 13);
    Label2->setText(siteAddress().host());
    Label2->setFont(boldFont(base));
    Label2->setCursor(Qt::PointingHandCursor);
    paint(Label2, look::kSilver, Qt::black);
    connect(Label2, &LinkLabel::mouseDown, this, &Tfrmhak::Label2MouseDown);
    connect(Label2, &LinkLabel::mouseUp, this, &Tfrmhak::Label2MouseUp);
    connect(Label2, &LinkLabel::clicked, this, &Tfrmhak::Label2Click);
    connect(Label2, &LinkLabel::doubleClicked, this, &Tfrmhak::Label2Click);

    Label3 = new QLabel(QString::fromUtf8("Süre Çarpanı :"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->move(146, 351);
    Label3->adjustSize();
    paint(Label3, look::kSilver, Qt::black);

    // Our timer ticks every true 10 ms, so 10 records durations in milliseconds.
    Edit1 = new QLineEdit(QStringLiteral("10"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(221, 351, 32, 13);
    Edit1->setFrame(false);
    Edit1->setTextMargins(0, 0, 0, 0);
    Edit1->setFont(boldFont(base));
    Edit1->setFocusPolicy(Qt::ClickFocus);
    paint(Edit1, look::kSilver, Qt::black);

    Button1 = new QPushButton(QStringLiteral("TAMAM"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(155, 377, 75, 19);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

QString Tfrmhak::multiplierText() const
{
    return Edit1->text();
}

void Tfrmhak::showEvent(QShowEvent* event)
{
    if (QWidget* owner = parentWidget())
        move(owner->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    QDialog::showEvent(event);
    Memo1->setFocus();
}

void Tfrmhak::setLinkColour(const QColor& colour)
{
    QPalette p = Label2->palette();
    p.setColor(QPalette::WindowText, colour);
    Label2->setPalette(p);
}

void Tfrmhak::Label2MouseDown()
{
    setLinkColour(look::kLinkPressed);
}

void Tfrmhak::Label2MouseUp()
{
    setLinkColour(look::kSilver);
}

void Tfrmhak::Label2Click()
{
    setLinkColour(look::kLinkVisited);
    shell_.openAddress(siteAddress());
}

} // namespace tezvan2
