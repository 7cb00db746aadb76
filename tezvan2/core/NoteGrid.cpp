#include "NoteGrid.h"

namespace tezvan2 {

NoteGrid::NoteGrid(QObject* parent) : QAbstractTableModel(parent) {}

void NoteGrid::setCount(int n)
{
    n = qMax(1, n);
    if (n == count_)
        return;
    if (n > count_) {
        beginInsertColumns({}, count_, n - 1);
        count_ = n;
        endInsertColumns();
    } else {
        beginRemoveColumns({}, n, count_ - 1);
        count_ = n;
        endRemoveColumns();
    }
}

void NoteGrid::addColumn()
{
    setCount(count_ + 1);
}

void NoteGrid::removeLastColumn()
{
    setCount(count_ - 1);
}

void NoteGrid::clear()
{
    // The first hidden column is blanked too: a save writes it as its closing record.
    for (int c = 0; c <= count_ && c < int(store_.size()); ++c)
        store_[std::size_t(c)] = {};
    emit dataChanged(index(0, 0), index(1, count_ - 1));
    setCount(1);
}

QString NoteGrid::cell(int column, int row) const
{
    if (column < 0 || row < 0 || row > 1 || column >= int(store_.size()))
        return {};
    return store_[std::size_t(column)][std::size_t(row)];
}

void NoteGrid::setCell(int column, int row, const QString& text)
{
    if (column < 0 || row < 0 || row > 1)
        return;
    if (column >= int(store_.size())) {
        if (text.isEmpty())
            return;
        store_.resize(std::size_t(column) + 1);
    }
    QString& c = store_[std::size_t(column)][std::size_t(row)];
    if (c == text)
        return;
    c = text;
    if (column < count_) {
        const QModelIndex i = index(row, column);
        emit dataChanged(i, i);
    }
}

int NoteGrid::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

int NoteGrid::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count_;
}

QVariant NoteGrid::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cell(index.column(), index.row());
}

bool NoteGrid::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    setCell(index.column(), index.row(), value.toString());
    return true;
}

Qt::ItemFlags NoteGrid::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

} // namespace tezvan2
