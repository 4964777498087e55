#include "log/recorditems.h"

#include "log/recordcolumns.h"

#include <QAbstractItemModel>
#include <QTableWidget>

namespace {

// The columns that header clicks sort by.
constexpr int kSortColumns[] = {vlog::ColNo, vlog::ColCode, vlog::ColDate, vlog::ColTime};
constexpr int kSortColumnCount = int(sizeof kSortColumns / sizeof kSortColumns[0]);

// Where a column's text stands among a row's sort texts, or -1.
int sortSlot(int column)
{
    for (int i = 0; i < kSortColumnCount; ++i)
        if (kSortColumns[i] == column)
            return i;
    return -1;
}

} // namespace

RecordItems::RecordItems(QTableWidget *table) : QObject(table), m_table(table)
{
    const QAbstractItemModel *model = table->model();
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved,
                              &QAbstractItemModel::columnsInserted, &QAbstractItemModel::columnsRemoved})
        connect(model, signal, this, &RecordItems::stale);
    connect(model, &QAbstractItemModel::dataChanged, this, &RecordItems::stale);
    connect(model, &QAbstractItemModel::layoutChanged, this, &RecordItems::stale);
    connect(model, &QAbstractItemModel::modelReset, this, &RecordItems::stale);
    connect(model, &QAbstractItemModel::rowsMoved, this, &RecordItems::stale);
    connect(model, &QAbstractItemModel::columnsMoved, this, &RecordItems::stale);
}

void RecordItems::beginFill(int rows, int columns)
{
    m_current = false;
    m_columns = columns;
    m_items.assign(size_t(rows) * size_t(columns), nullptr);
    m_texts.assign(size_t(rows) * size_t(kSortColumnCount), QString());
}

void RecordItems::set(int row, int column, QTableWidgetItem *item, const QString &text)
{
    const size_t at = size_t(row) * size_t(m_columns) + size_t(column);
    if (row < 0 || column < 0 || column >= m_columns || at >= m_items.size())
        return;
    m_items[at] = item;
    const int slot = sortSlot(column);
    if (slot >= 0)
        m_texts[size_t(row) * size_t(kSortColumnCount) + size_t(slot)] = text.isNull() ? QLatin1String("") : text;
}

void RecordItems::endFill()
{
    m_current = m_columns == m_table->columnCount()
                && m_items.size() == size_t(m_table->rowCount()) * size_t(m_columns);
}

void RecordItems::bringUpToDate()
{
    if (m_current)
        return;
    const int rows = m_table->rowCount();
    beginFill(rows, m_table->columnCount());
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            if (QTableWidgetItem *item = m_table->item(r, c))
                set(r, c, item, item->text());
    m_current = true;
}

std::vector<QTableWidgetItem *> &RecordItems::all()
{
    bringUpToDate();
    return m_items;
}

bool RecordItems::keepsText(int column)
{
    return sortSlot(column) >= 0;
}

const QString *RecordItems::keptText(int row, int column)
{
    bringUpToDate();
    const int slot = sortSlot(column);
    const size_t at = size_t(row) * size_t(kSortColumnCount) + size_t(slot);
    if (slot < 0 || row < 0 || at >= m_texts.size() || m_texts[at].isNull())
        return nullptr;
    return &m_texts[at];
}

void RecordItems::rowsMoved(const QVector<int> &order)
{
    std::vector<QString> moved(m_texts.size());
    const size_t width = size_t(kSortColumnCount);
    for (int k = 0; k < order.size(); ++k) {
        const size_t from = size_t(order.at(k)) * width;
        if (from + width > m_texts.size() || size_t(k) * width + width > moved.size())
            return;
        for (size_t i = 0; i < width; ++i)
            moved[size_t(k) * width + i] = std::move(m_texts[from + i]);
    }
    m_texts.swap(moved);
}
