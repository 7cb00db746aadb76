// The main window's looks as a user changes them: the colour commands with the colour
// dialog, the default scheme, settings kept from one run to the next, the zoom levels,
// the list area's heights and the roll-up.
#include "WindowFixture.h"
#include "support/RowName.h"

#include "tezvan/core/ZoomLevels.h"

#include <QAction>
#include <QFile>
#include <QMap>
#include <functional>

namespace {

using testing_support::RowName;
using testing_support::WindowFixture;
using tezvan::ColourSetting;

class TForm1Appearance : public WindowFixture {
public:
    void act(const char* name) { control<QAction>(name)->trigger(); }
    // The program ends and starts again on the same settings.
    void restart()
    {
        ASSERT_TRUE(window->close());
        window = std::make_unique<tezvan::TForm1>(sound, clock, dialogs);
        window->FormCreate({});
        window->show();
    }
    QColor background(const char* name) const { return control<QWidget>(name)->palette().color(QPalette::Window); }
    QString zoomLabel() const { return control<QLabel>("Label6")->text(); }
    QRect geometryOf(const char* name) const { return control<QWidget>(name)->geometry(); }
    void writeSettings(const char* ini)
    {
        QFile f(settingsFolder.filePath(QStringLiteral("TezvanAyar.ini")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(ini);
    }
};

const QColor kRed(255, 0, 0);

TEST_F(TForm1Appearance, AChosenButtonColourAndTheStepComeBackAtTheNextStartTheTransportKeepsItsColour)
{
    dialogs.colours = {kRed};
    act("mnbuton_z");
    ASSERT_EQ(dialogs.colourPresets.size(), 1u);
    EXPECT_EQ(dialogs.colourPresets[0], QColor(209, 209, 194));
    ASSERT_EQ(dialogs.customColours.size(), 16);
    EXPECT_EQ(dialogs.customColours.first(), QColor(209, 209, 194));
    EXPECT_EQ(dialogs.customColours.at(8), QColor(194, 190, 22));
    EXPECT_EQ(dialogs.customColours.last(), QColor(68, 135, 142));
    window->setArtirma(37);

    restart();
    EXPECT_EQ(window->artirma(), 37);
    EXPECT_TRUE(control<QAction>("mnt1")->text().endsWith(QStringLiteral("+ 37")));
    for (int k = 0; k < tezvan::kNoteCount; ++k)
        EXPECT_EQ(note(k)->colour(), kRed) << k;
    for (const char* name : {"PLAY_", "new", "open", "save", "PAUSE_"}) {
        EXPECT_EQ(control<tezvan::FlatButton>(name)->colour(), QColor(235, 234, 225)) << name;
        EXPECT_EQ(control<tezvan::FlatButton>(name)->fontColour(), QColor(128, 128, 255)) << name;
    }
    EXPECT_EQ(window->appearance().colours[std::size_t(ColourSetting::Button)], 255u);
}

struct ColourRow : testing_support::NamedRow {
    const char* action;
    ColourSetting setting;
    std::function<QColor(const TForm1Appearance&)> shown; // where the user sees the colour
};

class TForm1ColourCommands : public TForm1Appearance, public ::testing::WithParamInterface<ColourRow> {};

TEST_P(TForm1ColourCommands, PresetTheDialogAndApplyItsAnswerCancelKeepsTheColour)
{
    const ColourRow& r = GetParam();
    const quint32 before = window->appearance().colours[std::size_t(r.setting)];
    const QColor beforeShown = r.shown(*this);
    tick(true);
    press(Qt::Key_A, 38);

    dialogs.colours = {std::nullopt, QColor(10, 20, 30)};
    act(r.action);
    EXPECT_FALSE(window->recorder().recording()) << "the recording ends first";
    EXPECT_EQ(dialogs.colourPresets.at(0), beforeShown);
    EXPECT_EQ(window->appearance().colours[std::size_t(r.setting)], before) << "a cancel changes nothing";
    EXPECT_EQ(r.shown(*this), beforeShown);

    act(r.action);
    EXPECT_EQ(window->appearance().colours[std::size_t(r.setting)], 10u + 20u * 256 + 30u * 65536);
    EXPECT_EQ(r.shown(*this), QColor(10, 20, 30));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TForm1ColourCommands,
    ::testing::Values(
        ColourRow{"frame", "mnkenar", ColourSetting::Frame,
                  [](const TForm1Appearance& t) { return QColor(t.window->grab().toImage().pixel(0, 60)); }},
        ColourRow{"message panels", "mkileti", ColourSetting::Message,
                  [](const TForm1Appearance& t) { return t.background("Panel2"); }},
        ColourRow{"control panel", "mnzemin", ColourSetting::Background,
                  [](const TForm1Appearance& t) { return t.background("Kontroller"); }},
        ColourRow{"button text", "mnbuton_y", ColourSetting::ButtonText,
                  [](const TForm1Appearance& t) { return t.note(13)->fontColour(); }},
        ColourRow{"buttons", "mnbuton_z", ColourSetting::Button,
                  [](const TForm1Appearance& t) { return t.note(5)->colour(); }},
        ColourRow{"list", "mnlisterengi", ColourSetting::List,
                  [](const TForm1Appearance& t) { return t.listBox()->palette().color(QPalette::Base); }},
        ColourRow{"list text", "mnliste_yazi", ColourSetting::ListText,
                  [](const TForm1Appearance& t) { return t.listBox()->palette().color(QPalette::Text); }}),
    RowName());

TEST_F(TForm1Appearance, TheDefaultSchemeIsNotTheFirstRunLook)
{
    act("mnvarsayilan");
    const std::array<quint32, 7> expected = {16744448, 12436934, 12767697, 10841658, 12767697, 12436934, 0};
    EXPECT_EQ(window->appearance().colours, expected);
    EXPECT_EQ(listBox()->palette().color(QPalette::Base), QColor(198, 197, 189));
    EXPECT_EQ(QColor(window->grab().toImage().pixel(0, 60)), QColor(0, 128, 255));
}

TEST_F(TForm1Appearance, ABadStoredColourIsReportedAndStopsOnlyTheColoursAfterIt)
{
    writeSettings("[General]\nkc=clRed\nzr=clYellow\nlz=mavi\nly=clWhite\nbz=clRed\nartirma=20\nGorunum=80\n");
    window = std::make_unique<tezvan::TForm1>(sound, clock, dialogs);
    window->FormCreate({});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("'mavi' is not a valid integer value."));
    EXPECT_EQ(dialogs.shown[0].icon, platform::Dialogs::Icon::Stop);
    window->show();
    EXPECT_EQ(background("Kontroller"), QColor(255, 255, 0));
    EXPECT_EQ(note(0)->colour(), QColor(209, 209, 194)) << "applied after the bad one: not applied";
    EXPECT_EQ(window->artirma(), 20);
    EXPECT_EQ(zoomLabel(), QStringLiteral("%80"));
}

TEST_F(TForm1Appearance, ASettingOfAnotherKindFailsTheReadAndNothingIsApplied)
{
    writeSettings("[General]\nkc=clRed\nbz=1, 2\nGorunum=80\n");
    window = std::make_unique<tezvan::TForm1>(sound, clock, dialogs);
    window->FormCreate({});
    window->show();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].icon, platform::Dialogs::Icon::Stop);
    EXPECT_EQ(window->appearance().colours[std::size_t(ColourSetting::Frame)], 16749886u);
    EXPECT_EQ(window->zoomLevel(), 0);
}

TEST_F(TForm1Appearance, AStoreThatCannotBeWrittenIsReportedOnce)
{
    // A folder where the settings file should be: the store cannot be written.
    ASSERT_TRUE(QDir(settingsFolder.path()).mkdir(QStringLiteral("TezvanAyar.ini")));
    tick(true);
    press(Qt::Key_A, 38);
    dialogs.answers = {false};
    EXPECT_FALSE(window->close()); // the recording question answered No; the settings are still written
    EXPECT_TRUE(window->close());
    std::vector<QString> errors;
    for (const auto& s : dialogs.shown)
        if (s.icon == platform::Dialogs::Icon::Stop)
            errors.push_back(s.text);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].startsWith(QString::fromUtf8("Ayarlar kaydedilemedi: "))) << errors[0].toStdString();
}

TEST_F(TForm1Appearance, ZoomReturnsTo100BeforeTheNewLevelAndTheLevelIsKept)
{
    act("mn150");
    EXPECT_EQ(zoomLabel(), QStringLiteral("%150"));
    EXPECT_EQ(geometryOf("N0"), tezvan::scaledRect(QRect(5, 7, 41, 33), 150));
    act("mn80");
    EXPECT_EQ(zoomLabel(), QStringLiteral("%80"));
    EXPECT_EQ(geometryOf("N0"), QRect(4, 6, 33, 26));
    EXPECT_EQ(geometryOf("N13"), tezvan::scaledRect(QRect(374, 40, 41, 33), 80));
    EXPECT_EQ(note(0)->font().pixelSize(), 9);
    EXPECT_EQ(window->size(), QSize(339, 100));

    restart();
    EXPECT_EQ(window->zoomLevel(), 80);
    EXPECT_EQ(zoomLabel(), QStringLiteral("%80"));
    EXPECT_EQ(geometryOf("N0"), QRect(4, 6, 33, 26));
    EXPECT_EQ(window->size(), QSize(339, 100));
    // Shown again, the change panel goes to the top of the client area at the level.
    window->hide();
    window->show();
    EXPECT_EQ(geometryOf("Panel1"), tezvan::scaledRect(QRect(86, 1, 265, 122), 80));
}

TEST_F(TForm1Appearance, TheInfoMarkIsCentredAt200Percent)
{
    act("mn200");
    const QImage icon = control("bilgi")->grab().toImage();
    // The blue "i" inside the white disc (the bar around the disc is blue too).
    const QPointF centre = QRectF(icon.rect()).center();
    QRectF mark;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (icon.pixelColor(x, y).red() < 160 && std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y()) < 12)
                mark |= QRectF(x, y, 1, 1);
    EXPECT_LE(std::abs(mark.center().x() - centre.x()), 0.5);
    EXPECT_LE(std::abs(mark.center().y() - centre.y()), 2);
}

TEST_F(TForm1Appearance, TheZoomKeysAreCtrlAndTheKeypadWhateverNumLockSays)
{
    // Keypad 6 by its xkb key code; with Num Lock off the keyboard calls it Right.
    press(Qt::Key_Right, 85, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(zoomLabel(), QStringLiteral("%150"));
    press(Qt::Key_3, 89, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(zoomLabel(), QStringLiteral("%100"));
    EXPECT_EQ(control<QAction>("mn200")->shortcut(),
              QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_7)));
}

struct HeightRow : testing_support::NamedRow {
    const char* action;
    int collapsed;
    int expanded;
};

class TForm1ListHeights : public TForm1Appearance, public ::testing::WithParamInterface<HeightRow> {};

TEST_P(TForm1ListHeights, AtEveryLevel)
{
    const HeightRow& r = GetParam();
    act(r.action);
    EXPECT_EQ(window->height(), r.collapsed);
    act("mnliste");
    EXPECT_EQ(window->height(), r.expanded);
    act("mnliste");
    EXPECT_EQ(window->height(), r.collapsed);
    // Shown at 100 % and then zoomed, the list keeps the level's height.
    act("mn100");
    act("mnliste");
    act(r.action);
    EXPECT_EQ(window->height(), r.expanded);
    // A hundred lines outgrow seven columns at every level: the list scrolls sideways.
    load(QStringList(100, QStringLiteral("00=0")));
    EXPECT_EQ(listBox()->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

INSTANTIATE_TEST_SUITE_P(Rows, TForm1ListHeights,
                         ::testing::Values(HeightRow{"80", "mn80", 100, 291}, HeightRow{"90", "mn90", 112, 324},
                                           HeightRow{"100", "mn100", 124, 360}, HeightRow{"110", "mn110", 136, 396},
                                           HeightRow{"125", "mn125", 155, 450}, HeightRow{"150", "mn150", 185, 539},
                                           HeightRow{"200", "mn200", 246, 718}),
                         RowName());

// Every named control's place and font size, and the window's size.
QMap<QString, QPair<QRect, int>> layoutOf(const tezvan::TForm1& w)
{
    QMap<QString, QPair<QRect, int>> out;
    out.insert(QStringLiteral("window"), {w.geometry(), w.font().pixelSize()});
    for (const QWidget* c : w.findChildren<QWidget*>())
        if (!c->objectName().isEmpty())
            out.insert(c->objectName(), {c->geometry(), c->font().pixelSize()});
    return out;
}

TEST_F(TForm1Appearance, AHundredZoomChangesEndAtThe100PercentGeometry)
{
    const auto at100 = layoutOf(*window);
    const char* const levels[] = {"mn80", "mn90", "mn110", "mn125", "mn150", "mn200"};
    for (int i = 0; i < 100; ++i)
        act(levels[(i * 7) % 6]);
    act("mn100");
    EXPECT_EQ(layoutOf(*window), at100);
    EXPECT_EQ(zoomLabel(), QStringLiteral("%100"));
}

TEST_F(TForm1Appearance, RollUpWorksAt100PercentOnly)
{
    QWidget* bar = control<QWidget>("BaslikC");
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_EQ(window->height(), 24);
    act("mnbk");
    EXPECT_EQ(window->height(), 124);

    act("mnliste");
    act("mnbk");
    EXPECT_EQ(window->height(), 24);
    act("mnliste"); // a rolled-up window opens to the full height
    EXPECT_EQ(window->height(), 360);

    act("mn125");
    const QSize at125 = window->size();
    act("mnbk");
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_EQ(window->size(), at125);
}

TEST_F(TForm1Appearance, OneHundredPercentAt100PercentOnlySetsTheLabel)
{
    const auto before = layoutOf(*window);
    control<QLabel>("Label6")->setText(QStringLiteral("x"));
    act("mn100");
    EXPECT_EQ(zoomLabel(), QStringLiteral("%100"));
    EXPECT_EQ(layoutOf(*window), before);
}

} // namespace
