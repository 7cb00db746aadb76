#include "NoteLists.h"

namespace tezvan {

QString noteCountText(int n)
{
    return QString::fromUtf8("Toplam Nota Sayısı : ") + QString::number(n);
}

void NoteLists::append(const QString& entry, const QString& line)
{
    const int row = count();
    beginInsertRows({}, row, row);
    entries_.append(entry);
    lines_.append(line);
    endInsertRows();
    emit countChanged(count());
}

void NoteLists::replaceAll(QStringList entries, QStringList lines)
{
    Q_ASSERT(entries.size() == lines.size());
    lines.resize(entries.size()); // parallel, whatever the caller passed
    beginResetModel();
    entries_ = std::move(entries);
    lines_ = std::move(lines);
    current_ = -1;
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
    entries_[i] = entry;
    lines_[i] = line;
    const QModelIndex at = index(i);
    emit dataChanged(at, at, {Qt::DisplayRole});
}

void NoteLists::removeAt(int i)
{
    if (i < 0 || i >= count())
        return;
    beginRemoveRows({}, i, i);
    entries_.removeAt(i);
    lines_.removeAt(i);
    if (current_ >= count())
        current_ = count() - 1;
    endRemoveRows();
    emit countChanged(count());
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
