// Error statistics: how often each code occurs in the loaded log.

#include "app/velloran.h"
#include "app/velloranform.h"
#include "log/codesuffix.h"

namespace {

// The columns of the statistics table.
enum StatisticsColumn : int { StatCount, StatCode, StatMessage };

// For each code, the row of the first cell (column by column, each from the
// top) whose text ends with the code, ignoring case. Every code is the whole
// text of some cell in the code column, so the search never goes beyond it.
QHash<QString, int> firstRowsEndingWith(const QTableWidget *table, const QStringList &codes)
{
    const vlog::CodeSuffixes suffixes(codes);
    QVector<int> rowOf(codes.size(), -1);
    int missing = codes.size();
    QVector<int> found;
    for (int c = 0; c < table->columnCount() && missing > 0; ++c) {
        for (int r = 0; r < table->rowCount() && missing > 0; ++r) {
            const QTableWidgetItem *item = table->item(r, c);
            if (!item)
                continue;
            found.clear();
            suffixes.match(item->text(), found);
            for (int code : found) {
                if (rowOf.at(code) < 0) {
                    rowOf[code] = r;
                    --missing;
                }
            }
        }
    }
    QHash<QString, int> rows;
    for (int i = 0; i < codes.size(); ++i)
        if (rowOf.at(i) >= 0)
            rows.insert(codes.at(i), rowOf.at(i));
    return rows;
}

} // namespace

void Velloran::countCodes(int records)
{
    // Distinct codes in the order of their first appearance.
    QStringList codes;
    QHash<QString, int> index;
    QList<int> counts;
    for (int r = 0; r < records; ++r) {
        const QTableWidgetItem *item = ui->tableWidget->item(r, vlog::ColCode);
        const QString code = item ? item->text() : QString();
        const auto at = index.constFind(code);
        if (at == index.constEnd()) {
            index.insert(code, codes.size());
            codes << code;
            counts << 1;
        } else {
            ++counts[at.value()];
        }
    }
    fillStatistics(counts, codes);
}

void Velloran::fillStatistics(const QList<int> &counts, const QStringList &codes)
{
    QTableWidget *stats = ui->tableWidget_2;
    stats->setRowCount(codes.size());
    const QHash<QString, int> firstRows = firstRowsEndingWith(ui->tableWidget, codes);
    for (int i = 0; i < codes.size(); ++i) {
        const QString &code = codes.at(i);
        if (vlog::codeMeaning(code).kind == vlog::CodeKind::Unknown)
            continue;
        const QTableWidgetItem *axis = ui->tableWidget->item(firstRows.value(code, -1), vlog::ColAxisNo);
        const QString message = codeMessage(code, axis ? axis->text() : QString());
        stats->setItem(i, StatCount, new QTableWidgetItem(QStringLiteral("%1").arg(counts.value(i), 2, 10, QLatin1Char('0'))));
        stats->setItem(i, StatCode, new QTableWidgetItem(code));
        stats->setItem(i, StatMessage, new QTableWidgetItem(message));
    }
    stats->sortItems(StatCount, Qt::DescendingOrder);
}
