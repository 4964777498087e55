// The record table's behaviour: row selection, arrow keys and sorting.

#include "app/velloran.h"
#include "app/velloranform.h"
#include "log/recorditems.h"
#include "log/recordorder.h"
#include "search/finddialog.h"
#include "search/tablesearch.h"
#include "app/waitcursor.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include <algorithm>
#include <tuple>
#include <vector>

void Velloran::OnRowSelect(int row, int)
{
    ui->tableWidget->installEventFilter(this);
    ui->tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    findDialog->raise();
    fillIoSnapshot(row);
    fillErrorTab(row);
    fillDetailPanel(row);
    if (arcFlag)
        fillArcView(row);
}

bool Velloran::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->tableWidget && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            // The row the table is about to move to, computed before it moves
            // and without bounds: the fillers show nothing new beyond the ends.
            int target = ui->tableWidget->currentRow() + (key == Qt::Key_Up ? -1 : 1);
            if (key == Qt::Key_Down && ui->tableWidget->rowCount() == 0)
                target = 0;
            fillIoSnapshot(target);
            fillErrorTab(target);
            fillDetailPanel(target);
        }
    }
    return QWidget::eventFilter(watched, event);
}

namespace {

// Switches sorting on. Header clicks then reach sectionClicked alone: the
// table does not also sort by the clicked column on its own.
void enableSorting(QTableWidget *table)
{
    table->setSortingEnabled(true);
    QObject::disconnect(table->horizontalHeader(), SIGNAL(sortIndicatorChanged(int,Qt::SortOrder)), table, nullptr);
}

Qt::SortOrder orderOf(const vlog::SortStep &step)
{
    return step.descending ? Qt::DescendingOrder : Qt::AscendingOrder;
}

// The selection with every row r moved to newRow[r], rows next to each other
// with the same columns merged again.
QItemSelection movedSelection(const QItemSelection &selection, const QVector<int> &newRow, const QAbstractItemModel *model)
{
    struct Piece
    {
        int left, right, row;
    };
    std::vector<Piece> pieces;
    for (const QItemSelectionRange &range : selection)
        for (int r = range.top(); r <= range.bottom(); ++r)
            if (r >= 0 && r < newRow.size())
                pieces.push_back({range.left(), range.right(), newRow.at(r)});
    std::sort(pieces.begin(), pieces.end(), [](const Piece &a, const Piece &b) {
        return std::tie(a.left, a.right, a.row) < std::tie(b.left, b.right, b.row);
    });
    QItemSelection moved;
    for (size_t i = 0; i < pieces.size();) {
        size_t j = i + 1;
        while (j < pieces.size() && pieces[j].left == pieces[i].left && pieces[j].right == pieces[i].right
               && pieces[j].row == pieces[j - 1].row + 1)
            ++j;
        moved.append(QItemSelectionRange(model->index(pieces[i].row, pieces[i].left),
                                         model->index(pieces[j - 1].row, pieces[i].right)));
        i = j;
    }
    return moved;
}

// Puts the row at order[k] to row k, with its cells, its height and its
// selection, as the table's own sort moves them, but without it: the table's
// own sort notes every cell twice in lists of model indexes. In a column with
// an item in every row the items stay and their contents move along the
// cycles of the order; in a column with gaps the items themselves are taken
// out and put back in their new rows while the model is quiet. Either way
// item(newRow[r], c) holds the cell that item(r, c) held.
void moveRows(QTableWidget *table, RecordItems &copy, const QVector<int> &order, const QVector<int> &newRow)
{
    std::vector<QTableWidgetItem *> &items = copy.all();
    const int rows = table->rowCount();
    const int columns = copy.columns();
    QHeaderView *vertical = table->verticalHeader();
    QVector<int> heights(rows);
    for (int r = 0; r < rows; ++r)
        heights[r] = table->rowHeight(r);
    QItemSelectionModel *selection = table->selectionModel();
    const QItemSelection selected = selection->selection();
    const QModelIndex current = selection->currentIndex();

    // Every item, row by row, as they lie in memory.
    const auto at = [columns](int row, int column) { return size_t(row) * size_t(columns) + size_t(column); };
    std::vector<int> full, gaps;
    std::vector<bool> gap(size_t(columns), false);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            if (!items[at(r, c)])
                gap[size_t(c)] = true;
    for (int c = 0; c < columns; ++c)
        (gap[size_t(c)] ? gaps : full).push_back(c);

    // Contents along the cycles: row j takes the cells of row order[j], the
    // first row of a cycle through a spare row.
    std::vector<QTableWidgetItem> spare(static_cast<size_t>(columns));
    std::vector<bool> done(size_t(rows), false);
    for (int start = 0; start < rows; ++start) {
        if (done[size_t(start)])
            continue;
        for (int c : full)
            spare[size_t(c)] = *items[at(start, c)];
        for (int j = start;;) {
            done[size_t(j)] = true;
            const int from = order.at(j);
            if (from == start) {
                for (int c : full)
                    *items[at(j, c)] = spare[size_t(c)];
                break;
            }
            for (int c : full)
                *items[at(j, c)] = *items[at(from, c)];
            j = from;
        }
    }

    if (!gaps.empty()) {
        // Sorting inserts an item put into the sorted column at its sorted
        // place; no column is sorted while the items move.
        QHeaderView *header = table->horizontalHeader();
        const int section = header->sortIndicatorSection();
        const Qt::SortOrder direction = header->sortIndicatorOrder();
        const bool headerWasQuiet = header->blockSignals(true);
        header->setSortIndicator(-1, direction);
        QAbstractItemModel *model = table->model();
        const bool modelWasQuiet = model->blockSignals(true);
        std::vector<QTableWidgetItem *> taken;
        taken.reserve(size_t(rows) * gaps.size());
        for (int r = 0; r < rows; ++r)
            for (int c : gaps)
                taken.push_back(table->takeItem(r, c));
        for (int k = 0; k < rows; ++k) {
            for (size_t g = 0; g < gaps.size(); ++g) {
                QTableWidgetItem *item = taken[size_t(order.at(k)) * gaps.size() + g];
                items[at(k, gaps[g])] = item;
                if (item)
                    table->setItem(k, gaps[g], item);
            }
        }
        model->blockSignals(modelWasQuiet);
        header->setSortIndicator(section, direction);
        header->blockSignals(headerWasQuiet);
    }

    // Without updates a row's new height costs the same in a table of any length.
    const bool verticalUpdates = vertical->updatesEnabled();
    vertical->setUpdatesEnabled(false);
    for (int k = 0; k < rows; ++k)
        if (table->rowHeight(k) != heights.at(order.at(k)))
            table->setRowHeight(k, heights.at(order.at(k)));
    vertical->setUpdatesEnabled(verticalUpdates);

    copy.rowsMoved(order);

    // The view stays where it is, as after the table's own sort.
    const bool autoScroll = table->hasAutoScroll();
    table->setAutoScroll(false);
    QAbstractItemModel *model = table->model();
    selection->select(movedSelection(selected, newRow, model), QItemSelectionModel::ClearAndSelect);
    if (current.isValid() && current.row() < rows)
        selection->setCurrentIndex(model->index(newRow.at(current.row()), current.column()),
                                   QItemSelectionModel::NoUpdate);
    table->setAutoScroll(autoScroll);
    table->viewport()->update();
    vertical->viewport()->update();
}

// Switches sorting on and sorts by each step in turn, as the table's own
// stable sorts would, one after another. Switching sorting on sorts by the
// header's sort indicator first; that sort counts as the first step.
// Returns the order to put the rows in, computed from the texts: entry k is
// the row that comes to stand at k.
QVector<int> sortOrder(QTableWidget *table, RecordItems &copy, const QVector<vlog::SortStep> &steps)
{
    const std::vector<QTableWidgetItem *> &items = copy.all();
    const int columns = copy.columns();
    QHeaderView *header = table->horizontalHeader();
    QVector<vlog::SortStep> all;
    if (!table->isSortingEnabled())
        all.append({header->sortIndicatorSection(), header->sortIndicatorOrder() == Qt::DescendingOrder});
    all += steps;

    const int rows = table->rowCount();
    std::vector<QVector<QString>> texts(size_t(all.size()));
    QVector<vlog::ColumnCells> cells(all.size());
    for (int i = 0; i < all.size(); ++i) {
        cells[i].fill(nullptr, rows);
        const int column = all.at(i).column;
        if (column < 0 || column >= columns)
            continue;
        if (copy.keepsText(column)) {
            for (int r = 0; r < rows; ++r)
                cells[i][r] = copy.keptText(r, column);
            continue;
        }
        texts[size_t(i)].resize(rows);
        for (int r = 0; r < rows; ++r) {
            if (const QTableWidgetItem *item = items[size_t(r) * size_t(columns) + size_t(column)]) {
                texts[size_t(i)][r] = item->text();
                cells[i][r] = &texts[size_t(i)].at(r);
            }
        }
    }
    const QVector<int> order = vlog::orderAfterSorts(all, cells, rows);

    if (!table->isSortingEnabled()) {
        // No section: switching sorting on sorts nothing (that sort is a step above).
        header->setSortIndicator(-2, Qt::AscendingOrder);
        enableSorting(table);
    }
    for (const vlog::SortStep &step : steps)
        header->setSortIndicator(step.column, orderOf(step));
    return order;
}

} // namespace

RecordItems &Velloran::recordItems()
{
    if (!recordItemsCopy)
        recordItemsCopy.reset(new RecordItems(ui->tableWidget));
    return *recordItemsCopy;
}

void Velloran::sectionClicked(int column)
{
    QTableWidget *t = ui->tableWidget;
    const bool descending = sortToggle;
    sortToggle = !sortToggle;
    QVector<vlog::SortStep> steps;
    switch (column) {
    case vlog::ColNo:
        steps = {{vlog::ColNo, descending}};
        break;
    case vlog::ColCode:
        // By code, and within one code by date and time.
        steps = {{vlog::ColTime, false}, {vlog::ColDate, false}, {vlog::ColCode, descending}};
        break;
    case vlog::ColDate:
    case vlog::ColTime:
        steps = {{vlog::ColTime, descending}, {vlog::ColDate, descending}};
        break;
    default:
        t->setSortingEnabled(false);
        return;
    }
    const WaitCursor wait;
    const QVector<int> order = sortOrder(t, recordItems(), steps);
    QVector<int> newRow(order.size());
    for (int k = 0; k < order.size(); ++k)
        newRow[order.at(k)] = k;
    // The arc entries go with the cells of their records' numbers.
    QVector<QPair<int, int>> arcRows;
    arcRows.reserve(arcEntryOfRecord.size());
    for (auto it = arcEntryOfRecord.cbegin(); it != arcEntryOfRecord.cend(); ++it)
        arcRows.append({t->row(it.key()), it.value()});
    tableSearcher().reorderRows(newRow, [&] { moveRows(t, recordItems(), order, newRow); });
    arcEntryOfRecord.clear();
    for (const QPair<int, int> &arc : qAsConst(arcRows))
        if (arc.first >= 0 && arc.first < newRow.size())
            if (const QTableWidgetItem *item = t->item(newRow.at(arc.first), vlog::ColNo))
                arcEntryOfRecord.insert(item, arc.second);
}
