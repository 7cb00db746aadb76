// The settings store as a whole file ("TezvanAyar.ini", read by QSettings): any bytes give the
// step, the zoom level and the colours up to the first bad one, or an error; what was read,
// saved and read again is the same.

#include "FuzzCheck.h"

#include "platform/CommandError.h"
#include "tezvan/core/AppearanceSettings.h"

#include <QDateTime>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>

namespace {

QTemporaryDir* storeDir = nullptr;

// QSettings keeps parsed files in a cache that it trusts while the size and the modification
// time stay the same; every input gets its own time so that each one is read afresh.
void putStore(const QByteArray& bytes)
{
    static qint64 stamp = 1'000'000'000;
    QFile file(storeDir->filePath(QStringLiteral("TezvanAyar.ini")));
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
    FUZZ_CHECK(file.setFileTime(QDateTime::fromSecsSinceEpoch(++stamp), QFileDevice::FileModificationTime));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    storeDir = new QTemporaryDir;
    FUZZ_CHECK(storeDir->isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, storeDir->path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::input(data, size);
    // A value in Qt's own serialised form goes to QDataStream, which reserves whatever a
    // length in it says (gigabytes, untouched outside the sanitizers); that is Qt's reader,
    // not ours, and ours meets its result as a value that is no text.
    if (bytes.contains("@Variant("))
        return 0;
    putStore(bytes);
    const tezvan::AppearanceStore store;
    tezvan::LoadedAppearance loaded;
    try {
        loaded = store.load();
    } catch (const platform::CommandError& e) {
        FUZZ_CHECK(!e.message().isEmpty());
        return 0;
    }

    tezvan::AppearanceRecord record;
    record.step = loaded.step;
    record.zoomLevel = loaded.zoomLevel;
    for (const auto& [setting, value] : loaded.colours)
        record.colours[std::size_t(setting)] = value;
    FUZZ_CHECK(store.save(record));
    const tezvan::LoadedAppearance again = store.load();
    FUZZ_CHECK(again.error.isEmpty() && again.step == loaded.step && again.zoomLevel == loaded.zoomLevel);
    FUZZ_CHECK(again.colours.size() == std::size_t(tezvan::kColourSettingCount));
    for (const auto& read : loaded.colours)
        FUZZ_CHECK(std::find(again.colours.begin(), again.colours.end(), read) != again.colours.end());
    return 0;
}
