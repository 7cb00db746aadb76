// The main window's looks: the colour commands and their default scheme, the stored
// settings, the zoom levels, the roll-up and the list area's heights. What is stored and
// how a level scales are tezvan_core's (AppearanceSettings, ZoomLevels).
#include "FlatButton.h"
#include "TForm1.h"
#include "WindowLook.h"

#include "tezvan/core/ColourText.h"
#include "tezvan/core/ZoomLevels.h"

#include "platform/CommandError.h"
#include "platform/Dialogs.h"
#include "platform/VirtualKey.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QPushButton>

namespace tezvan {
namespace {

constexpr quint32 kBtnFace = kSystemColourBase + 15;
constexpr quint32 kWindowText = kSystemColourBase + 8;

// The client area at 100 %: as wide as the note buttons' row, and its heights with the
// list hidden, shown and rolled up to the caption bar.
constexpr int kClientWidth = 421;
constexpr int kCollapsedClient = 122;
constexpr int kExpandedClient = 358;
constexpr int kRolledUpClient = 22;

// The colour dialog's sixteen custom colours (red, green, blue), the first the panel's own.
const QList<QColor> kCustomColours = {
    {209, 209, 194}, {245, 214, 116}, {198, 197, 189}, {58, 109, 165},  {231, 191, 152}, {88, 184, 126},
    {189, 181, 179}, {227, 179, 191}, {194, 190, 22},  {140, 140, 140}, {74, 165, 255},  {0, 79, 157},
    {255, 187, 119}, {0, 0, 210},     {48, 163, 151},  {68, 135, 142}};

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

void TForm1::buildAppearanceActions()
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
        auto* panel2 = new QWidget(client_);
        panel2->setObjectName(QStringLiteral("Panel2"));
        panel2->setGeometry(0, 0, 49, 17);
        panel2->hide();
    }
    applyColour(ColourSetting::Message, kBtnFace);
    applyColour(ColourSetting::ListText, kWindowText);

    auto command = [this](const char* name, const char* caption, void (TForm1::*handler)()) {
        QAction* a = windowAction(name, QString::fromUtf8(caption), {}, handler);
        a->setStatusTip(QStringLiteral("M"));
        return a;
    };
    command("mnkenar", "Kenar Çizgileri", &TForm1::mnkenarExecute);
    command("mkileti", "İleti Renkleri", &TForm1::mkiletiExecute);
    command("mnzemin", "Zemin Rengi", &TForm1::mnzeminExecute);
    command("mnbuton_y", "Buton Yazı Rengi", &TForm1::mnbuton_yExecute);
    command("mnbuton_z", "Buton Zemin Rengi", &TForm1::mnbuton_zExecute);
    command("mnlisterengi", "Liste Zemin Rengi", &TForm1::mnlisterengiExecute);
    command("mnliste_yazi", "Liste Yazı Rengi", &TForm1::mnliste_yaziExecute);
    command("mnvarsayilan", "Varsayılan Renk Ayarları", &TForm1::mnvarsayilanExecute);
    command("mnbk", "Form B/K", &TForm1::mnbkExecute);
    mnliste_->setStatusTip(QStringLiteral("M"));

    static const char* const kZoomNames[] = {"mn80", "mn90", "mn100", "mn110", "mn125", "mn150", "mn200"};
    for (std::size_t i = 0; i < kZoomLevels.size(); ++i) {
        const int level = kZoomLevels[i];
        auto* a = new QAction(QLatin1Char('%') + QString::number(zoomPercent(level)), this);
        a->setObjectName(QString::fromLatin1(kZoomNames[i]));
        a->setShortcutContext(Qt::WindowShortcut);
        // Up to 100 % the commands carry the menu's hint; the larger levels get it from their entries.
        if (zoomPercent(level) <= 100)
            a->setStatusTip(QStringLiteral("M"));
        if (level == 0) {
            connect(a, &QAction::triggered, this, &TForm1::mn100Execute);
        } else {
            connect(a, &QAction::triggered, this, [this, level] { zoomTo(level); });
        }
        addAction(a);
        zoomActions_[i] = a;
    }
}

QWidget* TForm1::ownControl(const QString& name) const
{
    // The other windows are this one's children too, with names of their own ("Panel2").
    for (QWidget* w : findChildren<QWidget*>(name))
        if (w->window() == this)
            return w;
    return nullptr;
}

AppearanceRecord TForm1::appearance() const
{
    AppearanceRecord r;
    r.colours = colours_;
    r.step = artirma_;
    r.zoomLevel = zoomLevel_;
    return r;
}

void TForm1::loadSettings()
{
    LoadedAppearance loaded;
    try {
        loaded = AppearanceStore().load();
    } catch (const platform::CommandError& e) {
        // Nothing is applied: the window keeps its first-run look at 100 %.
        platform::showError(dialogs_, this, e.message());
        return;
    }
    setArtirma(loaded.step);
    // A level that is none of the seven would leave the list commands without heights.
    zoomLevel_ = listHeights(loaded.zoomLevel) ? loaded.zoomLevel : 0;
    for (const auto& [which, value] : loaded.colours)
        applyColour(which, value);
    if (!loaded.error.isEmpty())
        platform::showError(dialogs_, this, loaded.error);
}

void TForm1::saveSettings()
{
    const AppearanceStore store;
    if (store.save(appearance()) || storeErrorShown_)
        return;
    // Said once a run: the settings of this run are not kept.
    storeErrorShown_ = true;
    platform::showError(dialogs_, this, QString::fromUtf8("Ayarlar kaydedilemedi: %1").arg(store.location()));
}

void TForm1::applyColour(ColourSetting which, quint32 value)
{
    colours_[std::size_t(which)] = value;
    const QColor c = colourOfValue(value);
    switch (which) {
    case ColourSetting::Frame:
        frameColour_ = c;
        update(); // the frame redraws
        break;
    case ColourSetting::Message:
        paintBackground(ownControl(QStringLiteral("Panel1")), value);
        paintBackground(ownControl(QStringLiteral("Panel2")), value);
        break;
    case ColourSetting::Background:
        paintBackground(Kontroller_, value);
        break;
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
        for (FlatButton* b : findChildren<FlatButton*>()) {
            if (b == DURUMM_ || b->window() != this)
                continue;
            if (which == ColourSetting::Button)
                b->setColour(c);
            else
                b->setFontColour(c);
        }
        for (QPushButton* b : findChildren<QPushButton*>())
            if (b->window() == this)
                paintBackground(b, value);
        if (which == ColourSetting::Button)
            buttonColour_ = c;
        break;
    }
}

void TForm1::chooseColour(ColourSetting which)
{
    DURUMMClick();
    const quint32 preset = colours_[std::size_t(which)];
    const std::optional<QColor> chosen = dialogs_.chooseColour(this, colourOfValue(preset), kCustomColours);
    // A cancel applies the preset: nothing changes, a system colour stays one.
    applyColour(which, chosen ? valueOfColour(*chosen) : preset);
}

void TForm1::mnkenarExecute() { chooseColour(ColourSetting::Frame); }
void TForm1::mkiletiExecute() { chooseColour(ColourSetting::Message); }
void TForm1::mnzeminExecute() { chooseColour(ColourSetting::Background); }
void TForm1::mnbuton_yExecute() { chooseColour(ColourSetting::ButtonText); }
void TForm1::mnbuton_zExecute() { chooseColour(ColourSetting::Button); }
void TForm1::mnlisterengiExecute() { chooseColour(ColourSetting::List); }
void TForm1::mnliste_yaziExecute() { chooseColour(ColourSetting::ListText); }

void TForm1::mnvarsayilanExecute()
{
    DURUMMClick();
    applyColour(ColourSetting::Background, 12767697);
    applyColour(ColourSetting::Frame, 16744448);
    applyColour(ColourSetting::Message, 12436934);
    applyColour(ColourSetting::List, 12436934);
    applyColour(ColourSetting::ListText, 0);
    applyColour(ColourSetting::Button, 12767697);
    applyColour(ColourSetting::ButtonText, 10841658);
}

void TForm1::giveZoomShortcuts()
{
    static constexpr Qt::Key kDigits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7};
    for (std::size_t i = 0; i < zoomActions_.size(); ++i)
        zoomActions_[i]->setShortcut(QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, kDigits[i])));
}

bool TForm1::zoomKeyPreview(QKeyEvent* event)
{
    // Ctrl and the keypad's 1 to 7 by the physical key, whatever Num Lock says: the window
    // system hands keypad shortcuts to Qt without their keypad mark.
    const quint16 word = platform::shortcutWord(*event);
    const quint16 first = platform::vk::Ctrl | (platform::vk::Numpad0 + 1);
    if (word < first || word >= first + zoomActions_.size())
        return false;
    if (event->type() == QEvent::KeyPress)
        zoomActions_[word - first]->trigger();
    event->accept();
    return true;
}

void TForm1::applyStoredZoom()
{
    // Nothing is scaled yet, so a level is reached straight from 100 %.
    if (zoomLevel_ == 0)
        mn100Execute();
    else
        zoomTo(zoomLevel_);
}

void TForm1::zoomTo(int level)
{
    scaleTo(level);
    recentre();
    Label6_->setText(QLatin1Char('%') + QString::number(zoomPercent(level)));
}

void TForm1::mn100Execute()
{
    scaleTo(0);
    Label6_->setText(QStringLiteral("%100"));
    recentre();
}

void TForm1::scaleTo(int level)
{
    zoomLevel_ = level;
    if (level == scaledLevel_)
        return;
    if (scaledLevel_ == 0) {
        // At 100 % the controls stand where the level's scaling starts from; leaving it, take
        // their places and font sizes afresh (some move at run time, at 100 % only).
        at100_.clear();
        at100_.push_back({this, {}, font().pixelSize(), false});
        for (QWidget* w : findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (w->window() != this || name.isEmpty() || name.startsWith(QLatin1String("qt_")))
                continue;
            // The client area, the control panel and the zoom label follow the window (layOut).
            const bool placed = w != client_ && w != Kontroller_ && w != Label6_;
            const int pixels = w->testAttribute(Qt::WA_SetFont) ? w->font().pixelSize() : -1;
            at100_.push_back({w, w->geometry(), pixels, placed});
        }
    }
    scaledLevel_ = level;
    setUpdatesEnabled(false);
    for (const At100& e : at100_) {
        if (!e.widget)
            continue;
        if (e.placed)
            e.widget->setGeometry(scaledRect(e.geometry, level));
        if (e.fontPixels > 0) {
            QFont f = e.widget->font();
            f.setPixelSize(qMax(1, scaledLength(e.fontPixels, level)));
            e.widget->setFont(f);
        }
    }
    ListBox1_->setGridSize(QSize(ListBox1_->width() / 7, scaledLength(13, level)));
    fitToContents();
    // The window keeps its top-left corner while it scales.
    // With the list hidden or shown the window takes the level's list heights.
    int outer = scaledLength(clientHeightAt100_, level) + 2;
    if (const std::optional<ListHeights> h = listHeights(level)) {
        if (clientHeightAt100_ == kCollapsedClient)
            outer = h->collapsed;
        else if (clientHeightAt100_ == kExpandedClient)
            outer = h->expanded;
    }
    const QPoint topLeft = pos();
    setFixedSize(scaledLength(kClientWidth, level) + 2, outer);
    move(topLeft);
    layOut();
    setUpdatesEnabled(true);
}

void TForm1::setListHeight(int outer, int clientAt100)
{
    clientHeightAt100_ = clientAt100;
    setFixedSize(width(), outer);
}

void TForm1::mnlisteExecute()
{
    const std::optional<ListHeights> h = listHeights(zoomLevel_);
    if (!h)
        return;
    if (height() > h->collapsed)
        setListHeight(h->collapsed, kCollapsedClient);
    else
        setListHeight(h->expanded, kExpandedClient);
    recentre();
}

void TForm1::mnbkExecute()
{
    if (zoomLevel_ != 0)
        return;
    if (height() < 27) {
        if (rolledUpFrom_ > 0)
            setListHeight(rolledUpFrom_, rolledUpFrom_ - 2);
        return;
    }
    rolledUpFrom_ = height();
    setListHeight(kRolledUpClient + 2, kRolledUpClient);
}

} // namespace tezvan
