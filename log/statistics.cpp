// Error statistics: how often each code occurs in the loaded log. The counting
// is log/codestatistics.*, shared with velloran-report; here the record
// table is read and the statistics table filled.

#include "app/velloran.h"
#include "app/velloranform.h"
#include "log/codestatistics.h"
#include "log/recorditems.h"

namespace {

// The columns of the statistics table.
enum StatisticsColumn : int { StatCount, StatCode, StatMessage };

// The record table's cells as the statistics read them: the number and code
// texts from the window's copy of them, the others from the table.
class TableCells : public vlog::RecordCells
{
public:
    TableCells(const QTableWidget *table, RecordItems &copy) : m_table(table), m_copy(copy) {}
    int rowCount() const override { return m_table->rowCount(); }
    bool cell(int row, int column, QString &text) const override
    {
        if (RecordItems::keepsText(column)) {
            const QString *kept = m_copy.keptText(row, column);
            if (kept)
                text = *kept;
            return kept != nullptr;
        }
        const QTableWidgetItem *item = m_table->item(row, column);
        if (item)
            text = item->text();
        return item != nullptr;
    }

private:
    const QTableWidget *m_table;
    RecordItems &m_copy;
};

} // namespace

void Velloran::countCodes(int records)
{
    const vlog::CodeCounts counted = vlog::countCodes(TableCells(ui->tableWidget, recordItems()), records);
    fillStatistics(counted.counts, counted.codes);
}

void Velloran::fillStatistics(const QList<int> &counts, const QStringList &codes)
{
    QTableWidget *stats = ui->tableWidget_2;
    stats->setRowCount(codes.size());
    const QVector<vlog::StatisticsRow> rows = vlog::statisticsRows(
        TableCells(ui->tableWidget, recordItems()), counts, codes,
        [this](const QString &code, const QString &axisText) { return codeMessage(code, axisText); });
    // The rows come sorted, most frequent first; empty ones stay without items.
    for (int i = 0; i < rows.size(); ++i) {
        const vlog::StatisticsRow &row = rows.at(i);
        if (row.empty)
            continue;
        stats->setItem(i, StatCount, new QTableWidgetItem(row.countText));
        stats->setItem(i, StatCode, new QTableWidgetItem(row.code));
        stats->setItem(i, StatMessage, new QTableWidgetItem(row.message));
    }
    // Sorting the sorted rows again changes no row; it leaves the header's
    // sort indicator on the count column, as it always was.
    stats->sortItems(StatCount, Qt::DescendingOrder);
}
