#include "MainControls.h"

#include "CaptionBar.h"
#include "FlatButton.h"
#include "MainWindowLayout.h"
#include "WindowLook.h"

#include "tezvan/core/NoteKeys.h"
#include "tezvan/core/NoteLists.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListView>

namespace tezvan {
namespace {

// Left, top of the note buttons N0..N13 inside `Kontroller`.
constexpr QPoint kNotePlaces[kNoteCount] = {
    {5, 7},   {46, 7},  {87, 7},  {128, 7},  {169, 7},  {210, 7},  {251, 7},
    {292, 7}, {333, 7}, {374, 7}, {251, 40}, {292, 40}, {333, 40}, {374, 40},
};
// Tab order of N0..N13.
constexpr int kNoteTabOrder[kNoteCount] = {1, 2, 3, 4, 5, 6, 0, 7, 12, 8, 9, 10, 13, 11};

using look::paintBackground;
using look::setTextColour;

void buildNoteButtons(MainControls& c, QWidget* window, const NoteKeys& keys)
{
    c.Kontroller = new QWidget(c.client);
    c.Kontroller->setObjectName(QStringLiteral("Kontroller"));
    paintBackground(c.Kontroller, colourOfValue(look::kControls));

    std::array<FlatButton*, kNoteCount> byTab{};
    for (const Note& note : noteCatalogue()) {
        const int k = note.number;
        auto* action = new QAction(note.captionText(), window);
        action->setObjectName(QString::fromLatin1(note.action));
        action->setProperty("Tag", note.tag());
        c.noteActions[std::size_t(k)] = action;

        auto* b = new FlatButton(note.captionText(), c.Kontroller);
        b->setObjectName(note.buttonName());
        b->setProperty("Tag", note.tag());
        b->setGeometry(QRect(kNotePlaces[k], QSize(41, 33)));
        b->setColour(colourOfValue(look::kControls));
        b->setFontColour(colourOfValue(look::kNoteText));
        b->setFont(look::sansSerif(11));
        c.N[std::size_t(k)] = b;
        byTab[std::size_t(kNoteTabOrder[k])] = b;

        // The button is bound to its action: a click executes it, and it is enabled
        // exactly when the action is.
        QObject::connect(b, &QAbstractButton::clicked, action, &QAction::trigger);
        QObject::connect(action, &QAction::enabledChanged, b, &QWidget::setEnabled);
        QObject::connect(b, &FlatButton::mouseEntered, b, [b, k, &keys] { showNoteHover(b, keys.key(k)); });
        QObject::connect(b, &FlatButton::mouseLeft, b, [b] { endNoteHover(b); });
    }
    for (std::size_t i = 1; i < byTab.size(); ++i)
        QWidget::setTabOrder(byTab[i - 1], byTab[i]);
}

void buildTransport(MainControls& c)
{
    c.Panel3 = new QWidget(c.Kontroller);
    c.Panel3->setObjectName(QStringLiteral("Panel3"));
    c.Panel3->setGeometry(4, 49, 190, 48);
    paintBackground(c.Panel3, colourOfValue(look::kTransportPanel));

    auto transport = [&c](const char* name, const QString& caption, QRect place) {
        auto* b = new FlatButton(caption, c.Panel3);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(place);
        b->setColour(colourOfValue(look::kTransport));
        b->setFontColour(colourOfValue(look::kTransportText));
        b->setFont(look::sansSerif(11, true));
        QObject::connect(b, &FlatButton::mouseEntered, b, [b] { showTransportHover(b, true); });
        QObject::connect(b, &FlatButton::mouseLeft, b, [b] { showTransportHover(b, false); });
        return b;
    };
    c.PLAY_ = transport("PLAY_", QString::fromUtf8("ÇAL"), {2, 2, 41, 20});
    c.new_ = transport("new", QString::fromUtf8("YENİ"), {50, 2, 41, 20});
    c.open = transport("open", QString::fromUtf8("AÇ"), {92, 2, 33, 20});
    c.save = transport("save", QStringLiteral("KAYDET"), {126, 2, 62, 20});
    c.PAUSE_ = transport("PAUSE_", QStringLiteral("DUR"), {2, 26, 41, 20});
    c.PAUSE_->hide();

    c.DURUMM = new FlatButton(QStringLiteral("Durum :"), c.Panel3);
    c.DURUMM->setObjectName(QStringLiteral("DURUMM"));
    c.DURUMM->setGeometry(50, 26, 137, 20);
    c.DURUMM->setSpeedButton(true);
    c.DURUMM->setFont(look::arial(11));
    c.DURUMM->setFontColour(QColor(255, 255, 0));
    c.DURUMM->setFocusPolicy(Qt::NoFocus);
    // The status line is no button to aim at: only note and transport buttons show the hand.
    c.DURUMM->setCursor(Qt::ArrowCursor);

    c.oto_kayit = new QCheckBox(QString::fromUtf8("&Otomatik kayıt"), c.Kontroller);
    c.oto_kayit->setObjectName(QStringLiteral("oto_kayit"));
    c.oto_kayit->setGeometry(199, 81, 107, 17);
    c.oto_kayit->setFont(look::sansSerif(11, true));

    c.Label6 = new QLabel(QStringLiteral("%100"), c.Kontroller);
    c.Label6->setObjectName(QStringLiteral("Label6"));
    c.Label6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.Label6->setFont(look::arial(9));
    // The zoom label spans the panel's bottom rows, across the transport panel and the check
    // box: it lies beneath them and lets every click through to what is under it.
    c.Label6->setAttribute(Qt::WA_TransparentForMouseEvents);
    c.Label6->lower();
}

void buildListArea(MainControls& c, NoteLists& lists)
{
    auto* bevel2 = new QFrame(c.Kontroller);
    bevel2->setObjectName(QStringLiteral("Bevel2"));
    bevel2->setFrameStyle(QFrame::HLine | QFrame::Raised);
    bevel2->setGeometry(7, 115, 406, 2);

    auto* bevel1 = new QFrame(c.Kontroller);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel1->setGeometry(7, 126, 406, 182);

    QListView* list = c.ListBox1 = new QListView(c.Kontroller);
    list->setObjectName(QStringLiteral("ListBox1"));
    list->setGeometry(8, 127, 404, 180);
    list->setFrameShape(QFrame::NoFrame);
    list->setFont(look::listFont(11));
    list->setTextElideMode(Qt::ElideNone);
    // Seven columns filled top to bottom; uniform 13-px lines keep a million lines fast.
    list->setViewMode(QListView::ListMode);
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(true);
    list->setResizeMode(QListView::Adjust);
    list->setUniformItemSizes(true);
    list->setGridSize(QSize(404 / 7, 13));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setModel(&lists);
    QPalette pal = list->palette();
    pal.setColor(QPalette::Base, colourOfValue(look::kList));
    list->setPalette(pal);

    c.Label5 = new QLabel(QString::fromUtf8("Toplam nota Sayısı :"), c.Kontroller);
    c.Label5->setObjectName(QStringLiteral("Label5"));
    c.Label5->setGeometry(8, 317, 116, 13);
    c.Label5->setFont(look::sansSerif(11, true));
    paintBackground(c.Label5, Qt::black);
    setTextColour(c.Label5, QColor(0, 255, 0));
}

} // namespace

MainControls buildMainControls(QWidget* window, NoteLists& lists, const NoteKeys& keys)
{
    MainControls c;
    c.client = new QWidget(window);
    c.BaslikC = new CaptionBar(colourOfValue(look::kFrame), c.client);
    buildNoteButtons(c, window, keys);
    buildTransport(c);
    buildListArea(c, lists);
    return c;
}

void showNoteHover(FlatButton* b, quint16 key)
{
    b->setToolTip(QString::fromUtf8("Kısayol -> ") + QString::number(key));
    QFont f = b->font();
    f.setBold(true);
    f.setUnderline(true);
    b->setFont(f);
}

void endNoteHover(FlatButton* b)
{
    QFont f = b->font();
    f.setBold(false);
    f.setUnderline(false);
    b->setFont(f);
}

void showTransportHover(FlatButton* b, bool over)
{
    QFont f = b->font();
    f.setUnderline(over);
    b->setFont(f);
    b->setFontColour(colourOfValue(over ? look::kTransportHover : look::kTransportText));
}

} // namespace tezvan
