// The record table's behaviour: row selection, arrow keys and sorting.

#include "app/velloran.h"
#include "app/velloranform.h"
#include "search/finddialog.h"

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

} // namespace

void Velloran::sectionClicked(int column)
{
    QTableWidget *t = ui->tableWidget;
    const bool descending = sortToggle;
    sortToggle = !sortToggle;
    const Qt::SortOrder second = descending ? Qt::DescendingOrder : Qt::AscendingOrder;
    switch (column) {
    case vlog::ColNo:
        enableSorting(t);
        sortBy(t, vlog::ColNo, second);
        break;
    case vlog::ColCode:
        // By code, and within one code by date and time.
        enableSorting(t);
        sortBy(t, vlog::ColTime, Qt::AscendingOrder);
        sortBy(t, vlog::ColDate, Qt::AscendingOrder);
        sortBy(t, vlog::ColCode, second);
        break;
    case vlog::ColDate:
    case vlog::ColTime:
        enableSorting(t);
        sortBy(t, vlog::ColTime, second);
        sortBy(t, vlog::ColDate, second);
        break;
    default:
        t->setSortingEnabled(false);
        break;
    }
}
