// Editing a take in the main window, driven as the user drives it: lines clicked in the
// list, the change panel's drop-down list picked and its buttons clicked, the commands run,
// boxes answered; then the two lists, the count label and the sound.
#include "WindowFixture.h"
#include "support/RowName.h"

#include "tezvan/core/NoteFile.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>

namespace {

using testing_support::FakeDialogs;
using testing_support::RowName;
using testing_support::WindowFixture;
using Icon = platform::Dialogs::Icon;

QStringList texts(std::initializer_list<const char*> utf8)
{
    QStringList out;
    for (const char* s : utf8)
        out << QString::fromUtf8(s);
    return out;
}

class EditingTest : public WindowFixture {
public:
    void SetUp() override
    {
        WindowFixture::SetUp();
        window->mnlisteExecute(); // the list in view, to click its lines
    }
    // A take as Open leaves it: the entries and their visible lines.
    void take(const QStringList& entries)
    {
        window->noteLists().replaceAll(entries, tezvan::visibleLinesOf(entries));
    }
    void run(const char* action) { control<QAction>(action)->trigger(); }
    void clickLine(int row)
    {
        QListView* list = listBox();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 0)).center());
    }
    // Picks item k of the drop-down list with the mouse, in its opened list.
    void pick(int k)
    {
        auto* box = control<QComboBox>("ComboBox1");
        box->showPopup();
        QAbstractItemView* items = box->view();
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {},
                          items->visualRect(items->model()->index(k, 0)).center());
    }
    void clickButton(const char* name) { testing_support::clickMiddle(control<QWidget>(name)); }
    QStringList entries() const { return window->noteLists().entries(); }
    QStringList lines() const { return window->noteLists().lines(); }
    bool panelUp() const { return control<QWidget>("Panel1")->isVisible(); }
};

struct PanelRow : testing_support::NamedRow {
    const char* command;
    int line; // the line clicked first; -1: none
    int item; // the new note picked
    const char* button;
    QStringList entries;
    QStringList lines;
    Qt::Key mnemonic = Qt::Key_unknown; // pressed with Alt instead of clicking the button
};

class EditingPanel : public EditingTest, public ::testing::WithParamInterface<PanelRow> {};

TEST_P(EditingPanel, ChangesOrInsertsThePickedNote)
{
    const PanelRow& r = GetParam();
    take({QStringLiteral("00=7"), QStringLiteral("05=1234"), QStringLiteral("ab")});
    if (r.line >= 0)
        clickLine(r.line);
    run(r.command);
    ASSERT_TRUE(panelUp());
    QWidget* panel = control<QWidget>("Panel1");
    EXPECT_EQ(panel->geometry(), QRect(86, 1, 265, 122));
    EXPECT_TRUE(panel->isAncestorOf(window->childAt(placeOf(panel, {130, 40})))) << "above everything";
    EXPECT_FALSE(control<QWidget>("Kontroller")->isEnabled());
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), 0);
    if (r.line >= 0) {
        EXPECT_EQ(control<QLabel>("Label4")->text(), lines().at(r.line));
    }
    const bool inserting = QByteArray(r.command) == "mnarayaekle";
    EXPECT_EQ(control<QLabel>("Label2")->text(), QString::fromUtf8(inserting ? "Sonraki Nota:" : "Değişecek Nota:"));

    // While it is up, nothing else changes the lists: no note key, no command, no menu.
    tick(true);
    press(Qt::Key_A, 38);
    run("mnsil");
    run("mngerial");
    QContextMenuEvent menu(QContextMenuEvent::Mouse, {5, 5}, {5, 5});
    EXPECT_TRUE(QApplication::sendEvent(control<QWidget>("ComboBox1"), &menu) && menu.isAccepted());
    EXPECT_EQ(entries().size(), 3);
    EXPECT_TRUE(sound.played.empty());

    pick(r.item);
    clickButton("SpeedButton1"); // the picked note
    clickButton("SpeedButton4"); // the line's note, when it names one
    if (r.mnemonic == Qt::Key_unknown)
        clickButton(r.button);
    else // as the keyboard sends it to the control with the focus; the button clicks a moment later
        QTest::keyClick(testing_support::focusedIn(window.get()), r.mnemonic, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !panelUp(); }));
    EXPECT_TRUE(control<QWidget>("Kontroller")->isEnabled());
    EXPECT_EQ(entries(), r.entries);
    EXPECT_EQ(lines(), r.lines);
    EXPECT_EQ(countLabel(), tezvan::noteCountText(int(r.entries.size())));
    std::vector<int> heard{r.item};
    if (r.line == 1)
        heard.push_back(5);
    EXPECT_EQ(sound.indexes(), heard);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EditingPanel,
    ::testing::Values(PanelRow{"change keeps the time", "mndegistir", 1, 10, "SpeedButton2",
                               texts({"00=7", "10=1234", "ab"}), texts({"DO-K (00)", "SOL- (10)", "ab"})},
                      PanelRow{"cancel changes nothing", "mndegistir", 1, 10, "SpeedButton3",
                               texts({"00=7", "05=1234", "ab"}), texts({"DO-K (00)", "LA (05)", "ab"})},
                      PanelRow{"a line that is no note entry", "mndegistir", 2, 3, "SpeedButton2",
                               texts({"00=7", "05=1234", "03"}), texts({"DO-K (00)", "LA (05)", "FA (03)"})},
                      PanelRow{"insert before the selected line", "mnarayaekle", 1, 13, "SpeedButton2",
                               texts({"00=7", "13=0", "05=1234", "ab"}),
                               texts({"DO-K (00)", "BİTİŞ (13)", "LA (05)", "ab"})},
                      PanelRow{"insert with no line selected goes at the end", "mnarayaekle", -1, 2, "SpeedButton2",
                               texts({"00=7", "05=1234", "ab", "02=0"}),
                               texts({"DO-K (00)", "LA (05)", "ab", "Mİ (02)"})},
                      PanelRow{"insert by its key, Alt+K", "mnarayaekle", 1, 13, "SpeedButton2",
                               texts({"00=7", "13=0", "05=1234", "ab"}),
                               texts({"DO-K (00)", "BİTİŞ (13)", "LA (05)", "ab"}), Qt::Key_K}),
    RowName());

// The commands' refusals: each box, and whether the window was brought to rest (playback
// stopped, recording ended, the last-note mark cleared) before it showed.
struct RefusalRow : testing_support::NamedRow {
    const char* command;
    bool emptyList;
    bool playing; // a long first wait runs, no line selected
    const char* text;
    Icon icon;
    bool restedFirst;
};

class EditingRefusal : public EditingTest, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(EditingRefusal, TellsInABoxTitledHata)
{
    const RefusalRow& r = GetParam();
    if (!r.emptyList)
        take({QStringLiteral("03=300"), QStringLiteral("05=0")});
    if (r.playing)
        window->PLAY_Click();
    else
        press(Qt::Key_A, 38); // a free note: its mark is on
    const QStringList before = entries();
    bool restedAtBox = false;
    dialogs.whenShown = [&](const FakeDialogs::Shown&) { restedAtBox = !window->isPlaying() && !note(0)->raised(); };
    run(r.command);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Hata"));
    EXPECT_EQ(dialogs.shown[0].text, QString::fromUtf8(r.text));
    EXPECT_EQ(dialogs.shown[0].icon, r.icon);
    EXPECT_EQ(restedAtBox, r.restedFirst);
    EXPECT_EQ(entries(), before);
    EXPECT_FALSE(panelUp());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EditingRefusal,
    ::testing::Values(RefusalRow{"change, empty list", "mndegistir", true, false,
                                 "Listede Değiştirilecek Nota Bulunamadı...", Icon::Stop, false},
                      RefusalRow{"change, none selected, during playback", "mndegistir", false, true,
                                 "Seçili Nota Bulunamadı...", Icon::Stop, true},
                      RefusalRow{"delete, empty list", "mnsil", true, false, "Listede Hiçbir Nota Bulunamadı...",
                                 Icon::Warning, false},
                      RefusalRow{"delete, none selected", "mnsil", false, true, "Silinecek Notayı Seçmelisiniz...",
                                 Icon::Stop, false},
                      RefusalRow{"all up, empty list", "mnt1", true, false,
                                 "Listede Değiştirilecek Nota Bulunamadı...", Icon::Stop, false},
                      RefusalRow{"all down, empty list", "mnt2", true, false,
                                 "Listede Değiştirilecek Nota Bulunamadı...", Icon::Stop, false},
                      RefusalRow{"reset, empty list: rests first", "mntumsifirla", true, false,
                                 "Listede Değiştirilecek Nota Bulunamadı...", Icon::Stop, true},
                      RefusalRow{"one time up, empty list", "mn1", true, false,
                                 "Listede Değiştirilecek Nota Bulunamadı...", Icon::Stop, false},
                      RefusalRow{"one time down, none selected", "mn2", false, true, "Seçili Nota Bulunamadı...",
                                 Icon::Stop, true}),
    RowName());

// The commands that change times or remove an entry, on a take with the step 500.
struct TimesRow : testing_support::NamedRow {
    QStringList take;
    int line; // the line clicked first; -1: none
    const char* command;
    QStringList entries;
    const char* error; // the error box's text; nullptr: none
};

class EditingTimes : public EditingTest, public ::testing::WithParamInterface<TimesRow> {};

TEST_P(EditingTimes, ChangeTheEntriesAndKeepTheLines)
{
    const TimesRow& r = GetParam();
    take(r.take);
    const QStringList linesBefore = lines();
    if (r.line >= 0)
        clickLine(r.line);
    run(r.command);
    EXPECT_EQ(entries(), r.entries);
    if (r.entries.size() == r.take.size()) {
        EXPECT_EQ(lines(), linesBefore);
    }
    EXPECT_EQ(lines().size(), r.entries.size());
    EXPECT_EQ(listBox()->model()->rowCount(), r.entries.size());
    EXPECT_EQ(countLabel(), tezvan::noteCountText(int(r.entries.size())));
    if (r.error) {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].title, platform::applicationTitle());
        EXPECT_EQ(dialogs.shown[0].text, QString::fromUtf8(r.error));
        EXPECT_EQ(dialogs.shown[0].icon, Icon::Stop);
    } else {
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EditingTimes,
    ::testing::Values(
        TimesRow{"all down", texts({"03=300", "00=0", "07=501"}), -1, "mnt2", texts({"03=0", "00=0", "07=1"}),
                 nullptr},
        TimesRow{"all up", texts({"03=300", "13=2147483600"}), -1, "mnt1", texts({"03=800", "13=2147483647"}),
                 nullptr},
        TimesRow{"all up meets a time that is no number: nothing moves", texts({"03=300", "ab", "05=1"}), -1, "mnt1",
                 texts({"03=300", "ab", "05=1"}), "'' is not a valid integer value."},
        TimesRow{"reset, lines that are no note entries included", texts({"03=300", "x", "abcd"}), -1,
                 "mntumsifirla", texts({"03=0", "x0", "abc0"}), nullptr},
        TimesRow{"one time up", texts({"03=300", "05=1"}), 1, "mn1", texts({"03=300", "05=501"}), nullptr},
        TimesRow{"one time down stops at 0", texts({"03=300", "05=1"}), 0, "mn2", texts({"03=0", "05=1"}), nullptr},
        TimesRow{"one time that is no number", texts({"03=3a"}), 0, "mn1", texts({"03=3a"}),
                 "'3a' is not a valid integer value."},
        TimesRow{"delete the only entry", texts({"05=1234"}), 0, "mnsil", {}, nullptr},
        TimesRow{"delete a line that is no note entry", texts({"05=1", "zz", "06=2"}), 1, "mnsil",
                 texts({"05=1", "06=2"}), nullptr}),
    RowName());

struct StepRow : testing_support::NamedRow {
    std::optional<QString> answer; // nothing: cancel
    int step;
};

class EditingStep : public EditingTest, public ::testing::WithParamInterface<StepRow> {};

TEST_P(EditingStep, IsAskedForAndNamedInTheFourCaptions)
{
    const StepRow& r = GetParam();
    EXPECT_EQ(window->artirma(), 500);
    window->setArtirma(250);
    dialogs.inputs.push_back(r.answer);
    run("mnayarlar");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, FakeDialogs::Shown::Input);
    EXPECT_EQ(dialogs.shown[0].title, QString::fromUtf8("SABİT DEĞİŞİMİ"));
    EXPECT_EQ(dialogs.shown[0].text, QString::fromUtf8("Sabit Artırma-Azaltma Sayısını 1 - 1000 Arası Giriniz."));
    EXPECT_EQ(dialogs.shown[0].preset, QStringLiteral("250"));
    EXPECT_EQ(window->artirma(), r.step);
    const QString n = QString::number(r.step);
    EXPECT_EQ(control<QAction>("mn1")->text(), QStringLiteral("Zaman + ") + n);
    EXPECT_EQ(control<QAction>("mn2")->text(), QStringLiteral("Zaman - ") + n);
    EXPECT_EQ(control<QAction>("mnt1")->text(), QString::fromUtf8("Tüm Nota  + ") + n);
    EXPECT_EQ(control<QAction>("mnt2")->text(), QString::fromUtf8("Tüm Nota  - ") + n);
    take({QStringLiteral("03=300")});
    run("mnt1");
    EXPECT_EQ(entries(), QStringList(QStringLiteral("03=%1").arg(300 + r.step)));
}

INSTANTIATE_TEST_SUITE_P(Rows, EditingStep,
                         ::testing::Values(StepRow{"no number", QStringLiteral("abc"), 1},
                                           StepRow{"zero", QStringLiteral("0"), 1},
                                           StepRow{"negative", QStringLiteral("-5"), 1},
                                           StepRow{"above the largest", QStringLiteral("1001"), 1},
                                           StepRow{"the largest", QStringLiteral("1000"), 1000},
                                           StepRow{"cancelled", std::nullopt, 250}),
                         RowName());

// A take recorded and edited by every command, then undone step by step with Ctrl+Z and
// redone with Ctrl+Y and Ctrl+Shift+Z: each state comes back exactly, both lists and the count.
TEST_F(EditingTest, UndoAndRedoWalkBackAndForthThroughEveryChange)
{
    std::vector<std::pair<QStringList, QStringList>> states{{entries(), lines()}};
    const auto keep = [&] { states.emplace_back(entries(), lines()); };
    tick(true);
    press(Qt::Key_A, 38);
    keep();
    clock.advanceMs(451);
    press(Qt::Key_S, 39);
    keep();
    tick(false);
    clickLine(0);
    run("mndegistir");
    pick(10);
    clickButton("SpeedButton2");
    keep();
    run("mnt1");
    keep();
    clickLine(1);
    run("mnarayaekle");
    pick(13);
    clickButton("SpeedButton2");
    keep();
    run("mntumsifirla");
    keep();
    clickLine(0);
    run("mnsil");
    keep();
    run("mnayarlar"); // the step is no change of the take

    for (std::size_t i = states.size() - 1; i > 0; --i) {
        press(Qt::Key_Z, 52, Qt::ControlModifier);
        EXPECT_EQ(entries(), states[i - 1].first) << "back to state " << i - 1;
        EXPECT_EQ(lines(), states[i - 1].second) << "back to state " << i - 1;
        EXPECT_EQ(listBox()->model()->rowCount(), states[i - 1].second.size());
    }
    for (std::size_t i = 1; i < states.size(); ++i) {
        if (i % 2)
            press(Qt::Key_Y, 29, Qt::ControlModifier);
        else
            press(Qt::Key_Z, 52, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(entries(), states[i].first) << "forward to state " << i;
        EXPECT_EQ(lines(), states[i].second) << "forward to state " << i;
    }
    EXPECT_EQ(countLabel(), tezvan::noteCountText(int(states.back().first.size())));

    dialogs.answers.push_back(true);
    control<tezvan::FlatButton>("new")->click();
    press(Qt::Key_Z, 52, Qt::ControlModifier);
    EXPECT_TRUE(entries().isEmpty()) << "a new take has nothing to undo";
}

TEST_F(EditingTest, UndoStopsAPlaybackFirstAndANoteOnCtrlZWins)
{
    take({QStringLiteral("03=300"), QStringLiteral("05=0")});
    run("mnt1");
    window->PLAY_Click();
    ASSERT_TRUE(window->isPlaying());
    press(Qt::Key_Z, 52, Qt::ControlModifier);
    EXPECT_FALSE(window->isPlaying());
    EXPECT_EQ(entries(), QStringList({QStringLiteral("03=300"), QStringLiteral("05=0")}));

    run("mnt1");
    window->setNoteShortcut(0, 0x4000 | 'Z');
    press(Qt::Key_Z, 52, Qt::ControlModifier);
    EXPECT_EQ(sound.indexes(), std::vector<int>{0});
    EXPECT_EQ(entries(), QStringList({QStringLiteral("03=800"), QStringLiteral("05=500")}));
}

TEST_F(EditingTest, ADoubleClickedLineSoundsItsNoteThroughTheChangePanelsLabel)
{
    take({QStringLiteral("00=7"), QStringLiteral("11=3")});
    QListView* list = listBox();
    const QPoint at = list->visualRect(list->model()->index(1, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(sound.indexes(), std::vector<int>{11});
    EXPECT_EQ(control<QLabel>("Label4")->text(), QString::fromUtf8("Mİ-2 (11)"));
    EXPECT_FALSE(panelUp());
}

} // namespace
