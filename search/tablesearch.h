#pragma once
// The matches of a find text in the record table: the items whose text
// contains it, letter case ignored, column by column from the top row down in
// the table's current row order.
//
// Pressing "Next" again searches the same text in the same table, so the
// items of the last search are kept until the table changes: its contents
// (another log), its row order (sorting) or any cell. The characters
// that each column holds are noted while a log fills the table (or by the
// first search) and kept until the contents change, so that a column that
// cannot hold the text is passed over without reading its cells.

#include "search/findmatch.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

class QModelIndex;
class QTableWidget;
class QTableWidgetItem;

class TableSearch : public QObject
{
    Q_OBJECT
public:
    explicit TableSearch(QTableWidget *table);
    ~TableSearch() override;

    QList<QTableWidgetItem *> find(const QString &text);

    // Filling the table with a new log, after its rows are made: each cell's
    // text as it is put in, so that the first search already knows the
    // characters of every column.
    void beginFill();
    void addCell(int column, const QString &text);
    void endFill();

private:
    void orderChanged();
    void cellsChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight);
    void contentsChanged();
    void watchCells(bool on);

    QTableWidget *m_table;
    QVector<vfind::ColumnChars> m_chars;
    QVector<bool> m_known;
    bool m_filling = false;
    bool m_haveLast = false;
    QString m_lastText;
    QList<QTableWidgetItem *> m_lastItems;
    QMetaObject::Connection m_cellWatch;
};
