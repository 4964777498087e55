#pragma once
// Error statistics: how often each code occurs in a log, most frequent first,
// each with the message of its code. The window's statistics page and
// velloran-report both take them from here, so they agree by construction.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace vlog {

// The record table as the statistics read it back.
class RecordCells
{
public:
    virtual ~RecordCells() = default;
    virtual int rowCount() const = 0;
    // Whether cell (row, column) has an item, its text put into `text` then.
    virtual bool cell(int row, int column, QString &text) const = 0;
};

// The distinct texts of the "Code" column of rows 0 to records - 1, in the
// order of their first appearance, with how often each occurs. A row without
// a code item counts under the null text.
struct CodeCounts
{
    QStringList codes;
    QList<int> counts;
};
CodeCounts countCodes(const RecordCells &table, int records);

// For each code, the row of the first cell whose text ends with the code,
// ignoring case, searching column by column and each column from its first
// row (as QTableWidget::findItems with Qt::MatchEndsWith); -1 for none.
QVector<int> firstRowsEndingWith(const RecordCells &table, const QStringList &codes);

// One row of the statistics table.
struct StatisticsRow
{
    QString countText;   // the count with at least two digits ("05")
    QString code;
    QString message;
    int count = 0;
    bool empty = false;  // a code of no known kind: the row shows nothing
};

// The message of a code with the parameters of its "AxisNo" text.
using CodeMessage = std::function<QString(const QString &code, const QString &axisText)>;

// The statistics rows in the order the window lists them: count texts
// descending, compared as the table's items compare them (locale-aware
// text), equal counts in the order of the codes given, empty rows last. The
// message of each code takes the parameters of the "AxisNo" cell in the row
// of the first cell that ends with the code.
QVector<StatisticsRow> statisticsRows(const RecordCells &table, const QList<int> &counts, const QStringList &codes,
                                      const CodeMessage &message);

} // namespace vlog
