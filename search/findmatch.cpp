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
    // A text of plain ASCII alone (most cells) is noted character by character
    // without further tests, and its capitals are folded at the end, all at
    // once; other characters are folded one by one.
    const ushort *p = text.utf16();
    const int n = text.size();
    ushort all = 0;
    for (int i = 0; i < n; ++i)
        all |= p[i];
    std::uint64_t bits[2] = {0, 0};
    if (all < 128) {
        for (int i = 0; i < n; ++i)
            bits[p[i] >> 6] |= std::uint64_t(1) << (p[i] & 63);
    } else {
        for (int i = 0; i < n; ++i) {
            const unsigned u = p[i] < 128 ? p[i] : foldedAscii(QChar(p[i]));
            if (u < 128)
                bits[u >> 6] |= std::uint64_t(1) << (u & 63);
        }
    }
    bits[1] |= (bits[1] & kCapitals) << 32;
    m_ascii[0] |= bits[0];
    m_ascii[1] |= bits[1];
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
