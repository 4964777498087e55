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

// 'A'..'Z' are bits 1..26 of the high word, 'a'..'z' bits 33..58.
constexpr std::uint64_t kCapitals = ((std::uint64_t(1) << 26) - 1) << 1;

} // namespace

void ColumnChars::add(const QString &text)
{
    // Plain ASCII is noted as it stands and its capitals are folded at the
    // end, all at once; other characters are folded one by one.
    std::uint64_t low = 0, high = 0;
    for (const QChar c : text) {
        const unsigned u = c.unicode();
        if (u < 64) {
            low |= std::uint64_t(1) << u;
        } else if (u < 128) {
            high |= std::uint64_t(1) << (u - 64);
        } else {
            const unsigned f = foldedAscii(c);
            if (f < 128)
                (f < 64 ? low : high) |= std::uint64_t(1) << (f % 64);
        }
    }
    high |= (high & kCapitals) << 32;
    m_ascii[0] |= low;
    m_ascii[1] |= high;
}

bool ColumnChars::mayContain(const ColumnChars &needle) const
{
    // A capital in the text is found as its small letter: a column of small
    // letters alone can hold it.
    return (needle.m_ascii[0] & ~m_ascii[0]) == 0 && (needle.m_ascii[1] & ~kCapitals & ~m_ascii[1]) == 0;
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
