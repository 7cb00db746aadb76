#pragma once
// The main window's seven colours: the first-run look, the colour commands with their
// dialog, the default scheme, and the stored settings they travel in. What is stored and
// the default scheme are tezvan_core's (AppearanceSettings).

#include "tezvan/core/AppearanceSettings.h"

#include <QColor>
#include <QObject>
#include <optional>

class QListView;
class QWidget;

namespace platform {
class Dialogs;
}

namespace tezvan {

class CommandBinder;
class FlatButton;

class WindowColours final : public QObject {
    Q_OBJECT
public:
    // owner: whose own controls take the colours (the status line is no button), and the
    // parent of the boxes; controls: `Kontroller`.
    WindowColours(CommandBinder& binder, QWidget& owner, platform::Dialogs& dialogs, QWidget* controls,
                  QListView* list, const FlatButton* status);

    const std::array<quint32, kColourSettingCount>& values() const { return colours_; }
    QColor frame() const { return frameColour_; }

    void apply(ColourSetting which, quint32 value);
    void choose(ColourSetting which); // the colour dialog, preset with the colour in force
    void restoreDefaults();

    // The stored settings; a store that cannot be read is said, and gives nothing.
    std::optional<LoadedAppearance> load();
    void applyLoaded(const LoadedAppearance& loaded); // its colours, then its error if any
    void save(const AppearanceRecord& record);        // a failure is said once a run

signals:
    void recordingEndNeeded(); // before the colour dialog
    void frameChanged();
    void buttonColourChanged(const QColor& c);

private:
    QWidget* ownControl(const QString& name) const;

    QWidget& owner_;
    platform::Dialogs& dialogs_;
    QWidget* Kontroller_;
    QListView* ListBox1_;
    const FlatButton* DURUMM_;
    std::array<quint32, kColourSettingCount> colours_{};
    QColor frameColour_;
    bool storeErrorShown_ = false;
};

} // namespace tezvan
