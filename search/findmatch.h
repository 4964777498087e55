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
#include <limits>

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

// The cells of a table of `rows` x `columns` that contain `text`, in column
// order, read only as far as the matches asked for so far: a search can stop
// after any number of matches and go on later where it stopped.
//
// `cellText(row, column, out)` gives the text of a cell and returns false for
// a cell without an item. `chars` holds one entry per column; `known[column]`
// says whether that entry is complete. An unknown column read whole from its
// first row has its entry completed on the way.
class ColumnScan
{
public:
    ColumnScan() = default;
    ColumnScan(int rows, int columns, const QString &text)
        : m_rows(rows), m_columns(text.isEmpty() ? 0 : columns), m_text(text), m_wanted(ColumnChars::of(text))
    {
    }

    bool finished() const { return m_column >= m_columns; }
    const QVector<CellPos> &found() const { return m_found; }

    // Reads on until `count` matches are found or the last cell is read.
    template <typename CellText>
    void advance(int count, QVector<ColumnChars> &chars, QVector<bool> &known, CellText cellText)
    {
        QString cell;
        while (m_found.size() < count && !finished()) {
            if (m_row == 0) {
                m_readWhole = !(m_column < known.size() && known.at(m_column) && m_column < chars.size());
                m_seen = ColumnChars();
                if (!m_readWhole && !chars.at(m_column).mayContain(m_wanted)) {
                    ++m_column;
                    continue;
                }
            }
            for (; m_row < m_rows && m_found.size() < count; ++m_row) {
                if (!cellText(m_row, m_column, cell))
                    continue;
                if (m_readWhole)
                    m_seen.add(cell);
                if (cellMatches(cell, m_text))
                    m_found.append(CellPos{m_row, m_column});
            }
            if (m_row < m_rows)
                break;
            if (m_readWhole && m_column < chars.size() && m_column < known.size()) {
                chars[m_column] = m_seen;
                known[m_column] = true;
            }
            m_row = 0;
            ++m_column;
        }
    }

private:
    int m_rows = 0;
    int m_columns = 0;
    QString m_text;
    ColumnChars m_wanted;
    int m_column = 0;
    int m_row = 0;
    bool m_readWhole = false;
    ColumnChars m_seen;
    QVector<CellPos> m_found;
};

// Every cell of the table that contains `text`, in column order (a scan read
// to its end).
template <typename CellText>
QVector<CellPos> findInColumns(int rows, int columns, const QString &text, QVector<ColumnChars> &chars,
                               QVector<bool> &known, CellText cellText)
{
    ColumnScan scan(rows, columns, text);
    scan.advance(std::numeric_limits<int>::max(), chars, known, cellText);
    return scan.found();
}

} // namespace vfind
