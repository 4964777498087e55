#include "search/tablesearch.h"

#include <QAbstractItemModel>
#include <QTableWidget>

TableSearch::TableSearch(QTableWidget *table) : QObject(table), m_table(table)
{
    QAbstractItemModel *model = table->model();
    // Changes of rows, columns or the whole contents are rare (a new log) and
    // always watched; single cells only while something is kept, so that
    // filling the table with a new log costs nothing here.
    connect(model, &QAbstractItemModel::modelReset, this, &TableSearch::contentsChanged);
    connect(model, &QAbstractItemModel::rowsInserted, this, &TableSearch::contentsChanged);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TableSearch::contentsChanged);
    connect(model, &QAbstractItemModel::columnsInserted, this, &TableSearch::contentsChanged);
    connect(model, &QAbstractItemModel::columnsRemoved, this, &TableSearch::contentsChanged);
    connect(model, &QAbstractItemModel::columnsMoved, this, &TableSearch::contentsChanged);
    connect(model, &QAbstractItemModel::rowsMoved, this, &TableSearch::orderChanged);
    connect(model, &QAbstractItemModel::layoutChanged, this, &TableSearch::orderChanged);
}

TableSearch::~TableSearch() = default;

QList<QTableWidgetItem *> TableSearch::find(const QString &text)
{
    if (m_haveLast && text == m_lastText)
        return m_lastItems;
    const int rows = m_table->rowCount();
    const int columns = m_table->columnCount();
    if (m_chars.size() != columns) {
        m_chars = QVector<vfind::ColumnChars>(columns);
        m_known = QVector<bool>(columns, false);
    }
    const QTableWidget *table = m_table;
    const QVector<vfind::CellPos> found =
        vfind::findInColumns(rows, columns, text, m_chars, m_known, [table](int row, int column, QString &out) {
            const QTableWidgetItem *item = table->item(row, column);
            if (!item)
                return false;
            out = item->text();
            return true;
        });
    QList<QTableWidgetItem *> items;
    items.reserve(found.size());
    for (const vfind::CellPos &pos : found)
        items.append(m_table->item(pos.row, pos.column));
    m_lastText = text;
    m_lastItems = items;
    m_haveLast = true;
    watchCells(true);
    return items;
}

void TableSearch::beginFill()
{
    contentsChanged();
    const int columns = m_table->columnCount();
    m_chars = QVector<vfind::ColumnChars>(columns);
    m_known = QVector<bool>(columns, false);
    m_filling = true;
}

void TableSearch::addCell(int column, const QString &text)
{
    if (m_filling && column >= 0 && column < m_chars.size())
        m_chars[column].add(text);
}

void TableSearch::endFill()
{
    if (!m_filling)
        return;
    m_filling = false;
    m_known.fill(true);
    watchCells(true);
}

void TableSearch::orderChanged()
{
    m_haveLast = false;
    m_lastItems.clear();
}

void TableSearch::cellsChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    orderChanged();
    // A column's characters may only grow: a character noted for a text that
    // is gone merely lets the column be read.
    for (int column = topLeft.column(); column <= bottomRight.column(); ++column) {
        if (column < 0 || column >= m_known.size() || !m_known.at(column))
            continue;
        for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
            if (const QTableWidgetItem *item = m_table->item(row, column))
                m_chars[column].add(item->text());
    }
}

void TableSearch::contentsChanged()
{
    m_filling = false;
    orderChanged();
    m_known.fill(false);
    watchCells(false);
}

void TableSearch::watchCells(bool on)
{
    if (on && !m_cellWatch)
        m_cellWatch = connect(m_table->model(), &QAbstractItemModel::dataChanged, this, &TableSearch::cellsChanged);
    else if (!on && m_cellWatch) {
        disconnect(m_cellWatch);
        m_cellWatch = QMetaObject::Connection();
    }
}
