#include "EditHistory.h"

#include "NoteEdits.h"

#include "platform/WholeNumber.h"

namespace tezvan {
namespace {

// The time of an entry when writing it back in decimal gives the same text: no sign but a
// minus, no leading zero, not "-0".
std::optional<qint32> plainTime(const QString& entry)
{
    if (entry.size() <= 3)
        return std::nullopt;
    const QStringView text = QStringView(entry).mid(3);
    const qsizetype first = text[0] == u'-' ? 1 : 0;
    if (first >= text.size() || text[first] == u'+' || (text[first] == u'0' && text.size() != 1))
        return std::nullopt;
    return platform::parseWholeNumber(text);
}

} // namespace

PackedTimes::PackedTimes(const QStringList& entries)
{
    times_.resize(std::size_t(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (const std::optional<qint32> t = plainTime(entries[i]))
            times_[std::size_t(i)] = *t;
        else
            whole_.insert(i, entries[i]);
    }
}

void PackedTimes::writeOnto(QStringList& entries) const
{
    Q_ASSERT(entries.size() == qsizetype(times_.size()));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (const auto kept = whole_.constFind(i); kept != whole_.cend())
            entries[i] = *kept;
        else
            writeTime(entries[i], times_[std::size_t(i)]);
    }
}

void EditHistory::recorded(ListChange undo)
{
    redo_.clear();
    push(undo_, std::move(undo));
}

void EditHistory::clear()
{
    undo_.clear();
    redo_.clear();
}

std::optional<ListChange> EditHistory::take(std::deque<ListChange>& steps)
{
    if (steps.empty())
        return std::nullopt;
    ListChange last = std::move(steps.back());
    steps.pop_back();
    return last;
}

void EditHistory::push(std::deque<ListChange>& steps, ListChange change)
{
    steps.push_back(std::move(change));
    if (steps.size() > kDepth)
        steps.pop_front();
}

} // namespace tezvan
