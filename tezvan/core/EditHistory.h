#pragma once
// The undo and redo steps of a take's two lists. Each step is the change that takes the
// lists one command back (or forward again); NoteLists records and applies them. Bounded
// to the last kDepth commands; not a model, and it never touches the lists itself.

#include <QHash>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

namespace tezvan {

// A whole list of entries kept for undoing a change of all times, packed: an entry whose
// time is the plain decimal of a 32-bit number keeps only that number (a change of times
// leaves the first three characters of such an entry as they were); any other entry is
// kept whole. A million entries take 4 MB instead of some 70.
class PackedTimes {
public:
    PackedTimes() = default;
    explicit PackedTimes(const QStringList& entries);

    // Puts the kept entries back over entries (as long, its times changed since), in place.
    void writeOnto(QStringList& entries) const;

private:
    std::vector<qint32> times_;
    QHash<qsizetype, QString> whole_;
};

struct ListChange {
    enum class Kind {
        Insert,  // put entry and line in at row
        Remove,  // take row out
        Replace, // write entry and line over row
        Retime,  // write every entry's time (the lines show no times)
    };
    Kind kind = Kind::Insert;
    int row = 0;
    QString entry;
    QString line;
    PackedTimes times;
};

class EditHistory {
public:
    static constexpr std::size_t kDepth = 100;

    // A new command's undo step; the steps that could have been redone are gone.
    void recorded(ListChange undo);

    std::optional<ListChange> takeUndo() { return take(undo_); }
    std::optional<ListChange> takeRedo() { return take(redo_); }
    // The way back of a step just undone, and of one just redone.
    void pushRedo(ListChange change) { push(redo_, std::move(change)); }
    void pushUndo(ListChange change) { push(undo_, std::move(change)); }

    void clear();
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }

private:
    static std::optional<ListChange> take(std::deque<ListChange>& steps);
    static void push(std::deque<ListChange>& steps, ListChange change);

    std::deque<ListChange> undo_;
    std::deque<ListChange> redo_;
};

} // namespace tezvan
