#include "log/codesuffix.h"

#include <QSet>

#include <algorithm>

namespace vlog {

namespace {

bool hasSurrogates(const QString &text)
{
    for (const QChar c : text)
        if (c.isSurrogate())
            return true;
    return false;
}

} // namespace

CodeSuffixes::CodeSuffixes(const QStringList &codes) : m_nodes(1), m_nextEnd(codes.size(), -1)
{
    QSet<int> lengths;
    for (int i = 0; i < codes.size(); ++i) {
        const QString key = codes.at(i).toCaseFolded();
        int node = 0;
        for (int k = key.size() - 1; k >= 0; --k)
            node = addChild(node, key.at(k).unicode());
        m_nextEnd[i] = m_nodes.at(node).firstEnd;
        m_nodes[node].firstEnd = i;
        m_byFolded[key].append(i);
        lengths.insert(codes.at(i).size());
    }
    m_lengths = lengths.values().toVector();
    std::sort(m_lengths.begin(), m_lengths.end());
}

int CodeSuffixes::child(int node, ushort c) const
{
    const Node &n = m_nodes.at(node);
    for (int k = 0; k < 2; ++k)
        if (n.children[k] >= 0 && n.chars[k] == c)
            return n.children[k];
    if (n.children[1] < 0)
        return -1;
    return m_moreChildren.value((quint64(quint32(node)) << 16) | c, -1);
}

int CodeSuffixes::addChild(int node, ushort c)
{
    const int existing = child(node, c);
    if (existing >= 0)
        return existing;
    const int added = m_nodes.size();
    m_nodes.append(Node());
    Node &n = m_nodes[node];
    for (int k = 0; k < 2; ++k) {
        if (n.children[k] < 0) {
            n.chars[k] = c;
            n.children[k] = added;
            return added;
        }
    }
    m_moreChildren.insert((quint64(quint32(node)) << 16) | c, added);
    return added;
}

void CodeSuffixes::addEnds(int node, QVector<int> &found) const
{
    for (int code = m_nodes.at(node).firstEnd; code >= 0; code = m_nextEnd.at(code))
        found.append(code);
}

void CodeSuffixes::match(const QString &text, QVector<int> &found) const
{
    if (hasSurrogates(text)) {
        for (int length : m_lengths) {
            if (length > text.size())
                break;
            found += m_byFolded.value(text.right(length).toCaseFolded());
        }
        return;
    }
    int node = 0;
    addEnds(node, found);
    // Without surrogates, case folding maps each character on its own, so
    // folding the last characters of a text is folding them one at a time.
    for (int k = text.size() - 1; k >= 0 && node >= 0; --k) {
        const ushort u = text.at(k).unicode();
        if (u < 0x80) {
            node = child(node, u >= 'A' && u <= 'Z' ? ushort(u + ('a' - 'A')) : u);
        } else {
            const QString piece = QString(text.at(k)).toCaseFolded();
            for (int j = piece.size() - 1; j >= 0 && node >= 0; --j)
                node = child(node, piece.at(j).unicode());
        }
        if (node >= 0)
            addEnds(node, found);
    }
}

} // namespace vlog
