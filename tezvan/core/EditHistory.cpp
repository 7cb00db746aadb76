#include "EditHistory.h"

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

PackedTimes::PackedTimes(const QStringList& entries, const QStringList& onto)
{
    Q_ASSERT(entries.size() == onto.size());
    times_.resize(std::size_t(entries.size()));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const std::optional<qint32> t = plainTime(entries[i]);
        if (t && QStringView(entries[i]).left(3) == QStringView(onto[i]).left(3))
            times_[std::size_t(i)] = *t;
        else
            whole_.insert(i, entries[i]);
    }
}

QStringList PackedTimes::unpackedOnto(const QStringList& heads) const
{
    Q_ASSERT(heads.size() == qsizetype(times_.size()));
    QStringList entries;
    entries.reserve(qsizetype(times_.size()));
    for (qsizetype i = 0; i < qsizetype(times_.size()); ++i) {
        if (const auto kept = whole_.constFind(i); kept != whole_.cend()) {
            entries.append(*kept);
        } else {
            QString e;
            e.reserve(3 + 11);
            e.append(QStringView(heads.at(i)).left(3));
            e.append(QString::number(times_[std::size_t(i)]));
            entries.append(std::move(e));
        }
    }
    return entries;
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
