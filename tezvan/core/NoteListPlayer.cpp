#include "NoteListPlayer.h"

#include "NoteCatalogue.h"
#include "NoteFile.h"
#include "NoteLists.h"

namespace tezvan {
namespace {

// Entries handled in one go without a wait (skipped ones, notes already due) before the
// player lets the event loop run: a long run of them never freezes the window.
constexpr int kImmediateBatch = 256;

} // namespace

NoteListPlayer::NoteListPlayer(platform::Clock& clock, const NoteLists& lists, QObject* parent)
    : QObject(parent), clock_(clock), lists_(lists)
{
}

NoteListPlayer::~NoteListPlayer()
{
    cancelTimer();
}

int NoteListPlayer::entryCount() const
{
    return lists_.count();
}

std::optional<QString> NoteListPlayer::entryAt(int index) const
{
    if (index < 0 || index >= lists_.count())
        return std::nullopt;
    return lists_.entry(index);
}

std::optional<qint64> NoteListPlayer::waitMsOf(const QString& entry)
{
    const auto parsed = parseNoteEntry(entry);
    if (!parsed || parsed->code < 0 || parsed->code >= kNoteCount)
        return std::nullopt;
    return qMax<qint64>(0, parsed->pause);
}

bool NoteListPlayer::start()
{
    if (playing_)
        return false;
    const int count = entryCount();
    if (count <= 0)
        return false;

    playing_ = true;
    const quint64 generation = ++generation_;
    count_ = count;
    index_ = 0;
    elapsedUs_ = 0;
    emit started();
    if (!isLive(generation))
        return true;
    // Onsets count from here, after the listeners' own start work, like the first wait did.
    startUs_ = clock_.nowUs();
    advance();
    return true;
}

void NoteListPlayer::stop()
{
    if (playing_)
        finish();
}

bool NoteListPlayer::isLive(quint64 generation) const
{
    return playing_ && generation == generation_;
}

void NoteListPlayer::advance()
{
    const quint64 generation = generation_;
    for (int immediate = 0; isLive(generation); ++immediate) {
        if (index_ >= count_) {
            finish();
            return;
        }
        if (immediate == kImmediateBatch) {
            schedule(clock_.nowUs(), &NoteListPlayer::advance);
            return;
        }
        emit turn(index_);
        if (!isLive(generation))
            return;
        const std::optional<QString> entry = entryAt(index_);
        if (!entry) {
            finish(); // the list got shorter under the playback
            return;
        }
        const std::optional<qint64> waitMs = waitMsOf(*entry);
        if (!waitMs) {
            ++index_; // not a playable note: skipped, with no wait
            continue;
        }
        noteNumber_ = parseNoteEntry(*entry)->code;
        elapsedUs_ += *waitMs * 1000;
        const qint64 dueUs = startUs_ + elapsedUs_;
        if (dueUs > clock_.nowUs()) {
            schedule(dueUs, &NoteListPlayer::soundDueNote);
            return;
        }
        if (!playNote(generation)) // its wait has already passed (or there was none)
            return;
    }
}

void NoteListPlayer::soundDueNote()
{
    if (playNote(generation_))
        advance();
}

bool NoteListPlayer::playNote(quint64 generation)
{
    const bool isLastLine = entryCount() == index_ + 1;
    emit noteDue(index_, noteNumber_, isLastLine);
    if (!isLive(generation))
        return false;
    ++index_;
    return true;
}

void NoteListPlayer::schedule(qint64 atUs, void (NoteListPlayer::*step)())
{
    const quint64 generation = generation_;
    timerPending_ = true;
    timer_ = clock_.callAt(atUs, [this, generation, step] {
        if (!isLive(generation))
            return;
        timerPending_ = false;
        (this->*step)();
    });
}

void NoteListPlayer::cancelTimer()
{
    if (timerPending_) {
        clock_.cancel(timer_);
        timerPending_ = false;
    }
}

void NoteListPlayer::finish()
{
    cancelTimer();
    playing_ = false;
    emit finished();
}

} // namespace tezvan
