#pragma once
// Matching the find text against the cells of the record table, without
// widgets: a cell matches when it contains the text anywhere, letter case
// ignored. Matches come column by column, and within a column from the top
// row down.
//
// A column whose cells, taken together, lack one of the text's characters
// cannot hold a match; ColumnChars records which characters a column has so
// that such a column is passed over without reading its cells. The result is
// the same as reading every cell.

#include <QString>
#include <QVector>

#include <array>
#include <cstdint>

namespace vfind {

// The characters of some texts, letter case folded, as far as they fold to
// ASCII characters; other characters are not recorded and never rule a
// column out.
class ColumnChars
{
public:
    void add(const QString &text);
    // False when no text added here can contain `needle`, case ignored.
    bool mayContain(const ColumnChars &needle) const;
    static ColumnChars of(const QString &text);

private:
    std::array<std::uint64_t, 2> m_ascii{{0, 0}};
};

// Whether the cell text contains the find text, letter case ignored.
bool cellMatches(const QString &cell, const QString &text);

struct CellPos
{
    int row;
    int column;
};

// Every cell of a table of `rows` x `columns` that contains `text`, in column
// order. `cellText(row, column, out)` gives the text of a cell and returns
// false for a cell without an item. `chars` holds one entry per column;
// `known[column]` says whether that entry is complete. An unknown column is
// read whole and its entry completed on the way.
template <typename CellText>
QVector<CellPos> findInColumns(int rows, int columns, const QString &text, QVector<ColumnChars> &chars,
                               QVector<bool> &known, CellText cellText)
{
    QVector<CellPos> found;
    if (text.isEmpty())
        return found;
    const ColumnChars wanted = ColumnChars::of(text);
    QString cell;
    for (int column = 0; column < columns; ++column) {
        const bool complete = column < known.size() && known.at(column) && column < chars.size();
        if (complete) {
            if (!chars.at(column).mayContain(wanted))
                continue;
            for (int row = 0; row < rows; ++row)
                if (cellText(row, column, cell) && cellMatches(cell, text))
                    found.append(CellPos{row, column});
            continue;
        }
        ColumnChars seen;
        for (int row = 0; row < rows; ++row) {
            if (!cellText(row, column, cell))
                continue;
            seen.add(cell);
            if (cellMatches(cell, text))
                found.append(CellPos{row, column});
        }
        if (column < chars.size() && column < known.size()) {
            chars[column] = seen;
            known[column] = true;
        }
    }
    return found;
}

} // namespace vfind
