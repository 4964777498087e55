#include "search/findmatch.h"

#include <QChar>

namespace vfind {

namespace {

// The ASCII character that `c` folds to, or 128 when it folds to another one.
unsigned foldedAscii(QChar c)
{
    const unsigned u = c.unicode();
    if (u < 128)
        return (u >= 'A' && u <= 'Z') ? u + ('a' - 'A') : u;
    const unsigned folded = QChar::toCaseFolded(u);
    return folded < 128 ? folded : 128;
}

} // namespace

void ColumnChars::add(const QString &text)
{
    for (const QChar c : text) {
        const unsigned f = foldedAscii(c);
        if (f < 128)
            m_ascii[f / 64] |= std::uint64_t(1) << (f % 64);
    }
}

bool ColumnChars::mayContain(const ColumnChars &needle) const
{
    return (needle.m_ascii[0] & ~m_ascii[0]) == 0 && (needle.m_ascii[1] & ~m_ascii[1]) == 0;
}

ColumnChars ColumnChars::of(const QString &text)
{
    ColumnChars chars;
    chars.add(text);
    return chars;
}

bool cellMatches(const QString &cell, const QString &text)
{
    return cell.contains(text, Qt::CaseInsensitive);
}

} // namespace vfind
