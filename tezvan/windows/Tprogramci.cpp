#include "Tprogramci.h"

#include "CaptionBarDrag.h"
#include "CaptionIcon.h"
#include "FlatButton.h"
#include "WindowLook.h"

#include "platform/Jpeg.h"
#include "platform/Shell.h"

#include "identity/ProgramIdentity.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tezvan {
namespace {

constexpr quint32 kBar = 12615680;
constexpr quint32 kBarText = 13041606;
constexpr quint32 kBody = 13160661;
constexpr int kClientWidth = 595;
constexpr int kClientHeight = 516;
constexpr int kFrame = 2;

void colour(QWidget* w, QPalette::ColorRole role, const QColor& c)
{
    QPalette pal = w->palette();
    pal.setColor(role, c);
    w->setPalette(pal);
}

QLabel* label(const QString& text, QWidget* parent, QRect place, bool bold = false)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(place);
    l->setFont(look::sansSerif(11, bold));
    return l;
}

QPushButton* dotsButton(QWidget* parent, QRect place)
{
    auto* b = new QPushButton(QStringLiteral("..."), parent);
    b->setGeometry(place);
    b->setFont(look::sansSerif(11, true));
    b->setCursor(Qt::PointingHandCursor);
    b->setAutoDefault(false);
    return b;
}

} // namespace

QList<QUrl> Tprogramci::webPages()
{
    return {QUrl(QString::fromUtf8(identity::kHomePage)), QUrl(QStringLiteral("https://saz.example.org/")),
            QUrl(QStringLiteral("https://notalar.example.org/"))};
}

QUrl Tprogramci::mailAddress()
{
    return QUrl(QStringLiteral("mailto:") + QString::fromUtf8(identity::kContactAddress));
}

Tprogramci::Tprogramci(platform::Shell& shell, QWidget* parent) : QWidget(parent, look::kOwnedWindow), shell_(shell)
{
    setObjectName(QStringLiteral("programci"));
    setWindowTitle(QStringLiteral("PROGRAMCI HAKKINDA"));
    setFont(look::sansSerif(11));
    setFixedSize(kClientWidth + 2 * kFrame, kClientHeight + 2 * kFrame);

    Panel2_ = new QLabel(QStringLiteral("PROGRAMCI HAKKINDA"), this);
    Panel2_->setObjectName(QStringLiteral("Panel2"));
    Panel2_->setGeometry(kFrame, kFrame, kClientWidth, 21);
    static_cast<QLabel*>(Panel2_)->setAlignment(Qt::AlignCenter);
    Panel2_->setFont(look::sansSerif(11, true));
    Panel2_->setAutoFillBackground(true);
    colour(Panel2_, QPalette::Window, colourOfValue(kBar));
    colour(Panel2_, QPalette::WindowText, colourOfValue(kBarText));
    dragWindowByCaptionBar(Panel2_);

    bilgi_ = new CaptionIcon(CaptionIcon::Kind::Info, Panel2_);
    bilgi_->setObjectName(QStringLiteral("bilgi"));
    bilgi_->setGeometry(3, 3, 16, 16);

    Kapt_ = new CaptionIcon(CaptionIcon::Kind::Close, Panel2_);
    Kapt_->setObjectName(QStringLiteral("Kapt"));
    Kapt_->setGeometry(kClientWidth - 21, 2, 19, 17);
    Kapt_->setToolTip(QString::fromUtf8("PENCEREYİ\nKAPATIR"));
    connect(Kapt_, &QAbstractButton::clicked, this, &Tprogramci::KaptClick);

    buildBody();
    // The window sees its keys before its controls do, for F12.
    qApp->installEventFilter(this);
}

Tprogramci::~Tprogramci()
{
    qApp->removeEventFilter(this);
}

void Tprogramci::buildBody()
{
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("Panel1"));
    body->setGeometry(kFrame, kFrame + 21, kClientWidth, kClientHeight - 21);
    body->setAutoFillBackground(true);
    colour(body, QPalette::Window, colourOfValue(kBody));

    auto* web = new QGroupBox(QStringLiteral("WEB Sitelerim"), body);
    web->setObjectName(QStringLiteral("GroupBox1"));
    web->setGeometry(8, 6, 340, 104);
    web->setFont(look::sansSerif(11, true));
    const QList<QUrl> pages = webPages();
    for (int i = 0; i < pages.size(); ++i) {
        const QUrl page = pages.at(i);
        QLabel* l = label(page.toString(), web, QRect(12, 24 + 26 * i, 270, 20));
        l->setObjectName(QStringLiteral("Link%1").arg(i + 1));
        colour(l, QPalette::WindowText, QColor(0, 0, 160));
        QPushButton* b = dotsButton(web, QRect(292, 22 + 26 * i, 36, 22));
        b->setObjectName(QStringLiteral("WebButton%1").arg(i + 1));
        connect(b, &QPushButton::clicked, this, [this, page] { shell_.openAddress(page); });
    }

    auto* card = new QGroupBox(QString::fromUtf8("İletişim"), body);
    card->setObjectName(QStringLiteral("GroupBox2"));
    card->setGeometry(8, 116, 340, 122);
    card->setFont(look::sansSerif(11, true));
    const QStringList lines = {QString::fromUtf8("Adı      : ") + QString::fromUtf8(identity::kMakers),
                               QString::fromUtf8("Şehir    : Örnekköy"),
                               QString::fromUtf8("Telefon  : (555) 010 20 30"),
                               QString::fromUtf8("E-posta  : ") + QString::fromUtf8(identity::kContactAddress)};
    for (int i = 0; i < lines.size(); ++i)
        label(lines.at(i), card, QRect(12, 24 + 22 * i, 270, 18));
    QPushButton* mail = dotsButton(card, QRect(292, 86, 36, 22));
    mail->setObjectName(QStringLiteral("MailButton"));
    mail->setToolTip(mailAddress().toString());
    connect(mail, &QPushButton::clicked, this, [this] { shell_.openAddress(mailAddress()); });

    auto* offer = new QGroupBox(body);
    offer->setObjectName(QStringLiteral("GroupBox3"));
    offer->setGeometry(8, 244, 340, 58);
    const QColor green(0, 128, 0);
    for (const auto& [text, top] :
         {std::pair{"İsteğinize göre program yazılır.", 10}, std::pair{"Ayrıntılar için e-posta gönderiniz.", 32}}) {
        QLabel* l = label(QString::fromUtf8(text), offer, QRect(12, top, 316, 18), true);
        colour(l, QPalette::WindowText, green);
    }

    Image1_ = new QLabel(body);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setGeometry(360, 6, 224, 223);
    QFile picture(QStringLiteral(":/tezvan/programci.jpg"));
    if (picture.open(QIODevice::ReadOnly))
        Image1_->setPixmap(QPixmap::fromImage(platform::decodeJpeg(picture.readAll())));

    auto* others = new QScrollArea(body);
    others->setObjectName(QStringLiteral("ScrollBox1"));
    others->setGeometry(8, 310, 576, 178);
    auto* list = new QWidget;
    auto* column = new QVBoxLayout(list);
    const char* const programs[] = {
        "tezvan2 - resimli klavyeyle saz çalan, notaları süreleriyle saklayan ikinci sürüm",
        "notaoku - nota dosyalarını yazdırılabilir listeye çeviren küçük araç",
        "ritimci - çalarken tempo tutan metronom",
        "akortcu - sazın tellerini akort etmeye yardım eden ses üreteci",
        "perdeler - bağlama perdelerini ve aralıklarını gösteren çizelge",
        "tezvan kayıt - çalınan notaları dalga dosyası olarak kaydeden araç",
        "türkü defteri - türkü sözlerini ve notalarını bir arada saklayan defter",
        "kısayol - klavye kısayollarını yazdıran yardımcı",
        "çalgı sözlüğü - Türk halk çalgılarını anlatan küçük sözlük",
        "ezgi - kısa ezgileri tekrar tekrar çalarak ezberlemeye yardım eden araç",
    };
    for (const char* p : programs) {
        QLabel* l = label(QString::fromUtf8(p), list, {});
        l->setMinimumHeight(22);
        column->addWidget(l);
    }
    others->setWidget(list);
}

void Tprogramci::KaptClick()
{
    hide();
}

bool Tprogramci::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != this || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F12)
        return false;
    // F12 here is this window's own key: no shortcut of the program takes it.
    event->accept();
    if (event->type() == QEvent::KeyPress)
        hide();
    return true;
}

void Tprogramci::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    look::centreOnScreen(this);
}

void Tprogramci::paintEvent(QPaintEvent*)
{
    // The 2-px frame: the window's own pure blue around the client area.
    QPainter(this).fillRect(rect(), QColor(0, 0, 255));
}

} // namespace tezvan
