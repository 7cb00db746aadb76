#pragma once
// A main window on a virtual clock, fake dialogs and a fake sound, shown offscreen, with
// helpers to press keys the way the keyboard delivers them and to find controls.

#include "HeardSound.h"
#include "support/FakeDialogs.h"
#include "support/KeysAndClicks.h"
#include "support/QStringPrinter.h"
#include "tezvan/windows/FlatButton.h"
#include "tezvan/windows/TForm1.h"

#include "platform/VirtualClock.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace testing_support {

class WindowFixture : public ::testing::Test {
public:
    void SetUp() override
    {
        // Each test's settings live in a folder of its own, never in the user's.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
        window = std::make_unique<tezvan::TForm1>(sound, clock, dialogs);
        window->show();
        QApplication::setActiveWindow(window.get());
    }
    void TearDown() override { window.reset(); }

    template <typename T = QWidget> T* control(const char* name) const
    {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    tezvan::FlatButton* note(int k) const
    {
        return control<tezvan::FlatButton>(qPrintable(QStringLiteral("N%1").arg(k)));
    }
    QString status() const { return control<tezvan::FlatButton>("DURUMM")->text(); }
    QString countLabel() const { return control<QLabel>("Label5")->text(); }
    QListView* listBox() const { return control<QListView>("ListBox1"); }
    // Fills the lists as an opened file would.
    void load(const QStringList& entries)
    {
        QStringList lines;
        for (const QString& e : entries)
            lines << e.left(2);
        window->noteLists().replaceAll(entries, lines);
    }
    int selectedLine() const
    {
        const QModelIndexList s = listBox()->selectionModel()->selectedIndexes();
        return s.isEmpty() ? -1 : s.first().row();
    }
    void tick(bool on)
    {
        QCheckBox* box = control<QCheckBox>("oto_kayit");
        if (box->isChecked() != on)
            box->click();
    }

    // A left click where the user points, in window coordinates: it lands on whatever lies
    // topmost at that place, as the mouse's would.
    void clickAt(QPoint inWindow) { clickWhatLiesAt(window.get(), inWindow); }
    QPoint placeOf(const QWidget* w, QPoint inWidget) const { return placeIn(window.get(), w, inWidget); }

    // A key press and release as the keyboard sends them to target (the focused control
    // when none is given). nativeScanCode is the xkb key code; 0 = none.
    void press(int qtKey, quint32 nativeScanCode = 0, Qt::KeyboardModifiers mods = Qt::NoModifier,
               QWidget* target = nullptr, const QString& text = {})
    {
        pressAndRelease(window.get(), {qtKey, nativeScanCode, mods, text}, target, true);
    }

    QTemporaryDir settingsFolder;
    platform::VirtualClock clock;
    FakeDialogs dialogs;
    HeardSound sound{clock};
    std::unique_ptr<tezvan::TForm1> window;
};

} // namespace testing_support
