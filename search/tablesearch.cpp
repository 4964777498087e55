#include "search/tablesearch.h"

#include <QAbstractItemModel>
#include <QTableWidget>

#include <algorithm>
#include <limits>

struct FindMatches::Scan
{
    vfind::ColumnScan cells;
    QList<QTableWidgetItem *> items;
    // Where each item stood when it was found, moved along when the rows are
    // put in another order.
    QVector<vfind::CellPos> places;
    // The search that reads on, or none once the scan has been read to its end.
    TableSearch *owner = nullptr;
};

bool FindMatches::has(int index) const
{
    if (!m_scan || index < 0)
        return false;
    if (index >= m_scan->items.size() && m_scan->owner)
        m_scan->owner->advance(*m_scan, index + 1);
    return index < m_scan->items.size();
}

QTableWidgetItem *FindMatches::at(int index) const
{
    return has(index) ? m_scan->items.at(index) : nullptr;
}

QList<QTableWidgetItem *> FindMatches::all() const
{
    if (!m_scan)
        return {};
    has(std::numeric_limits<int>::max() - 1);
    return m_scan->items;
}

TableSearch::TableSearch(QTableWidget *table) : QObject(table), m_table(table)
{
    QAbstractItemModel *model = table->model();
    // Before any change of rows, columns, their order or the whole contents,
    // the searches under way are read to their end.
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &TableSearch::settle);
    connect(model, &QAbstractItemModel::rowsAboutToBeInserted, this, &TableSearch::settle);
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, &TableSearch::settle);
    connect(model, &QAbstractItemModel::rowsAboutToBeMoved, this, &TableSearch::settle);
    connect(model, &QAbstractItemModel::columnsAboutToBeInserted, this, &TableSearch::settle);
    connect(model, &QAbstractItemModel::columnsAboutToBeRemoved, this, &TableSearch::settle);
    connect(model, &QAbstractItemModel::columnsAboutToBeMoved, this, &TableSearch::settle);
    connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, &TableSearch::settle);
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

TableSearch::~TableSearch()
{
    // The table goes with this search; what was found stays as it is.
    for (const std::weak_ptr<FindMatches::Scan> &open : m_open)
        if (const std::shared_ptr<FindMatches::Scan> scan = open.lock())
            scan->owner = nullptr;
}

FindMatches TableSearch::find(const QString &text)
{
    FindMatches matches;
    if (m_last && text == m_lastText) {
        matches.m_scan = m_last;
        return matches;
    }
    const int columns = m_table->columnCount();
    if (m_chars.size() != columns) {
        m_chars = QVector<vfind::ColumnChars>(columns);
        m_known = QVector<bool>(columns, false);
    }
    matches.m_scan = std::make_shared<FindMatches::Scan>();
    matches.m_scan->cells = vfind::ColumnScan(m_table->rowCount(), columns, text);
    matches.m_scan->owner = this;
    m_open.erase(std::remove_if(m_open.begin(), m_open.end(),
                                [](const std::weak_ptr<FindMatches::Scan> &open) { return open.expired(); }),
                 m_open.end());
    m_open.push_back(matches.m_scan);
    m_made.erase(std::remove_if(m_made.begin(), m_made.end(),
                                [](const std::weak_ptr<FindMatches::Scan> &made) { return made.expired(); }),
                 m_made.end());
    m_made.push_back(matches.m_scan);
    m_last = matches.m_scan;
    m_lastText = text;
    watchCells(true);
    return matches;
}

void TableSearch::advance(FindMatches::Scan &scan, int count)
{
    const QTableWidget *table = m_table;
    const int before = scan.cells.found().size();
    scan.cells.advance(count, m_chars, m_known, [table](int row, int column, QString &out) {
        const QTableWidgetItem *item = table->item(row, column);
        if (!item)
            return false;
        out = item->text();
        return true;
    });
    const QVector<vfind::CellPos> &found = scan.cells.found();
    for (int i = before; i < found.size(); ++i) {
        scan.items.append(m_table->item(found.at(i).row, found.at(i).column));
        scan.places.append(found.at(i));
    }
    if (scan.cells.finished())
        scan.owner = nullptr;
}

void TableSearch::settle()
{
    for (const std::weak_ptr<FindMatches::Scan> &open : m_open)
        if (const std::shared_ptr<FindMatches::Scan> scan = open.lock())
            if (scan->owner)
                advance(*scan, std::numeric_limits<int>::max());
    m_open.clear();
}

void TableSearch::beginFill()
{
    contentsChanged();
    const int columns = m_table->columnCount();
    m_chars = QVector<vfind::ColumnChars>(columns);
    m_known = QVector<bool>(columns, false);
    m_lastAdded = QVector<QPair<const QChar *, int>>(columns, {nullptr, 0});
    m_filling = true;
}

void TableSearch::addCell(int column, const QString &text)
{
    if (!m_filling || column < 0 || column >= m_chars.size())
        return;
    // A text shared with the column's previous cell adds no character. (The
    // cells hold their texts while the table fills, so an address seen
    // before still holds the same characters.)
    QPair<const QChar *, int> &last = m_lastAdded[column];
    if (text.constData() == last.first && text.size() == last.second)
        return;
    last = {text.constData(), text.size()};
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

void TableSearch::reorderRows(const QVector<int> &newRow, const std::function<void()> &move)
{
    orderChanged();
    move();
    for (const std::weak_ptr<FindMatches::Scan> &made : m_made) {
        const std::shared_ptr<FindMatches::Scan> scan = made.lock();
        if (!scan)
            continue;
        for (int i = 0; i < scan->places.size(); ++i) {
            vfind::CellPos &place = scan->places[i];
            const bool inTable = place.row >= 0 && place.row < newRow.size();
            place.row = inTable ? newRow.at(place.row) : -1;
            scan->items[i] = inTable ? m_table->item(place.row, place.column) : nullptr;
        }
    }
}

void TableSearch::orderChanged()
{
    settle();
    m_last.reset();
}

void TableSearch::cellsChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight)
{
    // A column's characters may only grow: a character noted for a text that
    // is gone merely lets the column be read.
    for (int column = topLeft.column(); column <= bottomRight.column(); ++column) {
        if (column < 0 || column >= m_known.size() || !m_known.at(column))
            continue;
        for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
            if (const QTableWidgetItem *item = m_table->item(row, column))
                m_chars[column].add(item->text());
    }
    // The record table is not edited once filled; should a cell change, a
    // search under way reads the cells as they are now.
    orderChanged();
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
