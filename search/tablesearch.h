#pragma once
// The matches of a find text in the record table: the items whose text
// contains it, letter case ignored, column by column from the top row down in
// the table's current row order.
//
// Pressing "Next" again searches the same text in the same table, so the
// items of the last search are kept until the table changes: its contents
// (another log), its row order (sorting) or any single cell. The characters
// that each column holds are kept until the contents change, so that a
// column that cannot hold the text is passed over.

#include "search/findmatch.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

class QTableWidget;
class QTableWidgetItem;

class TableSearch : public QObject
{
    Q_OBJECT
public:
    explicit TableSearch(QTableWidget *table);
    ~TableSearch() override;

    QList<QTableWidgetItem *> find(const QString &text);

private:
    void orderChanged();
    void contentsChanged();
    void watchCells(bool on);

    QTableWidget *m_table;
    QVector<vfind::ColumnChars> m_chars;
    QVector<bool> m_known;
    bool m_haveLast = false;
    QString m_lastText;
    QList<QTableWidgetItem *> m_lastItems;
    QMetaObject::Connection m_cellWatch;
};
