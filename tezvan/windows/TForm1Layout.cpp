// Building the main window's controls at their design places, sizes, colours and fonts.
#include "CaptionBarDrag.h"
#include "CaptionIcon.h"
#include "FlatButton.h"
#include "TForm1.h"
#include "WindowLook.h"

#include "tezvan/core/ZoomLevels.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QStyle>
#include <QStyleOptionButton>

namespace tezvan {
namespace {

// Left, top of the note buttons N0..N13 inside `Kontroller`.
constexpr QPoint kNotePlaces[kNoteCount] = {
    {5, 7},   {46, 7},  {87, 7},  {128, 7}, {169, 7},  {210, 7},  {251, 7},
    {292, 7}, {333, 7}, {374, 7}, {251, 40}, {292, 40}, {333, 40}, {374, 40},
};
// Tab order of N0..N13.
constexpr int kNoteTabOrder[kNoteCount] = {1, 2, 3, 4, 5, 6, 0, 7, 12, 8, 9, 10, 13, 11};

using look::paintBackground;
using look::setTextColour;

} // namespace

void TForm1::buildCaptionBar()
{
    BaslikC_ = new QLabel(QStringLiteral("TEZVAN 3.2"), client_);
    BaslikC_->setObjectName(QStringLiteral("BaslikC"));
    BaslikC_->setGeometry(0, 0, 421, 21);
    BaslikC_->setAlignment(Qt::AlignCenter);
    BaslikC_->setFont(look::sansSerif(11, true));
    dragWindowByCaptionBar(BaslikC_);
    paintBackground(BaslikC_, frameColour_);
    setTextColour(BaslikC_, Qt::white);

    bilgi_ = new CaptionIcon(CaptionIcon::Kind::Info, BaslikC_);
    bilgi_->setObjectName(QStringLiteral("bilgi"));
    bilgi_->setGeometry(3, 3, 16, 16);
    bilgi_->setToolTip(QStringLiteral("VE BEN..."));
    connect(bilgi_, &QAbstractButton::clicked, this, &TForm1::bilgiClick);

    Simg_ = new CaptionIcon(CaptionIcon::Kind::Minimise, BaslikC_);
    Simg_->setObjectName(QStringLiteral("Simg"));
    Simg_->setGeometry(380, 2, 19, 17);
    Simg_->setToolTip(QString::fromUtf8("Simgeleştir"));
    connect(Simg_, &QAbstractButton::clicked, this, &TForm1::SimgClick);

    Kapt_ = new CaptionIcon(CaptionIcon::Kind::Close, BaslikC_);
    Kapt_->setObjectName(QStringLiteral("Kapt"));
    Kapt_->setGeometry(400, 2, 19, 17);
    Kapt_->setToolTip(QStringLiteral("Kapat"));
    connect(Kapt_, &QAbstractButton::clicked, this, &TForm1::KaptClick);
}

void TForm1::buildNoteButtons()
{
    Kontroller_ = new QWidget(client_);
    Kontroller_->setObjectName(QStringLiteral("Kontroller"));
    paintBackground(Kontroller_, colourOfValue(look::kControls));
    Kontroller_->installEventFilter(this);

    std::array<FlatButton*, kNoteCount> byTab{};
    for (const Note& note : noteCatalogue()) {
        const int k = note.number;
        auto* action = new QAction(note.captionText(), this);
        action->setObjectName(QString::fromLatin1(note.action));
        action->setProperty("Tag", note.tag());
        noteActions_[std::size_t(k)] = action;

        auto* b = new FlatButton(note.captionText(), Kontroller_);
        b->setObjectName(note.buttonName());
        b->setProperty("Tag", note.tag());
        b->setGeometry(QRect(kNotePlaces[k], QSize(41, 33)));
        b->setColour(colourOfValue(look::kControls));
        b->setFontColour(colourOfValue(look::kNoteText));
        b->setFont(look::sansSerif(11));
        N_[std::size_t(k)] = b;
        byTab[std::size_t(kNoteTabOrder[k])] = b;

        // The button is bound to its action: a click executes it, and it is enabled
        // exactly when the action is.
        connect(b, &QAbstractButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, b, &QWidget::setEnabled);
        connect(action, &QAction::triggered, this, [this, action, b] { NotaCal(action, b); });
        connect(b, &FlatButton::mouseEntered, this, [this, k] { NMouseEnter(k); });
        connect(b, &FlatButton::mouseLeft, this, [this, b] { N0MouseLeave(b); });
    }
    for (std::size_t i = 1; i < byTab.size(); ++i)
        setTabOrder(byTab[i - 1], byTab[i]);
}

void TForm1::buildTransport()
{
    Panel3_ = new QWidget(Kontroller_);
    Panel3_->setObjectName(QStringLiteral("Panel3"));
    Panel3_->setGeometry(4, 49, 190, 48);
    paintBackground(Panel3_, colourOfValue(look::kTransportPanel));

    auto transport = [this](const char* name, const QString& caption, QRect place) {
        auto* b = new FlatButton(caption, Panel3_);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(place);
        b->setColour(colourOfValue(look::kTransport));
        b->setFontColour(colourOfValue(look::kTransportText));
        b->setFont(look::sansSerif(11, true));
        connect(b, &FlatButton::mouseEntered, this, [this, b] { PLAY_MouseEnter(b); });
        connect(b, &FlatButton::mouseLeft, this, [this, b] { PLAY_MouseLeave(b); });
        return b;
    };
    PLAY_ = transport("PLAY_", QString::fromUtf8("ÇAL"), {2, 2, 41, 20});
    new_ = transport("new", QString::fromUtf8("YENİ"), {50, 2, 41, 20});
    open_ = transport("open", QString::fromUtf8("AÇ"), {92, 2, 33, 20});
    save_ = transport("save", QStringLiteral("KAYDET"), {126, 2, 62, 20});
    PAUSE_ = transport("PAUSE_", QStringLiteral("DUR"), {2, 26, 41, 20});
    PAUSE_->hide();

    DURUMM_ = new FlatButton(QStringLiteral("Durum :"), Panel3_);
    DURUMM_->setObjectName(QStringLiteral("DURUMM"));
    DURUMM_->setGeometry(50, 26, 137, 20);
    DURUMM_->setSpeedButton(true);
    DURUMM_->setFont(look::arial(11));
    DURUMM_->setFontColour(QColor(255, 255, 0));
    DURUMM_->setFocusPolicy(Qt::NoFocus);
    // The status line is no button to aim at: only note and transport buttons show the hand.
    DURUMM_->setCursor(Qt::ArrowCursor);
    connect(DURUMM_, &QAbstractButton::clicked, this, &TForm1::DURUMMClick);

    oto_kayit_ = new QCheckBox(QString::fromUtf8("&Otomatik kayıt"), Kontroller_);
    oto_kayit_->setObjectName(QStringLiteral("oto_kayit"));
    oto_kayit_->setGeometry(199, 81, 107, 17);
    oto_kayit_->setFont(look::sansSerif(11, true));
    connect(oto_kayit_, &QCheckBox::clicked, this, &TForm1::oto_kayitClick);

    Label6_ = new QLabel(QStringLiteral("%100"), Kontroller_);
    Label6_->setObjectName(QStringLiteral("Label6"));
    Label6_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label6_->setFont(look::arial(9));
    // The zoom label spans the panel's bottom rows, across the transport panel and the check
    // box: it lies beneath them and lets every click through to what is under it.
    Label6_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label6_->lower();
}

void TForm1::buildListArea()
{
    Bevel2_ = new QFrame(Kontroller_);
    Bevel2_->setObjectName(QStringLiteral("Bevel2"));
    Bevel2_->setFrameStyle(QFrame::HLine | QFrame::Raised);
    Bevel2_->setGeometry(7, 115, 406, 2);

    Bevel1_ = new QFrame(Kontroller_);
    Bevel1_->setObjectName(QStringLiteral("Bevel1"));
    Bevel1_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1_->setGeometry(7, 126, 406, 182);

    ListBox1_ = new QListView(Kontroller_);
    ListBox1_->setObjectName(QStringLiteral("ListBox1"));
    ListBox1_->setGeometry(8, 127, 404, 180);
    ListBox1_->setFrameShape(QFrame::NoFrame);
    ListBox1_->setFont(look::listFont(11));
    ListBox1_->setTextElideMode(Qt::ElideNone);
    // Seven columns filled top to bottom; uniform 13-px lines keep a million lines fast.
    ListBox1_->setViewMode(QListView::ListMode);
    ListBox1_->setFlow(QListView::TopToBottom);
    ListBox1_->setWrapping(true);
    ListBox1_->setResizeMode(QListView::Adjust);
    ListBox1_->setUniformItemSizes(true);
    ListBox1_->setGridSize(QSize(404 / 7, 13));
    ListBox1_->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1_->setModel(&lists_);
    QPalette pal = ListBox1_->palette();
    pal.setColor(QPalette::Base, colourOfValue(look::kList));
    ListBox1_->setPalette(pal);
    // ListBox1Click follows the selection the user makes: by keys, when the selection has
    // changed, and by the mouse, on every click on a line, the line already selected included
    // (a mouse press makes a line current before it selects it).
    connect(ListBox1_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!selectingByProgram_)
            ListBox1Click();
    });
    connect(ListBox1_, &QAbstractItemView::clicked, this, &TForm1::ListBox1Click);
    connect(ListBox1_, &QAbstractItemView::doubleClicked, this, &TForm1::ListBox1DblClick);

    Label5_ = new QLabel(QString::fromUtf8("Toplam nota Sayısı :"), Kontroller_);
    Label5_->setObjectName(QStringLiteral("Label5"));
    Label5_->setGeometry(8, 317, 116, 13);
    Label5_->setFont(look::sansSerif(11, true));
    paintBackground(Label5_, Qt::black);
    setTextColour(Label5_, QColor(0, 255, 0));
    connect(&lists_, &NoteLists::countChanged, Label5_, [this](int n) {
        Label5_->setText(noteCountText(n));
        fitToContents();
    });
}

void TForm1::fitToContents()
{
    // The count label grows with its text at the window's scale, so a count of any length
    // shows whole at every level.
    const QSize text = Label5_->sizeHint();
    Label5_->resize(qMax(scaledLength(116, scaledLevel_), text.width()),
                    qMax(scaledLength(13, scaledLevel_), text.height()));
    // The tick box keeps the style's size at every level: the check box is never lower.
    QStyleOptionButton box;
    box.initFrom(oto_kayit_);
    const int tick = oto_kayit_->style()->pixelMetric(QStyle::PM_IndicatorHeight, &box, oto_kayit_);
    if (oto_kayit_->height() < tick)
        oto_kayit_->resize(oto_kayit_->width(), tick);
    // The horizontal scroll bar, and the room it takes, only once seven full columns no
    // longer hold the lines.
    const int rows = qMax(1, ListBox1_->height() / ListBox1_->gridSize().height());
    ListBox1_->setHorizontalScrollBarPolicy(lists_.count() > 7 * rows ? Qt::ScrollBarAsNeeded
                                                                      : Qt::ScrollBarAlwaysOff);
}

void TForm1::buildActions()
{
    mnliste_ = new QAction(QString::fromUtf8("Liste Gizle / Göster"), this);
    mnliste_->setObjectName(QStringLiteral("mnliste"));
    mnliste_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    mnliste_->setShortcutContext(Qt::WindowShortcut);
    connect(mnliste_, &QAction::triggered, this, &TForm1::mnlisteExecute);
    addAction(mnliste_);
}

void TForm1::layOut()
{
    // The caption bar and the zoom label keep their heights at the window's scale.
    client_->setGeometry(rect().adjusted(1, 1, -1, -1));
    const int bar = scaledLength(21, scaledLevel_);
    Kontroller_->setGeometry(0, bar, client_->width(), client_->height() - bar);
    const int label = scaledLength(12, scaledLevel_);
    Label6_->setGeometry(0, Kontroller_->height() - label, Kontroller_->width(), label);
}

} // namespace tezvan
