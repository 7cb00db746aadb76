// The main window's context menu: its tree as the user sees it, its keys with the menu
// closed, the secondary button everywhere, the click of each entry reached, the side bar as
// drawn; the flat hint window's timing; and the window's captions shown whole.
#include "WindowFixture.h"
#include "support/RowName.h"

#include "tezvan/windows/FlatHint.h"
#include "tezvan/windows/SideBarMenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolTip>

namespace {

using testing_support::RowName;
using testing_support::WindowFixture;
using tezvan::SideBarMenu;

class TForm1MenuTest : public WindowFixture {
public:
    void TearDown() override
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        WindowFixture::TearDown();
    }
    SideBarMenu* menu() const { return control<SideBarMenu>("kisayol_menusu"); }

    // One line per entry: name | caption | key | icon | greyed, submenus indented, "-" for a
    // separator. A submenu is opened before its entries are read, as the user sees them.
    static void dump(QMenu* m, QStringList& out, const QString& indent = {})
    {
        m->popup(QPoint(0, 0));
        for (QAction* a : m->actions()) {
            if (a->isSeparator()) {
                out << indent + QLatin1Char('-');
                continue;
            }
            QStringList line{a->objectName(), SideBarMenu::caption(a),
                             SideBarMenu::shownShortcut(a).toString(QKeySequence::PortableText),
                             a->icon().isNull() ? QString() : QStringLiteral("icon")};
            if (!a->isEnabled())
                line << QStringLiteral("greyed");
            out << indent + line.join(QStringLiteral(" | "));
            if (a->statusTip() != QStringLiteral("M"))
                out << indent + QStringLiteral("^ has no menu hint");
            if (a->menu())
                dump(a->menu(), out, indent + QStringLiteral("  "));
        }
        m->close();
    }
};

TEST_F(TForm1MenuTest, ShowsItsWholeTree)
{
    QStringList seen;
    dump(menu(), seen);
    const QString expected = QString::fromUtf8(R"(YeniSrmKontrolYap1 | Yeni Sürüm Kontrolü Yap... |  | icon
DosyaTrTanmla1 | Dosya Türü Tanıt (*.tnl) |  | icon
-
KlavyeTuAyarlamas2 | Klavye Tuş Ayarlaması... | Ctrl+K | icon
-
Yrt1 | Yürüt |  | icon
  al1 | Notaları Çal | Ctrl+F9 | icon
  Durdur1 | Çalma İşlemini Bitir | Ctrl+F10 | icon
  -
  KaytDurdur1 | Kayıt İşlemini Durdur | Ctrl+F11 | icon
-
Dosya1 | Dosya |  | 
  Yeni1 | Yeni | Ctrl+N | icon
  A1 | Aç... | Ctrl+O | icon
  Kaydet1 | Kaydet... | Ctrl+S | icon
  NotaDntr2 | Nota Göründüğü Gibi Kaydet |  | icon
-
ListeGizleGster1 | Liste Gizle / Göster | Ctrl+L | icon
Notailemleri1 | Nota İşlemleri |  | icon
  Deitir1 | Değiştir |  | icon
  ArayaEkle2 | Araya Ekle |  | 
  SeiliNotaSil1 | Seçili Nota Sil |  | icon
NotaZamanlemleri1 | Nota Zaman İşlemleri |  | icon
  Zaman13 | Zaman + 500 |  | 
  Zaman14 | Zaman - 500 |  | 
  -
  TmNota13 | Tüm Nota  + 500 |  | 
  TmNota14 | Tüm Nota  - 500 |  | 
  -
  TmZamanlarSfrla1 | Tüm Zamanları Sıfırla |  | 
  -
  Ayarlar1 | Ayarlar |  | 
-
RenkAyarlar2 | Renk Ayarları |  | icon
  enarizgileri1 | Kenar Çizgileri |  | 
  letiRenkleri1 | İleti Renkleri |  | 
  ZeminRengi1 | Zemin Rengi |  | 
  -
  ButonYazRengi1 | Buton Yazı Rengi |  | 
  ButonZeminRengi1 | Buton Zemin Rengi |  | 
  -
  ListeZeminRengi1 | Liste Zemin Rengi |  | 
  ListeYazRengi1 | Liste Yazı Rengi |  | 
  -
  VarsaylanRenkAyarlar1 | Varsayılan Renk Ayarları |  | 
-
FormGrnm1 | Form Görünümü |  | 
  FormBK1 | Form B/K |  | 
  -
  N501 | %80 | Ctrl+Num+1 | 
  N751 | %90 | Ctrl+Num+2 | 
  N1001 | %100 | Ctrl+Num+3 | 
  mn1101 | %110 | Ctrl+Num+4 | 
  N1251 | %125 | Ctrl+Num+5 | 
  N1501 | %150 | Ctrl+Num+6 | 
  N2001 | %200 | Ctrl+Num+7 | 
-
Programc1 | Programcı... |  | icon
Yardm1 | Yardım... | F1 | icon
-
k1 | Çıkış |  | icon)");
    EXPECT_EQ(seen.join(QLatin1Char('\n')), expected);
}

struct KeyRow : testing_support::NamedRow {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* command; // the window's action the key runs
};

class TForm1MenuKeys : public TForm1MenuTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(TForm1MenuKeys, WorkWithTheMenuClosed)
{
    const KeyRow& r = GetParam();
    auto* command = window->findChild<QAction*>(QString::fromLatin1(r.command), Qt::FindDirectChildrenOnly);
    ASSERT_NE(command, nullptr);
    if (!command->isEnabled())
        GTEST_SKIP() << r.command << " is not a command of the window yet";
    QSignalSpy ran(command, &QAction::triggered);
    ASSERT_FALSE(menu()->isVisible());
    QTest::keyClick(listBox(), Qt::Key(r.key), r.modifiers);
    EXPECT_EQ(ran.count(), 1);
    EXPECT_FALSE(menu()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TForm1MenuKeys,
    ::testing::Values(KeyRow{"Ctrl+F9 plays", Qt::Key_F9, Qt::ControlModifier, "al1"},
                      KeyRow{"Ctrl+F10 ends playing", Qt::Key_F10, Qt::ControlModifier, "Durdur1"},
                      KeyRow{"Ctrl+F11 ends recording", Qt::Key_F11, Qt::ControlModifier, "KaytDurdur1"},
                      KeyRow{"Ctrl+N new", Qt::Key_N, Qt::ControlModifier, "Yeni1"},
                      KeyRow{"Ctrl+O open", Qt::Key_O, Qt::ControlModifier, "A1"},
                      KeyRow{"Ctrl+S save", Qt::Key_S, Qt::ControlModifier, "Kaydet1"},
                      KeyRow{"Ctrl+L list", Qt::Key_L, Qt::ControlModifier, "mnliste"},
                      KeyRow{"Ctrl+K key assignment", Qt::Key_K, Qt::ControlModifier, "mnklavye"},
                      KeyRow{"F1 help", Qt::Key_F1, Qt::NoModifier, "mnyardim"},
                      KeyRow{"F12 minimise", Qt::Key_F12, Qt::NoModifier, "MNsimgeles"}),
    RowName{});

struct PlaceRow : testing_support::NamedRow {
    const char* control;
    QPoint at;      // inside the control; (-1, -1) = its middle
    bool listShown; // the list area must be in view first
    bool viewport;  // a scroll area takes the mouse in its viewport
};

class TForm1MenuOpens : public TForm1MenuTest, public ::testing::WithParamInterface<PlaceRow> {};

TEST_P(TForm1MenuOpens, BySecondaryButtonAnywhere)
{
    const PlaceRow& r = GetParam();
    if (r.listShown)
        window->findChild<QAction*>(QStringLiteral("mnliste"))->trigger();
    QWidget* w = control(r.control);
    if (r.viewport)
        w = static_cast<QAbstractScrollArea*>(w)->viewport();
    const QPoint at = r.at.x() < 0 ? w->rect().center() : r.at;
    ASSERT_TRUE(w->isVisible());
    // Through the window system, which turns the secondary button into a menu request.
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, placeOf(w, at));
    EXPECT_TRUE(menu()->isVisible());
    // It opens where the button was pressed.
    EXPECT_LE((menu()->pos() - w->mapToGlobal(at)).manhattanLength(), 2);
}

INSTANTIATE_TEST_SUITE_P(Rows, TForm1MenuOpens,
                         ::testing::Values(PlaceRow{"the visible list", "ListBox1", {-1, -1}, true, true},
                                           PlaceRow{"a note button", "N3", {-1, -1}, false, false},
                                           PlaceRow{"the check box", "oto_kayit", {-1, -1}, false, false},
                                           PlaceRow{
                                               "the empty control panel", "Kontroller", {220, 60}, false, false},
                                           PlaceRow{"the caption bar", "BaslikC", {200, 10}, false, false},
                                           PlaceRow{"the status button", "DURUMM", {-1, -1}, false, false}),
                         RowName{});

TEST_F(TForm1MenuTest, EachEntryReachedClicksOnce)
{
    SideBarMenu* m = menu();
    m->popup(window->mapToGlobal(QPoint(10, 30)));
    ASSERT_TRUE(m->isVisible());
    sound.played.clear();
    for (const char* name : {"Yrt1", "Dosya1", "ListeGizleGster1"}) {
        QAction* entry = m->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(entry, nullptr) << name;
        const QRect r = m->actionGeometry(entry);
        QTest::mouseMove(m, r.center());
        // Moving inside the entry reached is no new entry.
        QTest::mouseMove(m, r.center() + QPoint(5, 1));
    }
    EXPECT_EQ(sound.indexes(), (std::vector<int>{14, 14, 14}));
}

TEST_F(TForm1MenuTest, SideBarGradientAndTitleAsDrawn)
{
    SideBarMenu* m = menu();
    m->popup(window->mapToGlobal(QPoint(10, 30)));
    const QImage image = m->grab().toImage();
    const QRect bar = m->barRect();
    const int h = bar.height();
    ASSERT_GT(h, 300);
    ASSERT_EQ(bar.width(), 18);

    // Green and blue fall from 255 to 0 down the bar, truncated toward zero row by row.
    const auto expectRow = [&](int y) {
        const int gb = 255 - 255 * y / h;
        for (int x : {bar.left(), bar.right()}) {
            const QRgb px = image.pixel(x, bar.top() + y);
            EXPECT_EQ(QColor(px), QColor(255, gb, gb)) << "row " << y << " column " << x;
        }
    };
    expectRow(0);
    expectRow(h / 2 + 1);
    expectRow(h - 1);
    // Beyond its 18 columns the bar is not painted.
    EXPECT_NE(QColor(image.pixel(bar.right() + 2, bar.top() + h - 1)), QColor(255, 0, 0));

    // The title: white letters in the red lower part, reading up from 6 pixels above the
    // bottom, inside the bar's columns.
    int lowest = -1, leftmost = image.width(), rightmost = -1;
    for (int y = bar.top() + h / 2; y <= bar.bottom(); ++y)
        for (int x = bar.left(); x <= bar.right(); ++x)
            if (qGreen(image.pixel(x, y)) > 230 && qRed(image.pixel(x, y)) > 230) {
                lowest = qMax(lowest, y);
                leftmost = qMin(leftmost, x);
                rightmost = qMax(rightmost, x);
            }
    ASSERT_GE(lowest, 0) << "no title drawn";
    const int start = bar.bottom() + 1 - 6;
    EXPECT_LE(lowest, start);
    EXPECT_GE(lowest, start - 4);
    EXPECT_GE(leftmost, bar.left());
    EXPECT_GE(rightmost - leftmost, 8); // letters, not a stray dot
}

TEST_F(TForm1MenuTest, HintWindowShowsWaitsAndHides)
{
    auto* hint = control<tezvan::FlatHint>("FlatHint1");
    const auto enter = [](QWidget* w) {
        QEnterEvent e(QPointF(5, 5), w->mapTo(w->window(), QPointF(5, 5)), w->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(w, &e);
    };
    const auto leave = [](QWidget* w) {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    };

    enter(note(0));
    clock.advanceMs(499);
    EXPECT_FALSE(hint->isVisible());
    clock.advanceMs(1);
    ASSERT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->text(), QStringLiteral("Kısayol -> 65"));
    // Qt's own tool tip never shows beside it.
    QHelpEvent tip(QEvent::ToolTip, QPoint(5, 5), note(0)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(note(0), &tip);
    EXPECT_FALSE(QToolTip::isVisible());

    // On to the next button while the hint shows: 25 ms.
    leave(note(0));
    enter(note(1));
    clock.advanceMs(24);
    EXPECT_EQ(hint->text(), QStringLiteral("Kısayol -> 65"));
    clock.advanceMs(1);
    EXPECT_EQ(hint->text(), QStringLiteral("Kısayol -> 83"));
    clock.advanceMs(4999);
    EXPECT_TRUE(hint->isVisible());
    clock.advanceMs(1);
    EXPECT_FALSE(hint->isVisible());

    // Off to a place without a hint it goes at once; the next hint waits the full time.
    enter(note(2));
    clock.advanceMs(500);
    ASSERT_TRUE(hint->isVisible());
    leave(note(2));
    clock.runDue();
    EXPECT_FALSE(hint->isVisible());
    enter(note(3));
    clock.advanceMs(499);
    EXPECT_FALSE(hint->isVisible());

    // A long hint wraps inside 200 pixels.
    QWidget* kapt = control("Kapt");
    kapt->setToolTip(QString(QStringLiteral("PENCEREYİ KAPATIR ")).repeated(8));
    enter(kapt);
    clock.advanceMs(500);
    ASSERT_TRUE(hint->isVisible());
    EXPECT_LE(hint->width(), 200);
    EXPECT_GT(hint->height(), 2 * QFontMetrics(hint->font()).height());
}

// The room a button's caption gets: a check box's text area beside its mark, a button's
// whole face.
int captionRoom(QAbstractButton* b)
{
    if (auto* box = qobject_cast<QCheckBox*>(b)) {
        QStyleOptionButton opt;
        opt.initFrom(box);
        opt.text = box->text();
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, box).width();
    }
    return b->width();
}

struct ZoomRow : testing_support::NamedRow {
    const char* zoom; // the zoom command
};

class TForm1Captions : public TForm1MenuTest, public ::testing::WithParamInterface<ZoomRow> {};

TEST_P(TForm1Captions, AreShownWholeAtEveryZoom)
{
    // Every caption and label on screen: its text within its face, the face within its parent,
    // a check box's tick box within the box.
    const auto expectWhole = [this](const char* when, int count) {
        int checked = 0;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(w);
            auto* b = qobject_cast<QAbstractButton*>(w);
            QString shown = label ? label->text() : b ? b->text() : QString();
            shown.remove(QLatin1Char('&'));
            const QRect parent = w->parentWidget()->rect();
            if (shown.isEmpty() || w->window() != window.get() || !w->isVisibleTo(window.get())
                || !parent.intersects(w->geometry()))
                continue;
            const std::string name = w->objectName().toStdString() + ", " + when;
            EXPECT_TRUE(parent.contains(w->geometry())) << name;
            const QRect room = label ? label->contentsRect() : QRect(0, 0, captionRoom(b), b->height());
            EXPECT_LE(w->fontMetrics().horizontalAdvance(shown), room.width()) << name;
            EXPECT_LE(w->fontMetrics().height(), room.height()) << name;
            QStyleOptionButton tick;
            tick.initFrom(w);
            if (qobject_cast<QCheckBox*>(w)) {
                EXPECT_TRUE(w->rect().contains(w->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &tick, w)))
                    << name;
            }
            ++checked;
        }
        // Note buttons, the shown transport buttons, status, box, caption bar and zoom label;
        // the count label with the list; the change panel's four labels and four buttons.
        EXPECT_EQ(checked, count) << when;
    };
    const auto act = [this](const char* name) { window->findChild<QAction*>(QString::fromLatin1(name))->trigger(); };
    act(GetParam().zoom);
    expectWhole("list hidden", 22);
    act("mnliste");
    expectWhole("list shown", 23);
    // A count set at 100 %, then the level; a note recorded at the level.
    act("mn100");
    load(QStringList(13, QStringLiteral("00=0")));
    act(GetParam().zoom);
    expectWhole("a count from 100 %", 23);
    tick(true);
    press(Qt::Key_A, 38);
    EXPECT_EQ(countLabel(), QString::fromUtf8("Toplam Nota Sayısı : 14"));
    expectWhole("after a note", 23);
    press(Qt::Key_Home, 0, {}, listBox());
    act("mndegistir");
    expectWhole("the change panel", 31);
}

INSTANTIATE_TEST_SUITE_P(Rows, TForm1Captions,
                         ::testing::Values(ZoomRow{{"80 %"}, "mn80"}, ZoomRow{{"90 %"}, "mn90"},
                                           ZoomRow{{"100 %"}, "mn100"}, ZoomRow{{"110 %"}, "mn110"},
                                           ZoomRow{{"125 %"}, "mn125"}, ZoomRow{{"150 %"}, "mn150"},
                                           ZoomRow{{"200 %"}, "mn200"}),
                         RowName{});

} // namespace
