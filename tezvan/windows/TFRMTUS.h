#pragma once
// The key assignment window: fourteen key boxes, one for each note's key, saved to the key
// file and applied to the main window's note actions at creation and after every save.
// Created once at start-up, afterwards only shown (modal) and hidden. The file's rules are
// tezvan_core's (KeyFile.h); the main window is reached through NoteKeyTarget alone.

#include "NoteKeyTarget.h"

#include "tezvan/core/KeyFile.h"
#include "tezvan/core/NoteKeys.h"

#include <QWidget>
#include <array>

class QLabel;

namespace platform {
class Dialogs;
}

namespace tezvan {

class CaptionIcon;
class FlatButton;
class KeyBox;

class TFRMTUS final : public QWidget {
    Q_OBJECT
public:
    // Loads the key file of place and applies it to main before returning.
    TFRMTUS(NoteKeyTarget& main, platform::Dialogs& dialogs, KeyFilePlace place);

    static constexpr int kClientWidth = 203;
    static constexpr int kClientHeight = 305;
    static constexpr int kFrame = 2;

public slots:
    // Shows the window modally; the main window waits until it closes.
    void open();

    void RzButton2Click(); // "&Kaydet": save, then load and apply
    void RzButton1Click(); // "&Varsayılan": the factory keys, applied, not saved
    void RzButton3Click(); // "Çı&kış": close without saving or applying
    void KaptClick();
    void BaslikCDblClick(); // roll up, or down again

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCaptionBar();
    void buildBody();
    void loadAndApply();
    void showWords(const KeyWords& words);
    KeyWords shownWords() const;
    void apply();

    NoteKeyTarget& main_;
    platform::Dialogs& dialogs_;
    const KeyFilePlace place_;
    bool shownOnce_ = false;
    int rolledDownHeight_ = 0; // the height a roll-up remembered

    QWidget* client_ = nullptr;
    QLabel* BaslikC_ = nullptr;
    CaptionIcon* bilgi_ = nullptr;
    CaptionIcon* Kapt_ = nullptr;
    QWidget* body_ = nullptr;
    std::array<KeyBox*, kKeySlotCount> HotKey_{}; // slot k at index k - 1
};

} // namespace tezvan
