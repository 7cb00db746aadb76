#include "NoteLists.h"

#include "NoteEdits.h"

namespace tezvan {

QString noteCountText(int n)
{
    return QString::fromUtf8("Toplam Nota Sayısı : ") + QString::number(n);
}

void NoteLists::append(const QString& entry, const QString& line)
{
    insertAt(count(), entry, line);
}

void NoteLists::replaceAll(QStringList entries, QStringList lines)
{
    Q_ASSERT(entries.size() == lines.size());
    lines.resize(entries.size()); // parallel, whatever the caller passed
    beginResetModel();
    entries_ = std::move(entries);
    lines_ = std::move(lines);
    current_ = -1;
    history_.clear();
    endResetModel();
    emit countChanged(count());
}

void NoteLists::clear()
{
    replaceAll({}, {});
}

void NoteLists::setAt(int i, const QString& entry, const QString& line)
{
    if (i < 0 || i >= count())
        return;
    history_.recorded(apply({ListChange::Kind::Replace, i, entry, line, {}}));
}

void NoteLists::removeAt(int i)
{
    if (i < 0 || i >= count())
        return;
    history_.recorded(apply({ListChange::Kind::Remove, i, {}, {}, {}}));
}

void NoteLists::insertAt(int i, const QString& entry, const QString& line)
{
    if (i < 0 || i > count())
        return;
    history_.recorded(apply({ListChange::Kind::Insert, i, entry, line, {}}));
}

void NoteLists::shiftTimes(int delta)
{
    // Every time is read before any is written.
    std::vector<qint32> times(std::size_t(entries_.size()));
    for (qsizetype i = 0; i < entries_.size(); ++i)
        times[std::size_t(i)] = timeOf(entries_[i]);
    history_.recorded({ListChange::Kind::Retime, 0, {}, {}, PackedTimes(entries_)});
    for (qsizetype i = 0; i < entries_.size(); ++i)
        writeTime(entries_[i], shiftedTime(times[std::size_t(i)], delta));
}

void NoteLists::resetTimes()
{
    history_.recorded({ListChange::Kind::Retime, 0, {}, {}, PackedTimes(entries_)});
    for (QString& e : entries_)
        writeTime(e, 0);
}

bool NoteLists::undo()
{
    std::optional<ListChange> step = history_.takeUndo();
    if (!step)
        return false;
    history_.pushRedo(apply(*step));
    return true;
}

bool NoteLists::redo()
{
    std::optional<ListChange> step = history_.takeRedo();
    if (!step)
        return false;
    history_.pushUndo(apply(*step));
    return true;
}

ListChange NoteLists::apply(const ListChange& change)
{
    const int i = change.row;
    switch (change.kind) {
    case ListChange::Kind::Insert:
        beginInsertRows({}, i, i);
        entries_.insert(i, change.entry);
        lines_.insert(i, change.line);
        // The current index stays on its entry.
        if (current_ >= i)
            ++current_;
        endInsertRows();
        emit countChanged(count());
        return {ListChange::Kind::Remove, i, {}, {}, {}};
    case ListChange::Kind::Remove: {
        ListChange back{ListChange::Kind::Insert, i, entries_[i], lines_[i], {}};
        beginRemoveRows({}, i, i);
        entries_.removeAt(i);
        lines_.removeAt(i);
        if (current_ >= count())
            current_ = count() - 1;
        endRemoveRows();
        emit countChanged(count());
        return back;
    }
    case ListChange::Kind::Replace: {
        ListChange back{ListChange::Kind::Replace, i, entries_[i], lines_[i], {}};
        entries_[i] = change.entry;
        lines_[i] = change.line;
        const QModelIndex at = index(i);
        emit dataChanged(at, at, {Qt::DisplayRole});
        return back;
    }
    case ListChange::Kind::Retime: {
        ListChange back{ListChange::Kind::Retime, 0, {}, {}, PackedTimes(entries_)};
        change.times.writeOnto(entries_);
        return back;
    }
    }
    return {};
}

int NoteLists::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant NoteLists::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count() || role != Qt::DisplayRole)
        return {};
    return lines_[index.row()];
}

} // namespace tezvan
