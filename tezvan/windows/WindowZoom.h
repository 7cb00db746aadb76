#pragma once
// The main window's size: the seven zoom levels (the commands, Ctrl and the keypad's 1 to 7,
// scaling every control from its place at 100 %), the list area hidden and shown, the
// roll-up to the caption bar, and the layout that follows the window's size. How a level
// scales is tezvan_core's (ZoomLevels).

#include "MainControls.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <array>
#include <vector>

class QKeyEvent;

namespace tezvan {

class CommandBinder;

class WindowZoom final : public QObject {
    Q_OBJECT
public:
    // window: the frame that is sized and whose controls scale.
    WindowZoom(CommandBinder& binder, QWidget& window, const MainControls& controls);

    int level() const { return zoomLevel_; } // 0 = 100 %
    int scaledLevel() const { return scaledLevel_; }
    // A stored level; one that is none of the seven would leave the list without heights.
    void setStoredLevel(int level);
    void applyStoredLevel(); // once, at the first show
    void giveShortcuts();
    bool keyPreview(QKeyEvent* event); // Ctrl and the keypad's 1 to 7, by the physical key

    void layOut();
    void fitToContents(); // at the scale: the count label, the tick box, sideways scrolling
    void recentre();

public slots:
    void zoomTo(int level);
    void mn100Execute();
    void mnlisteExecute();
    void mnbkExecute();

private:
    void scaleTo(int level);
    void setListHeight(int outer, int clientAt100);

    QWidget& window_;
    MainControls c_;
    std::array<QAction*, 7> zoomActions_{};
    int zoomLevel_ = 0;   // 0 = 100 %
    int scaledLevel_ = 0; // the level the controls are drawn at
    // Every scaled control's geometry and font size at 100 %, taken when leaving 100 %.
    struct At100 {
        QPointer<QWidget> widget;
        QRect geometry;
        int fontPixels; // -1: the font is its parent's
        bool placed;    // false: layOut places it
    };
    std::vector<At100> at100_;
    int clientHeightAt100_;
    int rolledUpFrom_ = 0; // the height before the roll-up; 0 until the first
};

} // namespace tezvan
