// The real message boxes, input box and file dialogs as a user meets them: the title the
// window system shows, the text and its line breaks under every style, the answer of the
// button pressed, the input box's answer, and the file filter as the dialog lists it and as
// Qt reads it. Runs offscreen and, where the build found libxcb, on a real X server too
// (there the titles are read back from the server).
#include "platform/Dialogs.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

#ifdef TEZVAN_TEST_XCB
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>
#endif

namespace {

using Icon = platform::Dialogs::Icon;
using testing_support::RowName;

// The title the window system shows for w: on X11 the window's _NET_WM_NAME as the
// server holds it, elsewhere the title Qt hands to the window.
QString shownTitle(QWidget* w)
{
#ifdef TEZVAN_TEST_XCB
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() == QLatin1String("xcb") && x11 && x11->connection()) {
        xcb_connection_t* c = x11->connection();
        auto atom = [c](const char* name) {
            xcb_intern_atom_reply_t* r =
                xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
            const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(r);
            return a;
        };
        xcb_get_property_reply_t* r = xcb_get_property_reply(
            c, xcb_get_property(c, 0, xcb_window_t(w->winId()), atom("_NET_WM_NAME"), atom("UTF8_STRING"), 0, 4096),
            nullptr);
        QString title;
        if (r) {
            title = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(r)),
                                      xcb_get_property_value_length(r));
            std::free(r);
        }
        return title;
    }
#endif
    return w->windowHandle() ? w->windowHandle()->title() : w->windowTitle();
}

// Runs open(), which shows a modal box or dialog and waits for it, and calls look() on the
// box while it is open; look() closes it. A box that never shows fails the test.
template <typename Box> void whileOpen(const std::function<void()>& open, const std::function<void(Box*)>& look)
{
    bool seen = false;
    QElapsedTimer waited;
    waited.start();
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<Box*>(w); box && box->isVisible()) {
                poll.stop();
                seen = true;
                look(box);
                return;
            }
        }
        if (waited.elapsed() > 10000) {
            poll.stop();
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        }
    });
    poll.start();
    open();
    EXPECT_TRUE(seen) << "the box showed";
}

// Lines of text the box's label shows.
int linesShown(QMessageBox* box)
{
    auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    EXPECT_NE(label, nullptr);
    if (!label)
        return 0;
    return qRound(double(label->sizeHint().height()) / label->fontMetrics().height());
}

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setApplicationTitle(QStringLiteral("Tezvan deneme"));
        ASSERT_TRUE(platform::loadQtTurkish());
        styleBefore = QApplication::style()->name();
    }
    void TearDown() override { QApplication::setStyle(styleBefore); }

    QString styleBefore;
};

enum class BoxKind { Ask, Tell, Error };

struct BoxRow : testing_support::NamedRow {
    BoxKind kind;
    const char* title; // nullptr: the application's title
    const char* text;
    Icon icon;
    bool pressYes;
    const char* shownText;
    int lines;
    QMessageBox::Icon shownIcon;
};

using enum BoxKind;

class DialogsBoxes : public DialogsTest, public ::testing::WithParamInterface<BoxRow> {};

TEST_P(DialogsBoxes, ShowTheirOwnTitleTheirTextWithItsLineBreaksAndAnswer)
{
    const BoxRow& r = GetParam();
    for (const QString& style : QStyleFactory::keys()) {
        SCOPED_TRACE(testing::Message() << "style " << style.toStdString());
        QApplication::setStyle(style);
        const QString title = r.title ? QString::fromUtf8(r.title) : QStringLiteral("Tezvan deneme");
        const QString text = QString::fromUtf8(r.text);
        bool answer = false;
        whileOpen<QMessageBox>(
            [&] {
                platform::Dialogs& dialogs = platform::systemDialogs();
                switch (r.kind) {
                case Ask: answer = dialogs.ask(nullptr, title, text, r.icon); break;
                case Tell: dialogs.tell(nullptr, title, text, r.icon); break;
                case Error: platform::showError(dialogs, nullptr, text); break;
                }
            },
            [&](QMessageBox* box) {
                EXPECT_EQ(shownTitle(box), title);
                EXPECT_EQ(box->text(), QString::fromUtf8(r.shownText));
                EXPECT_EQ(linesShown(box), r.lines);
                EXPECT_EQ(box->icon(), r.shownIcon);
                if (r.kind == Ask) {
                    ASSERT_NE(box->button(QMessageBox::Yes), nullptr);
                    ASSERT_NE(box->button(QMessageBox::No), nullptr);
                    EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QStringLiteral("&Evet"));
                    EXPECT_EQ(box->button(QMessageBox::No)->text(), QString::fromUtf8("&Hayır"));
                    box->button(r.pressYes ? QMessageBox::Yes : QMessageBox::No)->click();
                } else {
                    ASSERT_NE(box->button(QMessageBox::Ok), nullptr);
                    EXPECT_EQ(box->button(QMessageBox::Ok)->text(), QStringLiteral("Tamam"));
                    box->button(QMessageBox::Ok)->click();
                }
            });
        if (r.kind == Ask) {
            EXPECT_EQ(answer, r.pressYes);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DialogsBoxes,
    ::testing::Values(
        BoxRow{"question, two carriage returns, answered Yes", Ask, "UYARI",
               "Şu An Kayıt Modundasınız.\r\rÇıkmak istediğinizden emin misiniz?", Icon::Warning, true,
               "Şu An Kayıt Modundasınız.\n\nÇıkmak istediğinizden emin misiniz?", 3, QMessageBox::Warning},
        BoxRow{"a lone carriage return", Tell, "Yeni", "bir\riki", Icon::None, true, "bir\niki", 2,
               QMessageBox::NoIcon},
        BoxRow{"question answered No", Ask, "Yeni", "Listedeki Notalar Temizlenecek. Devam mı?", Icon::Information,
               false, "Listedeki Notalar Temizlenecek. Devam mı?", 1, QMessageBox::Information},
        BoxRow{"notice with a line feed and a CR LF", Tell, "Wintezvan2", "bir\nartı\r\niki", Icon::None, true,
               "bir\nartı\niki", 3, QMessageBox::NoIcon},
        BoxRow{"text that looks like markup stays text, breaks included", Tell, "Hata", "<b>kalın</b>\rdeğil",
               Icon::None, true, "<b>kalın</b>\ndeğil", 2, QMessageBox::NoIcon},
        BoxRow{"error box: the application's title and a full stop", Error, nullptr, "Cannot open file x",
               Icon::Stop, true, "Cannot open file x.", 1, QMessageBox::Critical}),
    RowName());

struct FilterRow : testing_support::NamedRow {
    bool save;
    const char* filter;
    const char* shown;
    const char* listed;
};

class DialogsFileDialogs : public DialogsTest, public ::testing::WithParamInterface<FilterRow> {};

TEST_P(DialogsFileDialogs, ListTheDescriptionOnceAndFilterByThePattern)
{
    const FilterRow& r = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"ilk.tnl", "not.txt", "parca.nota"}) {
        QFile f(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString chosen = QStringLiteral("(not returned)");
    whileOpen<QFileDialog>(
        [&] {
            const QString filter = QString::fromUtf8(r.filter);
            platform::Dialogs& dialogs = platform::systemDialogs();
            chosen = r.save ? dialogs.saveFileName(nullptr, filter, QStringLiteral("x"))
                            : dialogs.openFileName(nullptr, filter, QStringLiteral("x"));
        },
        [&](QFileDialog* dialog) {
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_NE(types, nullptr);
            EXPECT_EQ(types->count(), (QString::fromUtf8(r.filter).count(u'|') + 1) / 2);
            EXPECT_EQ(types->currentText(), QString::fromUtf8(r.shown));
            EXPECT_EQ(dialog->labelText(QFileDialog::Reject), QString::fromUtf8("İptal"));

            dialog->setDirectory(folder.path());
            auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
            ASSERT_NE(list, nullptr);
            QStringList listed;
            EXPECT_TRUE(QTest::qWaitFor([&] {
                listed.clear();
                const QModelIndex root = list->rootIndex();
                for (int i = 0; i < list->model()->rowCount(root); ++i)
                    listed << list->model()->index(i, 0, root).data().toString();
                return !listed.isEmpty();
            }));
            EXPECT_EQ(listed, QStringList(QString::fromUtf8(r.listed)));
            dialog->reject();
        });
    EXPECT_EQ(chosen, QString()) << "cancel gives no name";
}

INSTANTIATE_TEST_SUITE_P(Rows, DialogsFileDialogs,
                         ::testing::Values(FilterRow{"note lists, open", false, "Tezvan Nota Listesi (*.Tnl)|*.tnl",
                                                     "Tezvan Nota Listesi (*.Tnl)", "ilk.tnl"},
                                           FilterRow{"note lists, save", true, "Tezvan Nota Listesi (*.Tnl)|*.tnl",
                                                     "Tezvan Nota Listesi (*.Tnl)", "ilk.tnl"},
                                           FilterRow{"text files", true, "Metin Belgesi (*.txt)|*.txt",
                                                     "Metin Belgesi (*.txt)", "not.txt"},
                                           FilterRow{"nota files", false, "Wintezvan Nota Dosyası (*.nota)|*.nota",
                                                     "Wintezvan Nota Dosyası (*.nota)", "parca.nota"},
                                           FilterRow{"a description without a pattern", false, "Notalar|*.tnl",
                                                     "Notalar", "ilk.tnl"},
                                           FilterRow{"two types: the first chosen at first", true,
                                                     "Tezvan Nota Listesi (*.Tnl)|*.tnl|MIDI Dosyası (*.mid)|*.mid",
                                                     "Tezvan Nota Listesi (*.Tnl)", "ilk.tnl"}),
                         RowName());

// A name typed without an extension takes the extension of the type the user chose.
TEST_F(DialogsTest, ANameTypedTakesTheChosenTypesExtension)
{
    QString chosen;
    whileOpen<QFileDialog>(
        [&] {
            chosen = platform::systemDialogs().saveFileName(nullptr, QStringLiteral("Liste|*.tnl|MIDI|*.mid"),
                                                            QStringLiteral("tnl"));
        },
        [&](QFileDialog* dialog) {
            dialog->setDirectory(QDir::tempPath());
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_NE(types, nullptr);
            types->setFocus();
            QTest::keyClick(types, Qt::Key_Down);
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            QTest::keyClicks(name, QStringLiteral("alinti"));
            QTest::keyClick(name, Qt::Key_Return);
        });
    EXPECT_EQ(QFileInfo(chosen).fileName(), QStringLiteral("alinti.mid"));
}

// The input box as the user meets it: its title, prompt and preset text; what the user types
// comes back on OK, nothing on Cancel.
struct InputRow : testing_support::NamedRow {
    const char* typed; // nullptr: the preset stays
    bool ok;
    const char* result; // nullptr: nothing (cancel)
};

class DialogsInputBox : public DialogsTest, public ::testing::WithParamInterface<InputRow> {};

TEST_P(DialogsInputBox, ShowsTitlePromptAndPresetAndGivesTheAnswer)
{
    const InputRow& r = GetParam();
    const QString title = QString::fromUtf8("SABİT DEĞİŞİMİ");
    const QString prompt = QString::fromUtf8("Sabit Artırma-Azaltma Sayısını 1 - 1000 Arası Giriniz.");
    std::optional<QString> answer = QStringLiteral("(not returned)");
    whileOpen<QInputDialog>(
        [&] { answer = platform::systemDialogs().inputText(nullptr, title, prompt, QStringLiteral("500")); },
        [&](QInputDialog* box) {
            EXPECT_EQ(shownTitle(box), title);
            EXPECT_EQ(box->labelText(), prompt);
            auto* field = box->findChild<QLineEdit*>();
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(field->text(), QStringLiteral("500"));
            if (r.typed) {
                field->selectAll();
                QTest::keyClicks(field, QString::fromUtf8(r.typed));
            }
            if (r.ok)
                box->accept();
            else
                box->reject();
        });
    EXPECT_EQ(answer.has_value(), r.result != nullptr);
    if (r.result && answer) {
        EXPECT_EQ(*answer, QString::fromUtf8(r.result));
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, DialogsInputBox,
                         ::testing::Values(InputRow{"typed and confirmed", "abc", true, "abc"},
                                           InputRow{"the preset confirmed", nullptr, true, "500"},
                                           InputRow{"typed and cancelled", "7", false, nullptr}),
                         RowName());

struct ColourRow : testing_support::NamedRow {
    bool confirm;
};

class DialogsColour : public DialogsTest, public ::testing::WithParamInterface<ColourRow> {};

// The custom colours as shown, row by row: the middle of each cell of the two rows under "Özel renkler".
QList<QColor> shownCustomColours(QColorDialog* dialog)
{
    QList<QColor> shown;
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->text() != QString::fromUtf8("&Özel renkler"))
            continue;
        const QImage cells = label->buddy()->grab().toImage();
        for (int i = 0; i < 16; ++i)
            shown << cells.pixelColor(cells.width() * (2 * (i % 8) + 1) / 16,
                                      cells.height() * (2 * (i / 8) + 1) / 4);
    }
    return shown;
}

TEST_P(DialogsColour, ShowsThePresetAndTheCustomColoursAndAnswersNothingOnCancel)
{
    const QList<QColor> custom = {{209, 209, 194}, {245, 214, 116}, {198, 197, 189}, {58, 109, 165},
                                  {231, 191, 152}, {88, 184, 126},  {189, 181, 179}, {227, 179, 191},
                                  {194, 190, 22},  {140, 140, 140}, {74, 165, 255},  {0, 79, 157},
                                  {255, 187, 119}, {0, 0, 210},     {48, 163, 151},  {68, 135, 142}};
    std::optional<QColor> chosen = QColor(1, 2, 3);
    whileOpen<QColorDialog>( // a preset that is no custom colour, so no cell is picked
        [&] { chosen = platform::systemDialogs().chooseColour(nullptr, QColor(194, 190, 23), custom); },
        [&](QColorDialog* dialog) {
            EXPECT_EQ(dialog->currentColor(), QColor(194, 190, 23));
            EXPECT_EQ(shownCustomColours(dialog), custom);
            dialog->setCurrentColor(QColor(255, 0, 0));
            for (QPushButton* b : dialog->findChildren<QPushButton*>()) // into the first cell: none is picked
                if (b->text() == QString::fromUtf8("Özel Renklere &Ekle"))
                    QTest::mouseClick(b, Qt::LeftButton);
            if (GetParam().confirm)
                dialog->accept();
            else
                dialog->reject();
        });
    EXPECT_EQ(chosen, GetParam().confirm ? std::optional<QColor>(QColor(255, 0, 0)) : std::nullopt);
    // Opened again, the picker still holds the colour added.
    whileOpen<QColorDialog>([&] { platform::systemDialogs().chooseColour(nullptr, Qt::white, custom); },
                            [&](QColorDialog* dialog) {
                                EXPECT_EQ(shownCustomColours(dialog).value(0), QColor(255, 0, 0));
                                dialog->reject();
                            });
    QColorDialog::setCustomColor(0, custom.at(0)); // as the next row expects it
}

INSTANTIATE_TEST_SUITE_P(Rows, DialogsColour,
                         ::testing::Values(ColourRow{"confirmed", true}, ColourRow{"cancelled", false}), RowName());

// The filter a file dialog is given, as Qt reads it: Qt filters by the pattern after the bar.
struct NameFilterRow : testing_support::NamedRow {
    const char* filter;
    const char* expected;
};

class NameFilter : public ::testing::TestWithParam<NameFilterRow> {};

TEST_P(NameFilter, QtFiltersByThePatternAfterTheBar)
{
    EXPECT_EQ(platform::qtNameFilters(QString::fromUtf8(GetParam().filter)).join(QStringLiteral(";;")),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NameFilter,
    ::testing::Values(NameFilterRow{"description already names the pattern: the dialog hides the pattern's list",
                                    "Wintezvan Nota Dosyası (*.nota)|*.nota",
                                    "Wintezvan Nota Dosyası (*.nota) (*.nota)"},
                      NameFilterRow{"plain description", "Metin Belgesi|*.txt", "Metin Belgesi (*.txt)"},
                      NameFilterRow{"pattern differs only in case", "Tezvan Nota Listesi (*.Tnl)|*.tnl",
                                    "Tezvan Nota Listesi (*.Tnl) (*.tnl)"},
                      NameFilterRow{"parentheses inside the description", "Notlar (eski) dosyası|*.tnl",
                                    "Notlar (eski) dosyası (*.tnl)"},
                      NameFilterRow{"no bar", "Her dosya (*)", "Her dosya (*)"},
                      NameFilterRow{"two file types, the first the default",
                                    "Liste (*.Tnl)|*.tnl|MIDI Dosyası (*.mid)|*.mid",
                                    "Liste (*.Tnl) (*.tnl);;MIDI Dosyası (*.mid) (*.mid)"}),
    RowName());

} // namespace
