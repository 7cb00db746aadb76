#include "SampleFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tezvan2 {
namespace {

// Enough for every sample of the table twice over; past it the cache starts afresh.
constexpr int kCacheLimit = 64;

} // namespace

SampleFiles::SampleFiles(platform::Voice& voice, QString folder)
    : voice_(voice), folder_(std::move(folder))
{
}

QString SampleFiles::folder() const { return folder_.isEmpty() ? QDir::currentPath() : folder_; }

QString SampleFiles::resolve(const QString& bareName) const
{
    // Bare names only: a grid cell must not reach outside the folder.
    if (bareName.isEmpty() || bareName.contains(u'/') || bareName.contains(u'\\'))
        return {};
    const QDir dir(folder());
    const QFileInfo exact(dir.filePath(bareName));
    if (exact.isFile())
        return exact.filePath();
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& n : names)
        if (n.compare(bareName, Qt::CaseInsensitive) == 0)
            return dir.filePath(n);
    return {};
}

platform::SoundPtr SampleFiles::load(const QString& bareName)
{
    const QString path = resolve(bareName);
    if (path.isEmpty())
        return nullptr;
    const QFileInfo info(path);
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();
    auto it = cache_.find(path);
    if (it != cache_.end() && it->size == size && it->modified == modified)
        return it->sound;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    platform::SoundPtr sound = platform::prepareSound(file.readAll());
    if (cache_.size() >= kCacheLimit)
        cache_.clear();
    cache_.insert(path, Cached{path, size, modified, sound});
    return sound;
}

void SampleFiles::preload(const QStringList& bareNames)
{
    for (const QString& name : bareNames)
        load(name);
}

bool SampleFiles::play(const QString& bareName)
{
    const platform::SoundPtr sound = load(bareName);
    return sound && voice_.start(sound);
}

} // namespace tezvan2
