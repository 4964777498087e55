#pragma once
// Which codes a text ends with, ignoring case: the search of the error
// statistics for the parameters of each code.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace vlog {

// A text "ends with" a code when the case-folded last characters of the text
// equal the case-folded code, exactly as comparing
// text.right(code.size()).toCaseFolded() with code.toCaseFolded() decides.
// The codes stand reversed in a tree of characters, so that one walk from the
// end of a text finds every code it ends with in time bounded by the text's
// length, however many codes of however many lengths there are. Qt folds a
// text with surrogates (halves of characters beyond the first 65,536) in ways
// that depend on their neighbours, so such a text is compared length by
// length as the definition says.
class CodeSuffixes
{
public:
    explicit CodeSuffixes(const QStringList &codes);

    // Appends to `found` the index (into the codes given) of every code the
    // text ends with; each index at most once.
    void match(const QString &text, QVector<int> &found) const;

private:
    int child(int node, ushort c) const;
    int addChild(int node, ushort c);
    void addEnds(int node, QVector<int> &found) const;

    // A node keeps its first two children in place, as most have no more;
    // further ones go to a hash of (node << 16 | character).
    struct Node
    {
        ushort chars[2] = {0, 0};
        int children[2] = {-1, -1};
        int firstEnd = -1;   // a code that ends here; more in m_nextEnd
    };
    QVector<Node> m_nodes;
    QHash<quint64, int> m_moreChildren;
    QVector<int> m_nextEnd;           // per code: the next code ending at the same node
    QHash<QString, QVector<int>> m_byFolded; // folded code -> codes that fold to it
    QVector<int> m_lengths;           // the lengths of the codes, ascending
};

} // namespace vlog
