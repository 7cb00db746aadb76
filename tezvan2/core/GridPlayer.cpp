#include "GridPlayer.h"

#include "NoteGrid.h"
#include "SampleFiles.h"

#include "platform/WholeNumber.h"

namespace tezvan2 {

QString GridPlayer::emptyGridMessage()
{
    return QStringLiteral("Lutfen nota giriniz veya bir dosya aciniz!");
}

QString GridPlayer::restName()
{
    return QStringLiteral("es");
}

GridPlayer::GridPlayer(const NoteGrid& grid, SampleFiles& samples, platform::Clock& clock, QObject* parent)
    : QObject(parent), grid_(grid), samples_(samples), clock_(clock)
{
}

GridPlayer::~GridPlayer()
{
    stop();
}

bool GridPlayer::play()
{
    stop();
    if (grid_.name(grid_.lastColumn()).isEmpty()) {
        emit notice(emptyGridMessage());
        return false;
    }
    columns_.clear();
    columns_.reserve(std::size_t(grid_.count()));
    for (int c = 0; c < grid_.count(); ++c)
        columns_.push_back({grid_.name(c), grid_.duration(c)});
    next_ = 0;
    startUs_ = dueUs_ = clock_.nowUs();
    playing_ = true;
    run();
    return true;
}

void GridPlayer::run()
{
    while (next_ < columns_.size()) {
        const Column& column = columns_[next_];
        // The duration is read before the name, so a bad one stops even an empty column.
        const auto duration = platform::parseWholeNumber(column.duration);
        if (!duration) {
            const QString message = platform::notAnIntegerMessage(column.duration);
            end();
            emit failed(message);
            emit finished();
            return;
        }
        ++next_;
        if (column.name.isEmpty())
            continue;
        if (column.name != restName()) {
            const QString file = column.name + QStringLiteral(".wbs");
            if (!samples_.play(file))
                emit silentNote(file);
        }
        // A negative wait means no wait. Every deadline counts from the start, so a
        // late timer shortens the next wait instead of shifting the rest.
        if (*duration > 0) {
            dueUs_ += qint64(*duration) * 1000;
            timerPending_ = true;
            timer_ = clock_.callAt(dueUs_, [this] {
                timerPending_ = false;
                run();
            });
            prefetchNext();
            return;
        }
    }
    end();
    emit finished();
}

void GridPlayer::prefetchNext()
{
    // Reading a file the first time takes milliseconds: do it during the wait, so the
    // next note starts on time.
    for (std::size_t i = next_; i < columns_.size(); ++i) {
        const QString& name = columns_[i].name;
        if (name.isEmpty())
            continue;
        if (name != restName())
            samples_.load(name + QStringLiteral(".wbs"));
        return;
    }
}

void GridPlayer::end()
{
    if (timerPending_) {
        clock_.cancel(timer_);
        timerPending_ = false;
    }
    playing_ = false;
    columns_.clear();
    next_ = 0;
}

void GridPlayer::stop()
{
    end();
}

} // namespace tezvan2
