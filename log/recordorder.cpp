#include "log/recordorder.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace vlog {

namespace {

// Whether two texts are of one shape: the same length, decimal digits at the
// same places and the same separator ("/", ":", "-", ".", blank) at every
// other place, as dates, times and numbers of one width are. Such texts sort
// by their first different digit in every locale, as they do character by
// character.
bool sameDigitShape(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    const QChar *p = a.constData();
    const QChar *q = b.constData();
    for (int i = 0; i < a.size(); ++i) {
        const ushort x = p[i].unicode();
        const ushort y = q[i].unicode();
        const bool digitX = ushort(x - '0') < 10;
        if (digitX != (ushort(y - '0') < 10))
            return false;
        if (!digitX && (x != y || !(x == '/' || x == ':' || x == '-' || x == '.' || x == ' ')))
            return false;
    }
    return true;
}

// Whether two texts share their characters, which makes them equal.
bool sameCharacters(const QString &a, const QString &b)
{
    return a.constData() == b.constData() && a.size() == b.size();
}

bool textLess(const QString &a, const QString &b)
{
    if (sameDigitShape(a, b))
        return QString::compare(a, b) < 0;
    return QString::localeAwareCompare(a, b) < 0;
}

// One sort key of every row. A column whose texts all have one shape (dates,
// times) compares the numbers their digits make; where a column holds few
// different texts they are ranked once and rows compare their ranks;
// otherwise rows compare their texts, which happens only between rows that
// the keys before tie.
class Key
{
public:
    Key(const SortStep &step, const ColumnCells &cells, int rows) : m_descending(step.descending), m_cells(cells)
    {
        if (rankByDigits(rows))
            return;
        // Equal texts of rows next to each other often share their characters
        // (the parser gives a repeated cell the text of the row before): those
        // are looked up once.
        QHash<QString, int> distinct;
        const QString *previous = nullptr;
        for (int r = 0; r < rows && distinct.size() <= rows / 4; ++r) {
            const QString *text = cells.at(r);
            if (!text || (previous && sameCharacters(*text, *previous)))
                continue;
            previous = text;
            distinct.insert(*text, 0);
        }
        if (distinct.size() > rows / 4)
            return;
        QVector<QString> texts;
        texts.reserve(distinct.size());
        for (auto it = distinct.cbegin(); it != distinct.cend(); ++it)
            texts.append(it.key());
        std::sort(texts.begin(), texts.end(), textLess);
        int rank = 0;
        for (int i = 0; i < texts.size(); ++i) {
            if (i > 0 && textLess(texts.at(i - 1), texts.at(i)))
                ++rank;
            distinct[texts.at(i)] = rank;
        }
        m_ranks.resize(rows);
        previous = nullptr;
        int previousRank = -1;
        for (int r = 0; r < rows; ++r) {
            const QString *text = cells.at(r);
            if (!text) {
                m_ranks[r] = -1;
                continue;
            }
            if (!previous || !sameCharacters(*text, *previous)) {
                previous = text;
                previousRank = distinct.value(*text);
            }
            m_ranks[r] = previousRank;
        }
    }

    // Negative when row a comes first, positive when row b does, 0 for a tie.
    int compare(int a, int b) const
    {
        const bool hasA = m_cells.at(a) != nullptr, hasB = m_cells.at(b) != nullptr;
        if (!hasA || !hasB)
            return hasA ? -1 : (hasB ? 1 : 0);
        if (m_descending)
            std::swap(a, b);
        if (!m_ranks.isEmpty())
            return m_ranks.at(a) < m_ranks.at(b) ? -1 : (m_ranks.at(b) < m_ranks.at(a) ? 1 : 0);
        if (!m_numbers.empty())
            return m_numbers[size_t(a)] < m_numbers[size_t(b)] ? -1 : (m_numbers[size_t(b)] < m_numbers[size_t(a)] ? 1 : 0);
        const QString &textA = *m_cells.at(a);
        const QString &textB = *m_cells.at(b);
        if (sameDigitShape(textA, textB)) {
            const int c = QString::compare(textA, textB);
            return c < 0 ? -1 : (c > 0 ? 1 : 0);
        }
        if (textLess(textA, textB))
            return -1;
        return textLess(textB, textA) ? 1 : 0;
    }

private:
    // A column whose texts all have one shape (dates, times) sorts as the
    // numbers that their digits make, read in one pass. False, with nothing
    // noted, for any other column.
    bool rankByDigits(int rows)
    {
        const QString *first = nullptr;
        int digits = 0;
        for (int r = 0; r < rows; ++r) {
            const QString *text = m_cells.at(r);
            if (!text)
                continue;
            if (!first) {
                first = text;
                for (const QChar c : *text)
                    digits += ushort(c.unicode() - '0') < 10;
                if (!sameDigitShape(*text, *text) || digits > 18)
                    return false;
            } else if (!sameDigitShape(*text, *first)) {
                return false;
            }
        }
        m_numbers.assign(size_t(rows), 0);
        for (int r = 0; r < rows; ++r) {
            const QString *text = m_cells.at(r);
            if (!text)
                continue;
            qint64 value = 0;
            for (const QChar c : *text)
                if (ushort(c.unicode() - '0') < 10)
                    value = value * 10 + (c.unicode() - '0');
            m_numbers[size_t(r)] = value;
        }
        return true;
    }

    bool m_descending;
    const ColumnCells &m_cells;
    QVector<int> m_ranks;
    std::vector<qint64> m_numbers;
};

} // namespace

QVector<int> orderAfterSorts(const QVector<SortStep> &steps, const QVector<ColumnCells> &cells, int rows)
{
    // The last sort decides; rows it ties keep the order the sort before left,
    // and so on down to the order before the first.
    std::vector<Key> keys;
    keys.reserve(size_t(steps.size()));
    for (int i = steps.size() - 1; i >= 0; --i)
        keys.emplace_back(steps.at(i), cells.at(i), rows);
    QVector<int> order(rows);
    for (int r = 0; r < rows; ++r)
        order[r] = r;
    std::sort(order.begin(), order.end(), [&keys](int a, int b) {
        for (const Key &key : keys)
            if (const int c = key.compare(a, b))
                return c < 0;
        return a < b;
    });
    return order;
}

} // namespace vlog
