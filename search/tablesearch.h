#pragma once
// The matches of a find text in the record table: the items whose text
// contains it, letter case ignored, column by column from the top row down in
// the table's current row order.
//
// The cells are read only as far as the matches asked for: "Next" on a new
// text stops at its first match, and the next "Next" reads on from there.
// A search that is still under way when the table is about to change (its
// rows, their order or the contents) is read to its end first, so its matches
// are those of the table as it was searched.
//
// Pressing "Next" again searches the same text in the same table, so the
// search of the last text is kept until the table changes. The characters
// that each column holds are noted while a log fills the table (or by the
// first search) and kept until the contents change, so that a column that
// cannot hold the text is passed over without reading its cells.

#include "search/findmatch.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>
#include <vector>

class QModelIndex;
class QTableWidget;
class QTableWidgetItem;
class TableSearch;

// The matches of one search, read from the table as they are asked for.
class FindMatches
{
public:
    bool isEmpty() const { return !has(0); }
    // Whether there is a match at `index` (0 is the first).
    bool has(int index) const;
    // The match at `index`, or none.
    QTableWidgetItem *at(int index) const;
    QList<QTableWidgetItem *> all() const;
    void clear() { m_scan.reset(); }

private:
    friend class TableSearch;
    struct Scan;
    std::shared_ptr<Scan> m_scan;
};

class TableSearch : public QObject
{
    Q_OBJECT
public:
    explicit TableSearch(QTableWidget *table);
    ~TableSearch() override;

    FindMatches find(const QString &text);

    // Filling the table with a new log, after its rows are made: each cell's
    // text as it is put in, so that the first search already knows the
    // characters of every column.
    void beginFill();
    void addCell(int column, const QString &text);
    void endFill();
    // Puts the rows in another order by `move`, which the model does not tell
    // of: the row at r comes to stand at newRow[r]. A search under way is read
    // to its end in the order before, and every match found goes on naming
    // the cell of its record.
    void reorderRows(const QVector<int> &newRow, const std::function<void()> &move);

private:
    friend class FindMatches;
    void advance(FindMatches::Scan &scan, int count);
    void settle();
    void orderChanged();
    void cellsChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    void contentsChanged();
    void watchCells(bool on);

    QTableWidget *m_table;
    QVector<vfind::ColumnChars> m_chars;
    QVector<bool> m_known;
    QVector<QPair<const QChar *, int>> m_lastAdded;   // the text each column added last while filling
    bool m_filling = false;
    QString m_lastText;
    std::shared_ptr<FindMatches::Scan> m_last;
    // Searches handed out that may still be read on.
    std::vector<std::weak_ptr<FindMatches::Scan>> m_open;
    // Every search handed out that someone still holds.
    std::vector<std::weak_ptr<FindMatches::Scan>> m_made;
    QMetaObject::Connection m_cellWatch;
};
