// The windows' chrome as a user meets it: F12 in each window, the caption bar following
// the application's focus, the menu's hint click, and the help and programmer's windows
// with what they open.
#include "WindowFixture.h"
#include "support/FakeShell.h"
#include "support/NearColour.h"
#include "support/RowName.h"

#include "tezvan/windows/HelpText.h"
#include "tezvan/windows/TForm3.h"
#include "tezvan/windows/Tprogramci.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStatusTipEvent>
#include <algorithm>
#include <array>

namespace {

using testing_support::RowName;
using testing_support::WindowFixture;

class TForm1Chrome : public WindowFixture {
public:
    void SetUp() override
    {
        WindowFixture::SetUp();
        help = new tezvan::TForm3(window.get());
        programmer = new tezvan::Tprogramci(shell, window.get());
        window->setHelpWindow(help);
        window->setProgrammerWindow(programmer);
        window->setShell(shell);
    }
    QColor captionBar() const { return control<QWidget>("BaslikC")->palette().color(QPalette::Window); }

    testing_support::FakeShell shell;
    tezvan::TForm3* help = nullptr; // owned by the main window
    tezvan::Tprogramci* programmer = nullptr;
};

struct F12Row : testing_support::NamedRow {
    std::function<QWidget*(TForm1Chrome&)> focus; // where the key is pressed, the window open
    bool mainMinimised;
    bool programmerShown;
};

class TForm1F12 : public TForm1Chrome, public ::testing::WithParamInterface<F12Row> {};

TEST_P(TForm1F12, MinimisesTheApplicationButOnlyHidesTheProgrammersWindow)
{
    const F12Row& r = GetParam();
    tick(true);
    press(Qt::Key_A, 38);
    QWidget* target = r.focus(*this);
    QApplication::setActiveWindow(target->window());
    target->setFocus();
    QTest::keyClick(target, Qt::Key_F12);
    EXPECT_EQ(window->isMinimized(), r.mainMinimised);
    EXPECT_EQ(programmer->isVisible(), r.programmerShown);
    EXPECT_EQ(window->recorder().recording(), !r.mainMinimised) << "minimising ends the recording";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TForm1F12,
    ::testing::Values(F12Row{"main window", [](TForm1Chrome& t) -> QWidget* { return t.listBox(); }, true, false},
                      F12Row{"help window",
                             [](TForm1Chrome& t) -> QWidget* {
                                 t.help->show();
                                 return t.help->findChild<QWidget*>(QStringLiteral("Memo1"));
                             },
                             true, false},
                      F12Row{"programmer's window",
                             [](TForm1Chrome& t) -> QWidget* {
                                 t.programmer->show();
                                 return t.programmer->findChild<QWidget*>(QStringLiteral("WebButton2"));
                             },
                             false, false}),
    RowName());

// Under a real window manager: the test's _x11 variant runs on a private display with openbox.
TEST_F(TForm1Chrome, MinimisingTakesTheWholeProgramAndTheTaskbarBringsItBack)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")
        || qEnvironmentVariableIsEmpty("TEZVAN_WINDOW_MANAGER"))
        GTEST_SKIP() << "needs an X display with a window manager (tests/support/under_window_manager.sh)";
    control<QAction>("mnyardim")->trigger();
    control<QAction>("mnben")->trigger();
    const std::array<QWidget*, 3> all = {window.get(), help, programmer};
    for (QWidget* w : all)
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w, 30000)) << w->objectName().toStdString();
    QTest::mouseClick(control("Simg"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::ranges::all_of(all, &QWidget::isMinimized); }, 30000))
        << "help " << help->isMinimized() << ", programmer's " << programmer->isMinimized();
    // What a taskbar asks when its button is clicked.
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("windowactivate"), QString::number(window->winId())});
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::ranges::none_of(all, &QWidget::isMinimized); }, 30000));
}

TEST_F(TForm1Chrome, TheCaptionBarFollowsTheFocusAndLosingItEndsTheRecording)
{
    tick(true);
    press(Qt::Key_A, 38);
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(captionBar(), QColor(128, 128, 128));
    EXPECT_FALSE(window->recorder().recording());
    EXPECT_EQ(status(), QString::fromUtf8("İşlem Durduruldu..."));
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(captionBar(), QColor(0, 128, 255));
    EXPECT_FALSE(window->recorder().recording());
}

TEST_F(TForm1Chrome, EveryMenuEntryReachedClicksOtherHintsAreSilent)
{
    QMenu menu(window.get());
    QAction* rollUp = control<QAction>("mnbk");
    QAction* zoom = control<QAction>("mn80");
    menu.addAction(rollUp);
    menu.addAction(zoom);
    menu.popup(window->mapToGlobal(QPoint(20, 40)));
    menu.setActiveAction(rollUp);
    menu.setActiveAction(zoom);
    menu.setActiveAction(rollUp);
    menu.close();
    EXPECT_EQ(sound.indexes(), (std::vector<int>{14, 14, 14}));

    // A control's own hint reaches the window as well, and sounds nothing.
    QStatusTipEvent closeHint(QStringLiteral("Kapat"));
    QApplication::sendEvent(control<QWidget>("Kapt"), &closeHint);
    EXPECT_EQ(sound.played.size(), 3u);
}

struct OpenRow : testing_support::NamedRow {
    std::function<void(TForm1Chrome&)> open;
    bool programmersWindow; // else help
    std::vector<int> played;
};

class TForm1OpensAWindow : public TForm1Chrome, public ::testing::WithParamInterface<OpenRow> {};

TEST_P(TForm1OpensAWindow, WithoutBlockingOnceHowOftenItIsAskedAndItsCloseButtonHidesIt)
{
    const OpenRow& r = GetParam();
    QWidget* w = r.programmersWindow ? static_cast<QWidget*>(programmer) : help;
    tick(true);
    press(Qt::Key_A, 38);
    sound.played.clear();
    r.open(*this);
    EXPECT_FALSE(window->recorder().recording());
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());
    const QPoint placed = w->pos();
    r.open(*this);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->pos(), placed);
    EXPECT_EQ(sound.indexes(), r.played);
    QTest::mouseClick(w->findChild<QWidget*>(QStringLiteral("Kapt")), Qt::LeftButton);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TForm1OpensAWindow,
    ::testing::Values(
        OpenRow{"help by F1", [](TForm1Chrome& t) { QTest::keyClick(t.listBox(), Qt::Key_F1); }, false, {}},
        OpenRow{"programmer's window by the command",
                [](TForm1Chrome& t) { t.control<QAction>("mnben")->trigger(); },
                true,
                {15, 15}},
        OpenRow{"programmer's window by the caption bar's icon",
                [](TForm1Chrome& t) { QTest::mouseClick(t.control<QWidget>("bilgi"), Qt::LeftButton); },
                true,
                {15, 15}}),
    RowName());

TEST_F(TForm1Chrome, TheAddressesOpenInTheShell)
{
    control<QAction>("mnyenisurum")->trigger();
    programmer->show();
    for (const char* button : {"WebButton1", "WebButton2", "WebButton3", "MailButton"})
        QTest::mouseClick(programmer->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    std::vector<QUrl> expected{tezvan::TForm1::newVersionAddress()};
    for (const QUrl& page : tezvan::Tprogramci::webPages())
        expected.push_back(page);
    expected.push_back(tezvan::Tprogramci::mailAddress());
    EXPECT_EQ(shell.opened, expected);
    EXPECT_EQ(expected.back().scheme(), QStringLiteral("mailto"));
    for (const QUrl& u : expected)
        EXPECT_TRUE(u.host().endsWith(QStringLiteral("example.org"))
                    || u.path().endsWith(QStringLiteral("@example.org")))
            << u.toString().toStdString();
}

TEST_F(TForm1Chrome, TheOtherWindowsKeepTheirLooksWhenTheMainWindowChangesItsOwn)
{
    QWidget* memo = help->findChild<QWidget*>(QStringLiteral("Memo1"));
    QWidget* bar = programmer->findChild<QWidget*>(QStringLiteral("Panel2"));
    QWidget* button = programmer->findChild<QWidget*>(QStringLiteral("WebButton1"));
    const QRect memoPlace = memo->geometry();
    const QColor barColour = bar->palette().color(QPalette::Window);
    const QColor buttonColour = button->palette().color(QPalette::Button);
    const int memoFont = memo->font().pixelSize();

    dialogs.colours = {QColor(255, 0, 0), QColor(255, 0, 0)};
    control<QAction>("mkileti")->trigger();
    control<QAction>("mnbuton_z")->trigger();
    control<QAction>("mn200")->trigger();

    EXPECT_EQ(memo->geometry(), memoPlace);
    EXPECT_EQ(memo->font().pixelSize(), memoFont);
    EXPECT_EQ(bar->palette().color(QPalette::Window), barColour);
    EXPECT_EQ(button->palette().color(QPalette::Button), buttonColour);
    EXPECT_EQ(control<QWidget>("Panel2")->palette().color(QPalette::Window), QColor(255, 0, 0));
}

TEST_F(TForm1Chrome, TheHelpTextTellsTheNoteCodesAsTheProgramHasThem)
{
    const QString text = help->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
    EXPECT_EQ(text, tezvan::helpText());
    ASSERT_TRUE(text.endsWith(QLatin1Char('\n')));
    const QStringList lines = text.chopped(1).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.size(), 55);
    for (const tezvan::Note& n : tezvan::noteCatalogue()) {
        const QString prefix = n.code() + QStringLiteral(" -> ");
        const auto line =
            std::find_if(lines.begin(), lines.end(), [&](const QString& l) { return l.startsWith(prefix); });
        ASSERT_NE(line, lines.end()) << n.number;
        EXPECT_TRUE(line->contains(n.captionText())) << line->toStdString();
    }
}

TEST_F(TForm1Chrome, TheProgrammersPictureIsOursDecoded)
{
    const QLabel* picture = programmer->findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_NE(picture, nullptr);
    const QImage image = picture->pixmap().toImage();
    ASSERT_EQ(image.size(), QSize(224, 223));
    // The sun our artwork tool draws in one flat colour.
    EXPECT_TRUE(testing_support::nearColour(image.pixel(52, 50), QColor(238, 186, 64), 12))
        << std::hex << image.pixel(52, 50);
}

} // namespace
