#pragma once
// The note grid: two rows (note names, durations) and a column count of at least 1,
// over a cell store that keeps the text of hidden columns. A Qt model so the window's
// table view edits it in place; it holds no recording or playback rules.

#include <QAbstractTableModel>
#include <QString>
#include <array>
#include <vector>

namespace tezvan2 {

class NoteGrid final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kNameRow = 0;
    static constexpr int kDurationRow = 1;

    explicit NoteGrid(QObject* parent = nullptr);

    int count() const { return count_; }
    int lastColumn() const { return count_ - 1; }
    // Shows n columns (at least 1); text of hidden columns stays in the store.
    void setCount(int n);
    void addColumn();
    void removeLastColumn(); // floor 1
    // Blanks both cells of columns 0..count (the visible ones and the first hidden
    // one), then count := 1.
    void clear();

    // Any column of the store, shown or hidden; empty text beyond what was written.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    QString name(int column) const { return cell(column, kNameRow); }
    QString duration(int column) const { return cell(column, kDurationRow); }
    void setName(int column, const QString& text) { setCell(column, kNameRow, text); }
    void setDuration(int column, const QString& text) { setCell(column, kDurationRow, text); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int count_ = 1;
    std::vector<std::array<QString, 2>> store_;
};

} // namespace tezvan2
