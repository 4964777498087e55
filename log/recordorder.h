#pragma once
// The order of the record table's rows after stable sorts by one column after
// another, each comparing cells as the table does (locale-aware text
// comparison, a row without a cell after all others in either direction),
// computed at once.

#include <QString>
#include <QVector>

namespace vlog {

struct SortStep
{
    int column = 0;
    bool descending = false;
};

// The cells of one column: a text for each row, or nullptr for a row without
// a cell. The texts must outlive the call.
using ColumnCells = QVector<const QString *>;

// The rows in their order after sorting by `steps[0]`, then `steps[1]`, ...,
// each sort stable; `cells[i]` are the cells of the column of `steps[i]`.
// Entry k of the result is the row (in the order before the first sort) that
// comes to stand at k.
QVector<int> orderAfterSorts(const QVector<SortStep> &steps, const QVector<ColumnCells> &cells, int rows);

} // namespace vlog
