// The about window: the link label's colours through a click and a double click, the
// address it opens, and the duration multiplier's text.

#include "support/FakeShell.h"
#include "support/QStringPrinter.h"
#include "support/RowName.h"

#include "tezvan2/windows/Tfrmhak.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using testing_support::RowName;

class AboutWindow : public ::testing::Test {
protected:
    QColor linkColour() const { return link()->palette().color(QPalette::WindowText); }
    QLabel* link() const { return about.findChild<QLabel*>(QStringLiteral("Label2")); }

    testing_support::FakeShell shell;
    tezvan2::Tfrmhak about{shell};
};

const QColor kBlue(0, 0, 255);
const QColor kSilver(192, 192, 192);
const QColor kRed(255, 0, 0);

TEST_F(AboutWindow, linkTurnsBlueWhileHeldAndOpensOnceOnAClick)
{
    ASSERT_NE(link(), nullptr);
    EXPECT_EQ(linkColour(), kSilver);
    QTest::mousePress(link(), Qt::LeftButton);
    EXPECT_EQ(linkColour(), kBlue);
    EXPECT_TRUE(shell.opened.empty());
    QTest::mouseRelease(link(), Qt::LeftButton);
    // The click (red, open) comes first and the release right after it.
    EXPECT_EQ(linkColour(), kSilver);
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0], tezvan2::Tfrmhak::siteAddress());
}

struct DoubleClickRow : testing_support::NamedRow {
    bool secondPressDelivered; // platforms differ in sending the second press itself
};

class AboutWindowDoubleClick : public AboutWindow, public ::testing::WithParamInterface<DoubleClickRow> {};

TEST_P(AboutWindowDoubleClick, opensTheAddressTwice)
{
    QTest::mouseClick(link(), Qt::LeftButton);
    if (GetParam().secondPressDelivered)
        QTest::mousePress(link(), Qt::LeftButton);
    QTest::mouseDClick(link(), Qt::LeftButton);
    EXPECT_EQ(shell.opened.size(), 2u);
    QTest::mouseRelease(link(), Qt::LeftButton);
    EXPECT_EQ(shell.opened.size(), 2u) << "the release of a double click is no third click";
    EXPECT_EQ(linkColour(), kSilver);
}

INSTANTIATE_TEST_SUITE_P(Rows, AboutWindowDoubleClick,
                         ::testing::Values(DoubleClickRow{"double click alone", false},
                                           DoubleClickRow{"press before the double click", true}),
                         RowName());

TEST_F(AboutWindow, aPressDraggedOffTheLinkOpensNothing)
{
    QTest::mousePress(link(), Qt::LeftButton);
    QTest::mouseRelease(link(), Qt::LeftButton, Qt::NoModifier, QPoint(-20, -20));
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_EQ(linkColour(), kSilver);
}

TEST_F(AboutWindow, multiplierStartsAtTenAndIsReadAsTyped)
{
    auto* edit = about.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(about.multiplierText(), QStringLiteral("10"));
    for (const QString& typed : {QStringLiteral("15"), QString(), QStringLiteral("abc")}) {
        edit->setText(typed);
        EXPECT_EQ(about.multiplierText(), typed);
    }
    EXPECT_FALSE(edit->focusPolicy() & Qt::TabFocus);
}

TEST_F(AboutWindow, layoutAndTexts)
{
    EXPECT_EQ(about.windowTitle(), QString::fromUtf8("Wintezvan2.0 Hakkında"));
    EXPECT_EQ(about.size(), QSize(380, 439));
    EXPECT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Wintezvan 2.0"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Label3"))->text(), QString::fromUtf8("Süre Çarpanı :"));
    EXPECT_EQ(about.findChild<QWidget*>(QStringLiteral("Label3"))->pos(), QPoint(146, 351));
    auto* memo = about.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->isReadOnly());
    // The guide tells every command it names on the window.
    for (const char* word : {"Bitir", "KAYDET", "AÇ", "Eşzamanlı Kaydet", "+", "-", "Süre Çarpanı"})
        EXPECT_TRUE(memo->toPlainText().contains(QString::fromUtf8(word))) << word;
}

struct PlaceRow : testing_support::NamedRow {
    QRect rect;
};

class AboutWindowControls : public AboutWindow, public ::testing::WithParamInterface<PlaceRow> {};

TEST_P(AboutWindowControls, lieWhereTheLayoutPutsThem)
{
    const QWidget* w = about.findChild<QWidget*>(QString::fromLatin1(GetParam().name));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), GetParam().rect);
}

INSTANTIATE_TEST_SUITE_P(Rows, AboutWindowControls,
                         ::testing::Values(PlaceRow{"Label1", {72, 24, 249, 37}},
                                           PlaceRow{"Memo1", {19, 66, 345, 257}},
                                           PlaceRow{"Label2", {120, 332, 151, 13}},
                                           PlaceRow{"Edit1", {221, 351, 32, 13}},
                                           PlaceRow{"Button1", {155, 377, 75, 19}}),
                         RowName());

TEST_F(AboutWindow, memoHasTheFocusWhenShownAndTamamCloses)
{
    about.show();
    QApplication::setActiveWindow(&about);
    EXPECT_EQ(about.focusWidget(), about.findChild<QWidget*>(QStringLiteral("Memo1")));
    QTest::mouseClick(about.findChild<QWidget*>(QStringLiteral("Button1")), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

} // namespace
