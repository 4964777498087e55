#pragma once
// The record table's items, row by row, as the log put them in, and the texts
// of the columns that header clicks sort by (among them the number and code
// that the statistics count): a copy that sorting and counting read instead
// of asking the table for each of its cells. Any change the table's model
// announces makes the copy stale; a stale copy is read again from the table
// when it is next needed.

#include <QObject>
#include <QString>
#include <QVector>

#include <vector>

class QTableWidget;
class QTableWidgetItem;

class RecordItems : public QObject
{
    Q_OBJECT
public:
    explicit RecordItems(QTableWidget *table);

    // A log fills the table while its model is quiet: each item as it is put in.
    void beginFill(int rows, int columns);
    void set(int row, int column, QTableWidgetItem *item, const QString &text);
    void endFill();

    // Every item of the table, row by row, nullptr for a cell without one.
    // Whoever moves the items while the model is quiet moves them here too,
    // and then tells rowsMoved.
    std::vector<QTableWidgetItem *> &all();
    int columns() const { return m_columns; }
    // The text of a cell of a column whose texts are kept (those that header
    // clicks sort by), or nullptr for a cell without an item; valid until the
    // copy changes.
    const QString *keptText(int row, int column);
    static bool keepsText(int column);
    // The rows were put in the order that `order` gives (entry k is the row
    // that came to stand at k).
    void rowsMoved(const QVector<int> &order);

private:
    void stale() { m_current = false; }
    void bringUpToDate();

    QTableWidget *m_table;
    std::vector<QTableWidgetItem *> m_items;
    // Per row, the texts of the sorting columns; null where a cell has no item.
    std::vector<QString> m_texts;
    int m_columns = 0;
    bool m_current = false;
};
