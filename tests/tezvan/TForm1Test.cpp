// The main window driven by keys and clicks: recording, the status button, closing,
// the note keys wherever the focus is, the list area and the hover texts.
#include "WindowFixture.h"

#include "tezvan/core/Recorder.h"

#include <QEnterEvent>
#include <functional>
#include <QMouseEvent>
#include <QTest>

namespace {

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

TEST_F(TForm1Test, StatusButtonInItsThreeCases)
{
    struct Row {
        const char* name;
        bool ticked;
        bool recordFirst;
        const char* status;
        bool markStays;
    };
    const Row rows[] = {
        {"box cleared: free, mark gone", false, false, "Serbest...(Kayıt Yok)", false},
        {"box ticked while recording: completed, mark gone", true, true, "Kayıt İşlemi Tamamlandı", false},
        {"box ticked, not recording: nothing changes", true, false, "Serbest...(Kayıt Yok)", true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SetUp();
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
}

TEST_F(TForm1Test, ClosingWhileRecordingAsksAndAlwaysEndsTheRecording)
{
    struct Row {
        const char* name;
        bool record;
        std::deque<bool> answers;
        bool asked;
        bool closed;
    };
    const Row rows[] = {
        {"recording, answered No: stays open", true, {false}, true, false},
        {"recording, answered Yes: closes", true, {true}, true, true},
        {"not recording: closes without asking", false, {}, false, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SetUp();
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
            EXPECT_EQ(dialogs.shown[0].text, QString::fromUtf8("Şu An Kayıt Modundasınız.\r\r"
                                                               "Çıkmak istediğinizden emin misiniz?"));
            EXPECT_EQ(dialogs.shown[0].icon, Icon::Warning);
            EXPECT_EQ(status(), QString::fromUtf8("Kayıt yapılıyor... DUR"));
        }
    }
    // After No, the next recorded note starts a new recording.
    SetUp();
    dialogs.answers = {false};
    tick(true);
    press(Qt::Key_A, 38);
    clock.advanceMs(300);
    window->close();
    clock.advanceMs(300);
    press(Qt::Key_S, 39);
    EXPECT_EQ(window->noteLists().entry(1), QStringLiteral("01=0"));
}

TEST_F(TForm1Test, TheKeyRightOfLIsThePhysicalKeyOnEveryLayout)
{
    struct Row {
        const char* name;
        int qtKey;
        quint32 scanCode;
        const char* text;
        std::vector<int> played;
    };
    const std::vector<Row> rows = {
        {"US layout: semicolon", Qt::Key_Semicolon, 47, ";", {9}},
        {"German layout: o umlaut", Qt::Key_Odiaeresis, 47, "ö", {9}},
        {"Turkish layout: S cedilla", 0x015E, 47, "ş", {9}},
        {"a semicolon typed on another key is no note", Qt::Key_Semicolon, 59, ";", {}},
        {"the L key", Qt::Key_L, 46, "l", {8}},
        {"no native code: the Qt key decides", Qt::Key_Semicolon, 0, ";", {9}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        sound.played.clear();
        press(r.qtKey, r.scanCode, Qt::NoModifier, nullptr, QString::fromUtf8(r.text));
        EXPECT_EQ(sound.indexes(), r.played);
    }
}

TEST_F(TForm1Test, NoteKeysWorkWhicheverControlHasTheFocus)
{
    tick(true);
    const char* targets[] = {"ListBox1", "oto_kayit", "PLAY_", "N5"};
    for (const char* t : targets) {
        SCOPED_TRACE(t);
        QWidget* w = control<QWidget>(t);
        w->setFocus();
        sound.played.clear();
        press(Qt::Key_H, 43, Qt::NoModifier, w, QStringLiteral("h"));
        EXPECT_EQ(sound.indexes(), std::vector<int>{5});
    }
    EXPECT_EQ(window->noteLists().count(), 4);
    // A reassigned key takes effect at once; the old one no longer sounds.
    window->setNoteShortcut(0, 0x4000 | 'A');
    sound.played.clear();
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
    QTest::mouseDClick(note(3), Qt::LeftButton);                      // a control
    EXPECT_EQ(window->height(), 360);
    QTest::mouseDClick(kontroller, Qt::LeftButton, {}, QPoint(220, 60));
    EXPECT_EQ(window->height(), 124);
}

TEST_F(TForm1Test, HoverShowsTheButtonsKeyAndStyle)
{
    auto enter = [](QWidget* w) {
        QEnterEvent e(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(w, &e);
    };
    auto leave = [](QWidget* w) {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    };
    struct Row {
        int button;
        const char* hint;
    };
    for (const Row& r : {Row{0, "Kısayol -> 65"}, Row{4, "Kısayol -> 71"}, Row{9, "Kısayol -> 186"}}) {
        SCOPED_TRACE(r.button);
        enter(note(r.button));
        EXPECT_EQ(note(r.button)->toolTip(), QString::fromUtf8(r.hint));
        EXPECT_TRUE(note(r.button)->font().bold());
        EXPECT_TRUE(note(r.button)->font().underline());
        leave(note(r.button));
        EXPECT_FALSE(note(r.button)->font().bold());
        EXPECT_FALSE(note(r.button)->font().underline());
    }
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

TEST_F(TForm1Test, CommandsOpeningOtherWindowsEndTheRecordingFirst)
{
    struct Row {
        const char* name;
        std::function<void(tezvan::TForm1*)> command;
    };
    const Row rows[] = {
        {"key assignment", [](tezvan::TForm1* w) { w->mnklavyeExecute(); }},
        {"help", [](tezvan::TForm1* w) { w->mnyardimExecute(); }},
        {"programmer's window", [](tezvan::TForm1* w) { w->mnbenExecute(); }},
        {"the bilgi picture", [](tezvan::TForm1* w) { w->bilgiClick(); }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SetUp();
        tick(true);
        press(Qt::Key_A, 38);
        r.command(window.get());
        EXPECT_FALSE(window->recorder().recording());
        EXPECT_EQ(status(), QString::fromUtf8("Kayıt İşlemi Tamamlandı"));
    }
}

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

TEST_F(TForm1Test, ControlsSitAtTheirDesignPlaces)
{
    struct Row {
        const char* name;
        QRect geometry;
    };
    const Row rows[] = {
        {"BaslikC", {0, 0, 421, 21}},     {"Kontroller", {0, 21, 421, 101}},
        {"N0", {5, 7, 41, 33}},           {"N9", {374, 7, 41, 33}},
        {"N10", {251, 40, 41, 33}},       {"N13", {374, 40, 41, 33}},
        {"Panel3", {4, 49, 190, 48}},     {"PLAY_", {2, 2, 41, 20}},
        {"save", {126, 2, 62, 20}},       {"DURUMM", {50, 26, 137, 20}},
        {"oto_kayit", {199, 81, 107, 17}}, {"Label6", {0, 89, 421, 12}},
        {"ListBox1", {8, 127, 404, 180}}, {"Label5", {8, 317, 116, 13}},
        {"Simg", {380, 2, 19, 17}},       {"Kapt", {400, 2, 19, 17}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(control<QWidget>(r.name)->geometry(), r.geometry);
    }
    EXPECT_FALSE(control<QWidget>("PAUSE_")->isVisible());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
}

} // namespace
