#include "WindowColours.h"

#include "CommandBinder.h"
#include "FlatButton.h"
#include "WindowLook.h"

#include "tezvan/core/ColourText.h"

#include "platform/CommandError.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QListView>
#include <QPushButton>

namespace tezvan {
namespace {

constexpr quint32 kBtnFace = kSystemColourBase + 15;
constexpr quint32 kWindowText = kSystemColourBase + 8;

// The colour dialog's sixteen custom colours (red, green, blue), the first the panel's own.
const QList<QColor> kCustomColours = {{209, 209, 194}, {245, 214, 116}, {198, 197, 189}, {58, 109, 165},
                                      {231, 191, 152}, {88, 184, 126},  {189, 181, 179}, {227, 179, 191},
                                      {194, 190, 22},  {140, 140, 140}, {74, 165, 255},  {0, 79, 157},
                                      {255, 187, 119}, {0, 0, 210},     {48, 163, 151},  {68, 135, 142}};

// A chosen colour fills a control's background and its button face alike.
void paintBackground(QWidget* w, quint32 value)
{
    if (!w)
        return;
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colourOfValue(value));
    pal.setColor(QPalette::Button, colourOfValue(value));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace

WindowColours::WindowColours(CommandBinder& binder, QWidget& owner, platform::Dialogs& dialogs, QWidget* controls,
                             QListView* list, const FlatButton* status)
    : owner_(owner), dialogs_(dialogs), Kontroller_(controls), ListBox1_(list), DURUMM_(status),
      frameColour_(colourOfValue(look::kFrame))
{
    // The first-run look; the change panels take the platform's button face.
    colours_[std::size_t(ColourSetting::Frame)] = look::kFrame;
    colours_[std::size_t(ColourSetting::Message)] = kBtnFace;
    colours_[std::size_t(ColourSetting::Background)] = look::kControls;
    colours_[std::size_t(ColourSetting::ButtonText)] = look::kNoteText;
    colours_[std::size_t(ColourSetting::Button)] = look::kControls;
    colours_[std::size_t(ColourSetting::List)] = look::kList;
    colours_[std::size_t(ColourSetting::ListText)] = kWindowText;

    // A hidden panel that keeps a copy of the change panel's colour.
    if (!ownControl(QStringLiteral("Panel2"))) {
        auto* panel2 = new QWidget(Kontroller_->parentWidget());
        panel2->setObjectName(QStringLiteral("Panel2"));
        panel2->setGeometry(0, 0, 49, 17);
        panel2->hide();
    }
    apply(ColourSetting::Message, kBtnFace);
    apply(ColourSetting::ListText, kWindowText);

    static constexpr std::pair<const char*, ColourSetting> kCommands[] = {
        {"mnkenar", ColourSetting::Frame},         {"mkileti", ColourSetting::Message},
        {"mnzemin", ColourSetting::Background},    {"mnbuton_y", ColourSetting::ButtonText},
        {"mnbuton_z", ColourSetting::Button},      {"mnlisterengi", ColourSetting::List},
        {"mnliste_yazi", ColourSetting::ListText},
    };
    for (const auto& [name, which] : kCommands)
        connect(binder.bind(name), &QAction::triggered, this, [this, which] { choose(which); });
    binder.bind("mnvarsayilan", this, &WindowColours::restoreDefaults);
}

QWidget* WindowColours::ownControl(const QString& name) const
{
    // The other windows are the owner's children too, with names of their own ("Panel2").
    for (QWidget* w : owner_.findChildren<QWidget*>(name))
        if (w->window() == &owner_)
            return w;
    return nullptr;
}

void WindowColours::apply(ColourSetting which, quint32 value)
{
    colours_[std::size_t(which)] = value;
    const QColor c = colourOfValue(value);
    switch (which) {
    case ColourSetting::Frame:
        frameColour_ = c;
        emit frameChanged();
        break;
    case ColourSetting::Message:
        paintBackground(ownControl(QStringLiteral("Panel1")), value);
        paintBackground(ownControl(QStringLiteral("Panel2")), value);
        break;
    case ColourSetting::Background: paintBackground(Kontroller_, value); break;
    case ColourSetting::List:
    case ColourSetting::ListText: {
        QPalette pal = ListBox1_->palette();
        pal.setColor(which == ColourSetting::List ? QPalette::Base : QPalette::Text, c);
        ListBox1_->setPalette(pal);
        break;
    }
    case ColourSetting::ButtonText:
    case ColourSetting::Button:
        // Every push button of the window; the status line is no button.
        for (FlatButton* b : owner_.findChildren<FlatButton*>()) {
            if (b == DURUMM_ || b->window() != &owner_)
                continue;
            if (which == ColourSetting::Button)
                b->setColour(c);
            else
                b->setFontColour(c);
        }
        for (QPushButton* b : owner_.findChildren<QPushButton*>())
            if (b->window() == &owner_)
                paintBackground(b, value);
        if (which == ColourSetting::Button)
            emit buttonColourChanged(c);
        break;
    }
}

void WindowColours::choose(ColourSetting which)
{
    emit recordingEndNeeded();
    const quint32 preset = colours_[std::size_t(which)];
    const std::optional<QColor> chosen = dialogs_.chooseColour(&owner_, colourOfValue(preset), kCustomColours);
    // A cancel applies the preset: nothing changes, a system colour stays one.
    apply(which, chosen ? valueOfColour(*chosen) : preset);
}

void WindowColours::restoreDefaults()
{
    emit recordingEndNeeded();
    for (const SchemeColour& c : kDefaultColourScheme)
        apply(c.which, c.value);
}

std::optional<LoadedAppearance> WindowColours::load()
{
    try {
        return AppearanceStore().load();
    } catch (const platform::CommandError& e) {
        // Nothing is applied: the window keeps its first-run look at 100 %.
        platform::showError(dialogs_, &owner_, e.message());
        return std::nullopt;
    }
}

void WindowColours::applyLoaded(const LoadedAppearance& loaded)
{
    for (const auto& [which, value] : loaded.colours)
        apply(which, value);
    if (!loaded.error.isEmpty())
        platform::showError(dialogs_, &owner_, loaded.error);
}

void WindowColours::save(const AppearanceRecord& record)
{
    const AppearanceStore store;
    if (store.save(record) || storeErrorShown_)
        return;
    // Said once a run: the settings of this run are not kept.
    storeErrorShown_ = true;
    platform::showError(dialogs_, &owner_, QString::fromUtf8("Ayarlar kaydedilemedi: %1").arg(store.location()));
}

} // namespace tezvan
