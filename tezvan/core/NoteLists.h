#pragma once
// The two parallel lists of a take: the note entries (what files store and playback
// reads, with a current index) and the visible lines (what the user sees, entry i
// shown as line i). Every change touches both at the same index. As a list
// model it feeds the visible list's view; not a view itself, and it holds no selection
// of the visible list (the view's selection model does). Every change but a whole new
// list can be undone and redone, one step per call.

#include "EditHistory.h"

#include <QAbstractListModel>
#include <QStringList>

namespace tezvan {

class NoteLists final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int count() const { return int(entries_.size()); }
    bool isEmpty() const { return entries_.isEmpty(); }
    const QStringList& entries() const { return entries_; }
    const QStringList& lines() const { return lines_; }
    QString entry(int i) const { return entries_.value(i); }
    QString line(int i) const { return lines_.value(i); }

    // Appends one entry with its visible line.
    void append(const QString& entry, const QString& line);

    // Replaces both lists at once (one model reset); the current index becomes -1.
    // The two lists must be equally long. A new take: the undo history is emptied.
    void replaceAll(QStringList entries, QStringList lines);

    // Empties both lists; the current index becomes -1, the undo history is emptied.
    void clear();

    // Rewrites entry i and its line; removes entry i and its line; puts an entry and its
    // line in before i (i == count() appends). Out of range: ignored.
    void setAt(int i, const QString& entry, const QString& line);
    void removeAt(int i);
    void insertAt(int i, const QString& entry, const QString& line);

    // Every time moved by delta (NoteEdits' shiftedTime), all or nothing: a time that is
    // no whole number throws platform::CommandError with nothing changed. The lines stay.
    void shiftTimes(int delta);
    // Every time set to 0 (an entry shorter than code and "=" gets its 0 after what it has).
    void resetTimes();

    // Takes the lists one change back or forward again; false when there is none.
    bool undo();
    bool redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }

    // The current index of the note entries: -1 for none, else 0..count()-1.
    int currentIndex() const { return current_; }
    void setCurrentIndex(int i) { current_ = (i >= 0 && i < count()) ? i : -1; }

    // QAbstractListModel: the visible lines.
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    // The number of lines changed (the count label follows it).
    void countChanged(int count);

private:
    // Makes a change and gives the change that takes it back.
    ListChange apply(const ListChange& change);

    QStringList entries_;
    QStringList lines_;
    int current_ = -1;
    EditHistory history_;
};

// The note count label's text for n lines: "Toplam Nota Sayısı : n".
QString noteCountText(int n);

} // namespace tezvan
