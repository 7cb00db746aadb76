#include "SampleFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace tezvan2 {
namespace {

// Enough for every sample of the table twice over; past it the cache starts afresh.
constexpr int kCacheLimit = 64;

// Longer than any file system's time stamp tick.
constexpr qint64 kTickNs = 2'000'000'000;

bool changedLately(qint64 modifiedNs)
{
    return QDateTime::currentMSecsSinceEpoch() * 1'000'000 - modifiedNs < kTickNs;
}

} // namespace

SampleFiles::SampleFiles(platform::Voice& voice, QString folder, QString installedFolder)
    : voice_(voice), folder_(std::move(folder)), installedFolder_(std::move(installedFolder))
{
}

QString SampleFiles::folder() const
{
    return folder_.isEmpty() ? QDir::currentPath() : folder_;
}

SampleFiles::Stamp SampleFiles::stampOf(const QString& path)
{
    // Every note asks this twice, so it is one system call, not a QFileInfo.
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {true, qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
#else
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified().toMSecsSinceEpoch() * 1'000'000};
#endif
}

const SampleFiles::Listing& SampleFiles::listing(const QString& folder, bool fresh)
{
    const Stamp stamp = stampOf(folder);
    Listing& l = listings_[folder];
    if (!fresh && l.stamp.exists && l.stamp == stamp)
        return l;
    l = Listing{stamp, {}, {}};
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& n : names) {
        l.exact.insert(n, n);
        const QString folded = n.toCaseFolded();
        if (!l.folded.contains(folded))
            l.folded.insert(folded, n);
    }
    return l;
}

QString SampleFiles::resolve(const QString& bareName)
{
    // Bare names only: a grid cell must not reach outside the folder.
    if (bareName.isEmpty() || bareName.contains(u'/') || bareName.contains(u'\\'))
        return {};
    const QString here = resolveIn(folder(), bareName);
    if (!here.isEmpty() || installedFolder_.isEmpty())
        return here;
    return resolveIn(installedFolder_, bareName);
}

QString SampleFiles::resolveIn(const QString& dir, const QString& bareName)
{
    const QString folded = bareName.toCaseFolded();
    auto find = [&](const Listing& l) {
        const QString exact = l.exact.value(bareName);
        return exact.isEmpty() ? l.folded.value(folded) : exact;
    };
    const Listing& known = listing(dir, false);
    QString name = find(known);
    // A miss looks again when the folder changed lately: a file may have come within its
    // time stamp's tick. Not otherwise, so that notes played from the installed folder do
    // not list the working directory each time.
    if (name.isEmpty() && changedLately(known.stamp.modifiedNs))
        name = find(listing(dir, true));
    return name.isEmpty() ? QString() : dir + u'/' + name;
}

platform::SoundPtr SampleFiles::load(const QString& bareName, QString* whyNot)
{
    if (whyNot)
        whyNot->clear();
    const QString path = resolve(bareName);
    if (path.isEmpty())
        return nullptr;
    const Stamp stamp = stampOf(path);
    auto it = cache_.find(path);
    if (it == cache_.end() || it->stamp != stamp) {
        QFile file(path);
        // Not kept: a file made readable again keeps its size and time.
        if (!file.open(QIODevice::ReadOnly)) {
            if (whyNot)
                *whyNot = QStringLiteral("it cannot be read (%1)").arg(file.errorString());
            return nullptr;
        }
        Cached c{stamp, nullptr, {}};
        c.sound = platform::prepareSound(file.readAll(), &c.whyNot);
        if (cache_.size() >= kCacheLimit)
            cache_.clear();
        it = cache_.insert(path, c);
    }
    if (whyNot)
        *whyNot = it->whyNot;
    return it->sound;
}

QString SampleFiles::whyUnplayable(const QString& bareName)
{
    QString why;
    load(bareName, &why);
    return why;
}

void SampleFiles::preload(const QStringList& bareNames)
{
    for (const QString& name : bareNames)
        load(name);
}

bool SampleFiles::play(const QString& bareName)
{
    const platform::SoundPtr sound = load(bareName);
    if (!sound) {
        // A name that finds nothing to play gives silence: the note still sounding stops.
        voice_.stop();
        if (listener_)
            listener_({});
        return false;
    }
    const bool started = voice_.start(sound);
    // Told even where no output device sounds it: MIDI may be the only way out.
    if (listener_)
        listener_(bareName);
    return started;
}

void SampleFiles::setSoundListener(std::function<void(const QString& bareName)> listener)
{
    listener_ = std::move(listener);
}

} // namespace tezvan2
