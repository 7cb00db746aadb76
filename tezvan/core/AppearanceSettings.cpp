#include "AppearanceSettings.h"

#include "ColourText.h"

#include "platform/CommandError.h"
#include "platform/WholeNumber.h"

#include <QSettings>
#include <memory>

namespace tezvan {
namespace {

constexpr std::array<const char*, kColourSettingCount> kNames = {"kc", "ir", "zr", "by", "bz", "lz", "ly"};
const QString kStep = QStringLiteral("artirma");
const QString kZoom = QStringLiteral("Gorunum");

// Window, panels and list before the buttons: the order a half-read store leaves its mark in.
constexpr std::array<ColourSetting, kColourSettingCount> kApplyOrder = {
    ColourSetting::Frame,    ColourSetting::Message,    ColourSetting::Background, ColourSetting::List,
    ColourSetting::ListText, ColourSetting::ButtonText, ColourSetting::Button};

std::unique_ptr<QSettings> openStore()
{
#ifdef Q_OS_WIN
    const auto format = QSettings::NativeFormat;
#else
    const auto format = QSettings::IniFormat;
#endif
    auto s = std::make_unique<QSettings>(format, QSettings::UserScope, AppearanceStore::key());
    // A crash while closing never leaves half a file: the file is replaced whole or not at all.
    s->setAtomicSyncRequired(true);
    return s;
}

QString readText(const QSettings& s, const QString& name)
{
    const QVariant v = s.value(name);
    if (!v.isValid())
        return {};
    if (v.typeId() != QMetaType::QString)
        throw platform::CommandError(QString::fromUtf8("Ayar okunamadı: \"%1\" bir metin değil").arg(name));
    return v.toString();
}

} // namespace

QString settingName(ColourSetting c)
{
    return QString::fromLatin1(kNames[std::size_t(c)]);
}

LoadedAppearance AppearanceStore::load() const
{
    const std::unique_ptr<QSettings> s = openStore();
    std::array<QString, kColourSettingCount> texts;
    for (int i = 0; i < kColourSettingCount; ++i)
        texts[std::size_t(i)] = readText(*s, QString::fromLatin1(kNames[std::size_t(i)]));
    const QString step = readText(*s, kStep);
    const QString zoom = readText(*s, kZoom);

    LoadedAppearance out;
    out.step = platform::parseWholeNumber(step).value_or(kDefaultStep);
    out.zoomLevel = platform::parseWholeNumber(zoom).value_or(0);
    for (const ColourSetting c : kApplyOrder) {
        const QString& text = texts[std::size_t(c)];
        if (text.isEmpty())
            continue;
        const std::optional<quint32> value = colourOfText(text);
        if (!value) {
            out.error = platform::notAnIntegerMessage(text);
            break;
        }
        out.colours.emplace_back(c, *value);
    }
    return out;
}

bool AppearanceStore::save(const AppearanceRecord& record) const
{
    const std::unique_ptr<QSettings> s = openStore();
    for (int i = 0; i < kColourSettingCount; ++i)
        s->setValue(QString::fromLatin1(kNames[std::size_t(i)]), colourText(record.colours[std::size_t(i)]));
    s->setValue(kStep, QString::number(record.step));
    s->setValue(kZoom, QString::number(record.zoomLevel));
    s->sync();
    // A store damaged on disk reads as FormatError, yet the sync has replaced it whole with
    // good values; only AccessError means nothing was written.
    return s->status() != QSettings::AccessError;
}

QString AppearanceStore::location() const
{
    return openStore()->fileName();
}

} // namespace tezvan
