// The main window driven by keys and clicks: recording, the status button, closing,
// the note keys wherever the focus is, the list area and the hover texts.
#include "WindowFixture.h"
#include "support/RowName.h"

#include "tezvan/core/Recorder.h"

#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <functional>

namespace {

using testing_support::RowName;
using testing_support::WindowFixture;
using Icon = platform::Dialogs::Icon;

class TForm1Test : public WindowFixture {};

TEST_F(TForm1Test, RecordsTwoNotesWithTheTimeBetweenThem)
{
    tick(true);
    press(Qt::Key_A, 38);
    clock.advanceMs(451);
    press(Qt::Key_S, 39);

    const tezvan::NoteLists& lists = window->noteLists();
    EXPECT_EQ(lists.entries(), QStringList({QStringLiteral("00=0"), QStringLiteral("01=451")}));
    EXPECT_EQ(lists.lines(), QStringList({QStringLiteral("DO-K (00)"), QStringLiteral("RE (01)")}));
    EXPECT_EQ(listBox()->model()->rowCount(), 2);
    EXPECT_EQ(countLabel(), QString::fromUtf8("Toplam Nota Sayısı : 2"));
    EXPECT_EQ(status(), QString::fromUtf8("Kayıt yapılıyor... DUR"));
    EXPECT_TRUE(note(1)->raised());
    EXPECT_FALSE(note(0)->raised());
    EXPECT_EQ(sound.indexes(), (std::vector<int>{0, 1}));
    EXPECT_TRUE(sound.played[0].sounded && sound.played[1].sounded);

    clock.advanceMs(20);
    press(Qt::Key_R, 27);
    EXPECT_EQ(lists.entry(2), QStringLiteral("13=20"));
    EXPECT_EQ(lists.line(2), QString::fromUtf8("BİTİŞ (13)"));
    EXPECT_TRUE(window->recorder().recording());
    clock.advanceMs(7);
    press(Qt::Key_Q, 24);
    EXPECT_EQ(lists.entry(3), QStringLiteral("10=7"));
}

TEST_F(TForm1Test, NotesWithTheBoxClearedSoundButAreNotKept)
{
    press(Qt::Key_G, 42);
    QTest::mouseClick(note(10), Qt::LeftButton);
    EXPECT_EQ(sound.indexes(), (std::vector<int>{4, 10}));
    EXPECT_TRUE(window->noteLists().isEmpty());
    EXPECT_EQ(countLabel(), QString::fromUtf8("Toplam nota Sayısı :"));
    EXPECT_EQ(status(), QString::fromUtf8("Serbest...(Kayıt Yok)"));
    EXPECT_TRUE(note(10)->raised());
    EXPECT_FALSE(note(4)->raised());
}

struct StatusRow : testing_support::NamedRow {
    bool ticked;
    bool recordFirst;
    const char* status;
    bool markStays;
};

class TForm1StatusButton : public WindowFixture, public ::testing::WithParamInterface<StatusRow> {};

TEST_P(TForm1StatusButton, InItsThreeCases)
{
    const StatusRow& r = GetParam();
    if (r.recordFirst) {
        tick(true);
        press(Qt::Key_D, 40);
    } else {
        press(Qt::Key_D, 40); // sounds free, marks N2
        tick(r.ticked);
    }
    QTest::mouseClick(control<QWidget>("DURUMM"), Qt::LeftButton);
    EXPECT_EQ(status(), QString::fromUtf8(r.status));
    EXPECT_EQ(note(2)->raised(), r.markStays);
    EXPECT_FALSE(window->recorder().recording());
}

INSTANTIATE_TEST_SUITE_P(Rows, TForm1StatusButton,
                         ::testing::Values(StatusRow{"box cleared: free, mark gone", false, false,
                                                     "Serbest...(Kayıt Yok)", false},
                                           StatusRow{"box ticked while recording: completed, mark gone", true, true,
                                                     "Kayıt İşlemi Tamamlandı", false},
                                           StatusRow{"box ticked, not recording: nothing changes", true, false,
                                                     "Serbest...(Kayıt Yok)", true}),
                         RowName());

struct ClosingRow : testing_support::NamedRow {
    bool record;
    std::deque<bool> answers;
    bool asked;
    bool closed;
};

class TForm1Closing : public WindowFixture, public ::testing::WithParamInterface<ClosingRow> {};

TEST_P(TForm1Closing, WhileRecordingAsksAndAlwaysEndsTheRecording)
{
    const ClosingRow& r = GetParam();
    dialogs.shown.clear();
    dialogs.answers = r.answers;
    tick(true);
    if (r.record)
        press(Qt::Key_A, 38);
    EXPECT_EQ(window->close(), r.closed);
    EXPECT_EQ(window->isVisible(), !r.closed);
    EXPECT_FALSE(window->recorder().recording());
    ASSERT_EQ(dialogs.shown.size(), r.asked ? 1u : 0u);
    if (r.asked) {
        EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("UYARI"));
        EXPECT_EQ(dialogs.shown[0].text,
                  QString::fromUtf8("Şu An Kayıt Modundasınız.\r\r"
                                    "Çıkmak istediğinizden emin misiniz?"));
        EXPECT_EQ(dialogs.shown[0].icon, Icon::Warning);
        EXPECT_EQ(status(), QString::fromUtf8("Kayıt yapılıyor... DUR"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TForm1Closing,
    ::testing::Values(ClosingRow{"recording, answered No: stays open", true, {false}, true, false},
                      ClosingRow{"recording, answered Yes: closes", true, {true}, true, true},
                      ClosingRow{"not recording: closes without asking", false, {}, false, true}),
    RowName());

TEST_F(TForm1Test, AfterNoToClosingTheNextRecordedNoteStartsANewRecording)
{
    dialogs.answers = {false};
    tick(true);
    press(Qt::Key_A, 38);
    clock.advanceMs(300);
    window->close();
    clock.advanceMs(300);
    press(Qt::Key_S, 39);
    EXPECT_EQ(window->noteLists().entry(1), QStringLiteral("01=0"));
}

struct LayoutRow : testing_support::NamedRow {
    int qtKey;
    quint32 scanCode;
    const char* text;
    std::vector<int> played;
};

class TForm1KeyRightOfL : public WindowFixture, public ::testing::WithParamInterface<LayoutRow> {};

TEST_P(TForm1KeyRightOfL, IsThePhysicalKeyOnEveryLayout)
{
    const LayoutRow& r = GetParam();
    press(r.qtKey, r.scanCode, Qt::NoModifier, nullptr, QString::fromUtf8(r.text));
    EXPECT_EQ(sound.indexes(), r.played);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TForm1KeyRightOfL,
    ::testing::Values(LayoutRow{"US layout: semicolon", Qt::Key_Semicolon, 47, ";", {9}},
                      LayoutRow{"German layout: o umlaut", Qt::Key_Odiaeresis, 47, "ö", {9}},
                      LayoutRow{"Turkish layout: S cedilla", 0x015E, 47, "ş", {9}},
                      LayoutRow{"a semicolon typed on another key is no note", Qt::Key_Semicolon, 59, ";", {}},
                      LayoutRow{"the L key", Qt::Key_L, 46, "l", {8}},
                      LayoutRow{"no native code: the Qt key decides", Qt::Key_Semicolon, 0, ";", {9}}),
    RowName());

struct FocusRow : testing_support::NamedRow {}; // name: the control that has the focus

class TForm1NoteKeys : public WindowFixture, public ::testing::WithParamInterface<FocusRow> {};

TEST_P(TForm1NoteKeys, WorkWhicheverControlHasTheFocus)
{
    tick(true);
    QWidget* w = control<QWidget>(GetParam().name);
    w->setFocus();
    press(Qt::Key_H, 43, Qt::NoModifier, w, QStringLiteral("h"));
    EXPECT_EQ(sound.indexes(), std::vector<int>{5});
    EXPECT_EQ(window->noteLists().count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Rows, TForm1NoteKeys,
                         ::testing::Values(FocusRow{"ListBox1"}, FocusRow{"oto_kayit"}, FocusRow{"PLAY_"},
                                           FocusRow{"N5"}),
                         RowName());

TEST_F(TForm1Test, AReassignedNoteKeyTakesEffectAtOnce)
{
    // The old key no longer sounds.
    window->setNoteShortcut(0, 0x4000 | 'A');
    press(Qt::Key_A, 38);
    press(Qt::Key_A, 38, Qt::ControlModifier);
    EXPECT_EQ(sound.indexes(), std::vector<int>{0});
}

TEST_F(TForm1Test, ListAreaShowsAndHides)
{
    EXPECT_EQ(window->height(), tezvan::TForm1::kCollapsedHeight);
    EXPECT_EQ(window->width(), 423);
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(window->height(), 360);
    QTest::keyClick(listBox(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(window->height(), 124);

    QWidget* kontroller = control<QWidget>("Kontroller");
    QTest::mouseDClick(kontroller, Qt::LeftButton, {}, QPoint(220, 60)); // empty area
    EXPECT_EQ(window->height(), 360);
    QTest::mouseDClick(note(3), Qt::LeftButton); // a control
    EXPECT_EQ(window->height(), 360);
    QTest::mouseDClick(kontroller, Qt::LeftButton, {}, QPoint(220, 60));
    EXPECT_EQ(window->height(), 124);
}

void enter(QWidget* w)
{
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(w, &e);
}

void leave(QWidget* w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

struct HoverRow : testing_support::NamedRow {
    int button;
    const char* hint;
};

class TForm1Hover : public WindowFixture, public ::testing::WithParamInterface<HoverRow> {};

TEST_P(TForm1Hover, ShowsTheButtonsKeyAndStyle)
{
    const HoverRow& r = GetParam();
    enter(note(r.button));
    EXPECT_EQ(note(r.button)->toolTip(), QString::fromUtf8(r.hint));
    EXPECT_TRUE(note(r.button)->font().bold());
    EXPECT_TRUE(note(r.button)->font().underline());
    leave(note(r.button));
    EXPECT_FALSE(note(r.button)->font().bold());
    EXPECT_FALSE(note(r.button)->font().underline());
}

INSTANTIATE_TEST_SUITE_P(Rows, TForm1Hover,
                         ::testing::Values(HoverRow{"N0", 0, "Kısayol -> 65"}, HoverRow{"N4", 4, "Kısayol -> 71"},
                                           HoverRow{"N9", 9, "Kısayol -> 186"}),
                         RowName());

TEST_F(TForm1Test, HoverShowsAReassignedKeyAndTheSaveButtonsColours)
{
    window->setNoteShortcut(0, 16449);
    enter(note(0));
    EXPECT_EQ(note(0)->toolTip(), QString::fromUtf8("Kısayol -> 16449"));

    auto* save = control<tezvan::FlatButton>("save");
    enter(save);
    EXPECT_EQ(save->fontColour(), QColor(0, 0, 255));
    EXPECT_TRUE(save->font().underline());
    EXPECT_TRUE(save->font().bold());
    leave(save);
    EXPECT_EQ(save->fontColour(), QColor(128, 128, 255));
    EXPECT_FALSE(save->font().underline());
}

struct CommandRow : testing_support::NamedRow {
    std::function<void(tezvan::TForm1*)> command;
};

class TForm1CommandsOpeningOtherWindows : public WindowFixture, public ::testing::WithParamInterface<CommandRow> {};

TEST_P(TForm1CommandsOpeningOtherWindows, EndTheRecordingFirst)
{
    tick(true);
    press(Qt::Key_A, 38);
    GetParam().command(window.get());
    EXPECT_FALSE(window->recorder().recording());
    EXPECT_EQ(status(), QString::fromUtf8("Kayıt İşlemi Tamamlandı"));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TForm1CommandsOpeningOtherWindows,
    ::testing::Values(CommandRow{"key assignment", [](tezvan::TForm1* w) { w->mnklavyeExecute(); }},
                      CommandRow{"help", [](tezvan::TForm1* w) { w->mnyardimExecute(); }},
                      CommandRow{"programmer's window", [](tezvan::TForm1* w) { w->mnbenExecute(); }},
                      CommandRow{"the bilgi picture", [](tezvan::TForm1* w) { w->bilgiClick(); }}),
    RowName());

TEST_F(TForm1Test, CountLabelGrowsWithItsText)
{
    QStringList entries, lines;
    for (int i = 0; i < 123456; ++i) {
        entries << QStringLiteral("00=0");
        lines << QStringLiteral("DO-K (00)");
    }
    window->noteLists().replaceAll(entries, lines);
    QLabel* label = control<QLabel>("Label5");
    EXPECT_EQ(label->text(), QString::fromUtf8("Toplam Nota Sayısı : 123456"));
    EXPECT_GE(label->width(), label->sizeHint().width());
    EXPECT_EQ(label->height(), 13);
}

struct PlaceRow : testing_support::NamedRow {
    QRect geometry;
};

class TForm1Controls : public WindowFixture, public ::testing::WithParamInterface<PlaceRow> {};

TEST_P(TForm1Controls, SitAtTheirDesignPlaces)
{
    EXPECT_EQ(control<QWidget>(GetParam().name)->geometry(), GetParam().geometry);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TForm1Controls,
    ::testing::Values(PlaceRow{"BaslikC", {0, 0, 421, 21}}, PlaceRow{"Kontroller", {0, 21, 421, 101}},
                      PlaceRow{"N0", {5, 7, 41, 33}}, PlaceRow{"N9", {374, 7, 41, 33}},
                      PlaceRow{"N10", {251, 40, 41, 33}}, PlaceRow{"N13", {374, 40, 41, 33}},
                      PlaceRow{"Panel3", {4, 49, 190, 48}}, PlaceRow{"PLAY_", {2, 2, 41, 20}},
                      PlaceRow{"save", {126, 2, 62, 20}}, PlaceRow{"DURUMM", {50, 26, 137, 20}},
                      PlaceRow{"oto_kayit", {199, 81, 107, 17}}, PlaceRow{"Label6", {0, 89, 421, 12}},
                      PlaceRow{"ListBox1", {8, 127, 404, 180}}, PlaceRow{"Label5", {8, 317, 116, 13}},
                      PlaceRow{"Simg", {380, 2, 19, 17}}, PlaceRow{"Kapt", {400, 2, 19, 17}}),
    RowName());

TEST_F(TForm1Test, CursorsAndWindowFlagsAreTheDesigns)
{
    EXPECT_FALSE(control<QWidget>("PAUSE_")->isVisible());
    // Only note and transport buttons show the hand; the status line is no such button.
    for (const char* name : {"N0", "N13", "PLAY_", "PAUSE_", "save"})
        EXPECT_EQ(control<QWidget>(name)->cursor().shape(), Qt::PointingHandCursor) << name;
    EXPECT_EQ(control<QWidget>("DURUMM")->cursor().shape(), Qt::ArrowCursor);
    // The taskbar shows the application's title.
    EXPECT_EQ(window->windowTitle(), platform::applicationTitle());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
}

struct ShownRow : testing_support::NamedRow {
    bool expanded; // the list shown
    bool playing;
};

class TForm1ClickableControls : public WindowFixture, public ::testing::WithParamInterface<ShownRow> {};

// Nothing drawn over a control (a label, a panel) may swallow the clicks meant for it:
// with the list hidden and shown, idle and during playback (when PAUSE_ shows).
TEST_P(TForm1ClickableControls, OwnEveryPixelOfTheirs)
{
    const ShownRow& row = GetParam();
    load({QStringLiteral("00=100000"), QStringLiteral("01=0")});
    if (row.expanded)
        window->mnlisteExecute();
    if (row.playing)
        QTest::mouseClick(control<QWidget>("PLAY_"), Qt::LeftButton);
    ASSERT_EQ(window->height() > tezvan::TForm1::kCollapsedHeight, row.expanded);
    ASSERT_EQ(window->isPlaying(), row.playing);
    int checked = 0;
    for (QWidget* c : window->findChildren<QWidget*>()) {
        const bool clickable = qobject_cast<QAbstractButton*>(c) || qobject_cast<QAbstractItemView*>(c);
        if (!clickable || !c->isVisible())
            continue;
        ++checked;
        // The part of the control that lies inside the window.
        const QRect shown = QRect(placeOf(c, {0, 0}), c->size()).intersected(window->rect());
        int lost = 0;
        QString firstLoss;
        for (int y = shown.top(); y <= shown.bottom(); ++y) {
            for (int x = shown.left(); x <= shown.right(); ++x) {
                QWidget* hit = window->childAt(x, y);
                if (hit == c || c->isAncestorOf(hit))
                    continue;
                if (lost++ == 0)
                    firstLoss = QStringLiteral("%1 at %2,%3")
                                    .arg(hit ? hit->objectName() : QStringLiteral("-"))
                                    .arg(x)
                                    .arg(y);
            }
        }
        EXPECT_EQ(lost, 0) << qPrintable(c->objectName()) << " loses clicks to " << qPrintable(firstLoss);
    }
    EXPECT_GE(checked, 14 + 5 + 3 + 2);
}

INSTANTIATE_TEST_SUITE_P(Rows, TForm1ClickableControls,
                         ::testing::Values(ShownRow{"list hidden, idle", false, false},
                                           ShownRow{"list hidden, playing", false, true},
                                           ShownRow{"list shown, idle", true, false},
                                           ShownRow{"list shown, playing", true, true}),
                         RowName());

TEST_F(TForm1Test, TheLowerRowsOfTheBoxTheStatusAndStopRespond)
{
    // Clicked as a user would, on whatever lies at the place.
    auto* box = control<QCheckBox>("oto_kayit");
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect tickBox = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    clickAt(placeOf(box, {tickBox.center().x(), box->height() - 2}));
    EXPECT_TRUE(box->isChecked()) << "the lower half of the tick box";
    clickAt(placeOf(box, {box->width() / 2, box->height() - 3}));
    EXPECT_FALSE(box->isChecked()) << "the caption's lower row";

    tick(true);
    press(Qt::Key_A, 38);
    QWidget* status = control<QWidget>("DURUMM");
    clickAt(placeOf(status, {status->width() / 2, status->height() - 3}));
    EXPECT_EQ(this->status(), QString::fromUtf8("Kayıt İşlemi Tamamlandı"));

    load({QStringLiteral("00=100000")});
    QTest::mouseClick(control<QWidget>("PLAY_"), Qt::LeftButton);
    ASSERT_TRUE(window->isPlaying());
    QWidget* stop = control<QWidget>("PAUSE_");
    clickAt(placeOf(stop, {stop->width() / 2, stop->height() - 3}));
    EXPECT_FALSE(window->isPlaying());
}

// The list shown with twenty lines, and a click on a line as the mouse makes it.
class TForm1ListClicks : public WindowFixture {
public:
    void SetUp() override
    {
        WindowFixture::SetUp();
        QStringList entries;
        for (int i = 0; i < 20; ++i)
            entries << QStringLiteral("%1=0").arg(i % 14, 2, 10, QLatin1Char('0'));
        load(entries);
        window->mnlisteExecute();
    }

    void clickLine(int row)
    {
        QListView* list = listBox();
        const QRect r = list->visualRect(list->model()->index(row, 0));
        ASSERT_TRUE(list->viewport()->rect().contains(r.center())) << "line " << row << " is in view";
        clickAt(placeOf(list->viewport(), r.center()));
    }
};

struct ClickedLineRow : testing_support::NamedRow {
    int clickedBefore; // the line clicked before; -1: none
    int currentBefore; // the hidden list's index before the click
    int line;
};

class TForm1ClickedLine : public TForm1ListClicks, public ::testing::WithParamInterface<ClickedLineRow> {};

TEST_P(TForm1ClickedLine, BecomesTheCurrentEntry)
{
    const ClickedLineRow& r = GetParam();
    tezvan::NoteLists& lists = window->noteLists();
    if (r.clickedBefore >= 0)
        clickLine(r.clickedBefore);
    lists.setCurrentIndex(r.currentBefore);
    clickLine(r.line);
    EXPECT_EQ(lists.currentIndex(), r.line);
    EXPECT_EQ(selectedLine(), r.line);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TForm1ClickedLine,
    ::testing::Values(ClickedLineRow{"a first click", -1, -1, 3}, ClickedLineRow{"another line", 3, 3, 16},
                      ClickedLineRow{"the line already selected, after the hidden list moved on", 16, 0, 16},
                      ClickedLineRow{"the line already selected, hidden list unchanged", 16, 16, 16}),
    RowName());

TEST_F(TForm1ListClicks, TheKeyboardMovesBothListsToo)
{
    clickLine(16);
    QTest::keyClick(listBox(), Qt::Key_Up);
    EXPECT_EQ(window->noteLists().currentIndex(), 15);
    EXPECT_EQ(selectedLine(), 15);
}

TEST_F(TForm1Test, SwitchingToAnotherApplicationEndsTheRecording)
{
    tick(true);
    press(Qt::Key_A, 38);
    clock.advanceMs(300);
    // What the window system reports when the user activates another program's window.
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(window->recorder().recording());
    EXPECT_EQ(status(), QString::fromUtf8("İşlem Durduruldu..."));

    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(status(), QString::fromUtf8("İşlem Durduruldu..."));
    clock.advanceMs(300);
    press(Qt::Key_S, 39);
    EXPECT_EQ(window->noteLists().entries(), QStringList({QStringLiteral("00=0"), QStringLiteral("01=0")}));
}

} // namespace
