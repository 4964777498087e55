// Error statistics: how often each code occurs in the loaded log.

#include "app/velloran.h"
#include "app/velloranform.h"

namespace {

// The columns of the statistics table.
enum StatisticsColumn : int { StatCount, StatCode, StatMessage };

// For each code, the row of the first cell (column by column, each from the
// top) whose text ends with the code, ignoring case. Every code is the whole
// text of some cell in the code column, so the search never goes beyond it;
// each cell is checked only against codes of a length it can end with.
QHash<QString, int> firstRowsEndingWith(const QTableWidget *table, const QStringList &codes)
{
    QHash<QString, QStringList> byFolded;   // folded code -> codes that fold to it
    QSet<int> lengths;
    for (const QString &code : codes) {
        byFolded[code.toCaseFolded()] << code;
        lengths.insert(code.size());
    }
    QList<int> sortedLengths = lengths.values();
    std::sort(sortedLengths.begin(), sortedLengths.end());

    QHash<QString, int> rows;
    for (int c = 0; c < table->columnCount() && rows.size() < codes.size(); ++c) {
        for (int r = 0; r < table->rowCount() && rows.size() < codes.size(); ++r) {
            const QTableWidgetItem *item = table->item(r, c);
            if (!item)
                continue;
            const QString text = item->text();
            for (int length : sortedLengths) {
                if (length > text.size())
                    break;
                const auto found = byFolded.constFind(text.right(length).toCaseFolded());
                if (found == byFolded.constEnd())
                    continue;
                for (const QString &code : found.value())
                    if (!rows.contains(code))
                        rows.insert(code, r);
            }
        }
    }
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
