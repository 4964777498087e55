// The record table's behaviour: row selection, arrow keys and sorting.

#include "app/velloran.h"
#include "app/velloranform.h"
#include "log/recorditem.h"
#include "log/recordorder.h"
#include "search/finddialog.h"
#include "app/waitcursor.h"

#include <QHeaderView>
#include <QKeyEvent>

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

bool RecordItem::s_byPlace = false;

namespace {

// Switches sorting on. Header clicks then reach sectionClicked alone: the
// table does not also sort by the clicked column on its own.
void enableSorting(QTableWidget *table)
{
    table->setSortingEnabled(true);
    QObject::disconnect(table->horizontalHeader(), SIGNAL(sortIndicatorChanged(int,Qt::SortOrder)), table, nullptr);
}

void sortBy(QTableWidget *table, int column, Qt::SortOrder order)
{
    table->horizontalHeader()->setSortIndicator(column, order);
    table->sortItems(column, order);
}

Qt::SortOrder orderOf(const vlog::SortStep &step)
{
    return step.descending ? Qt::DescendingOrder : Qt::AscendingOrder;
}

// Switches sorting on and sorts by each step in turn, as the table's own
// stable sorts would, one after another. Switching sorting on sorts by the
// header's sort indicator first; that sort counts as the first step.
// The rows are reordered once: the order is computed from the texts, and the
// table's sort moves its rows with their heights and selection by comparing
// the places the rows are to take.
void sortRecords(QTableWidget *table, const QVector<vlog::SortStep> &steps)
{
    QHeaderView *header = table->horizontalHeader();
    QVector<vlog::SortStep> all;
    if (!table->isSortingEnabled())
        all.append({header->sortIndicatorSection(), header->sortIndicatorOrder() == Qt::DescendingOrder});
    all += steps;

    const int rows = table->rowCount();
    const int last = steps.last().column;
    QVector<RecordItem *> lastItems(rows);
    for (int r = 0; r < rows; ++r) {
        lastItems[r] = dynamic_cast<RecordItem *>(table->item(r, last));
        if (!lastItems.at(r)) {
            // A row without a record cell there: the table sorts as it sorts.
            enableSorting(table);
            for (const vlog::SortStep &step : steps)
                sortBy(table, step.column, orderOf(step));
            return;
        }
    }

    std::vector<QVector<QString>> texts(size_t(all.size()));
    QVector<vlog::ColumnCells> cells(all.size());
    for (int i = 0; i < all.size(); ++i) {
        texts[size_t(i)].resize(rows);
        cells[i].fill(nullptr, rows);
        const int column = all.at(i).column;
        if (column < 0 || column >= table->columnCount())
            continue;
        for (int r = 0; r < rows; ++r) {
            if (const QTableWidgetItem *item = table->item(r, column)) {
                texts[size_t(i)][r] = item->text();
                cells[i][r] = &texts[size_t(i)].at(r);
            }
        }
    }
    const QVector<int> order = vlog::orderAfterSorts(all, cells, rows);
    for (int place = 0; place < rows; ++place)
        lastItems.at(order.at(place))->setPlace(place);

    if (!table->isSortingEnabled()) {
        // No section: switching sorting on sorts nothing (that sort is a step above).
        header->setSortIndicator(-2, Qt::AscendingOrder);
        enableSorting(table);
    }
    for (const vlog::SortStep &step : steps)
        header->setSortIndicator(step.column, orderOf(step));
    {
        const RecordItem::ByPlace byPlace;
        table->sortItems(last, Qt::AscendingOrder);
    }
    header->setSortIndicator(last, orderOf(steps.last()));
}

} // namespace

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
    sortRecords(t, steps);
}
