#include "log/codestatistics.h"

#include "details/messagecodes.h"
#include "log/codesuffix.h"
#include "log/recordcolumns.h"

#include <QHash>

#include <algorithm>

namespace vlog {

CodeCounts countCodes(const RecordCells &table, int records)
{
    CodeCounts out;
    QHash<QString, int> index;
    for (int r = 0; r < records; ++r) {
        QString code;
        if (!table.cell(r, ColCode, code))
            code = QString();
        const auto at = index.constFind(code);
        if (at == index.constEnd()) {
            index.insert(code, out.codes.size());
            out.codes << code;
            out.counts << 1;
        } else {
            ++out.counts[at.value()];
        }
    }
    return out;
}

// Every code is the whole text of some cell in the code column, so the search
// never goes beyond it.
QVector<int> firstRowsEndingWith(const RecordCells &table, const QStringList &codes)
{
    const CodeSuffixes suffixes(codes);
    QVector<int> rowOf(codes.size(), -1);
    int missing = codes.size();
    QVector<int> found;
    QString text;
    const int rows = table.rowCount();
    for (int c = 0; c < kRecordColumns && missing > 0; ++c) {
        for (int r = 0; r < rows && missing > 0; ++r) {
            if (!table.cell(r, c, text))
                continue;
            found.clear();
            suffixes.match(text, found);
            for (int code : found) {
                if (rowOf.at(code) < 0) {
                    rowOf[code] = r;
                    --missing;
                }
            }
        }
    }
    return rowOf;
}

QVector<StatisticsRow> statisticsRows(const RecordCells &table, const QList<int> &counts, const QStringList &codes,
                                      const CodeMessage &message)
{
    const QVector<int> firstRows = firstRowsEndingWith(table, codes);
    QVector<StatisticsRow> filled, empty;
    for (int i = 0; i < codes.size(); ++i) {
        StatisticsRow row;
        row.code = codes.at(i);
        row.count = counts.value(i);
        if (codeMeaning(row.code).kind == CodeKind::Unknown) {
            row.empty = true;
            empty << row;
            continue;
        }
        QString axis;
        if (!table.cell(firstRows.at(i), ColAxisNo, axis))
            axis = QString();
        row.message = message(row.code, axis);
        row.countText = QStringLiteral("%1").arg(row.count, 2, 10, QLatin1Char('0'));
        filled << row;
    }
    // The table sorts its items by their text, descending and stable; rows
    // without an item in the count column go after them as they stood.
    std::stable_sort(filled.begin(), filled.end(), [](const StatisticsRow &a, const StatisticsRow &b) {
        return QString::localeAwareCompare(b.countText, a.countText) < 0;
    });
    return filled + empty;
}

} // namespace vlog
